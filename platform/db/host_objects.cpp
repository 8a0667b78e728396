#include "platform/db/host_objects.h"

#include <map>
#include <memory>
#include <mutex>

namespace db {
namespace {

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return out;
}

std::string_view unbracketed(std::string_view s) {
    if (s.size() >= 2 && s.front() == '[' && s.back() == ']')
        return s.substr(1, s.size() - 2);
    return s;
}

// "dbo.X", "[dbo].[X]" and "X" all name the same object.
std::string key(std::string_view name) {
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    const std::size_t dot = name.find('.');
    if (dot != std::string_view::npos && upper(unbracketed(name.substr(0, dot))) == "DBO")
        name.remove_prefix(dot + 1);
    return upper(unbracketed(name));
}

// Objects are kept behind pointers so that what a lookup returned stays valid
// while others register; only replacing the same name frees the old one.
template <typename T>
struct Registry {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<T>> objects;

    void add(T object) {
        std::string k = key(object.name);
        auto p = std::make_unique<T>(std::move(object));
        std::lock_guard lock(mutex);
        objects[std::move(k)] = std::move(p);
    }
    const T* find(std::string_view name) {
        const std::string k = key(name);
        std::lock_guard lock(mutex);
        auto it = objects.find(k);
        return it == objects.end() ? nullptr : it->second.get();
    }
};

Registry<TableFunction>& functions() {
    static Registry<TableFunction> r;
    return r;
}

Registry<Procedure>& procedures() {
    static Registry<Procedure> r;
    return r;
}

}  // namespace

void registerTableFunction(TableFunction f) {
    functions().add(std::move(f));
}

void registerProcedure(Procedure p) {
    procedures().add(std::move(p));
}

const TableFunction* findTableFunction(std::string_view name) {
    return functions().find(name);
}

const Procedure* findProcedure(std::string_view name) {
    return procedures().find(name);
}

std::vector<const TableFunction*> allTableFunctions() {
    auto& r = functions();
    std::lock_guard lock(r.mutex);
    std::vector<const TableFunction*> out;
    for (const auto& [name, f] : r.objects)
        out.push_back(f.get());
    return out;
}

}  // namespace db
