// Kept apart from the other services: only what uses work tables links the
// database connection through it.
#include "common/work_tables.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace common {

void WindowServices::EliminaTabellaTemp(const std::string& name) {
    if (!connection_)
        throw std::logic_error("EliminaTabellaTemp: nessuna connessione");
    connection_->execute("IF OBJECT_ID('tempdb.." + name + "') IS NOT NULL DROP TABLE " + name);
}

std::string WorkTableKeyName(const std::string& newId) {
    std::string name;
    for (char c : newId)
        if (c != '{' && c != '}' && c != '-')
            name += c;
    // Blanks are not part of a name either; a NEWID() text holds none.
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back())))
        name.pop_back();
    return name.empty() ? std::string() : "PK" + name;
}

std::string WorkTableKeyNameAt(const db::DateTime& now) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "PK%04d%02d%02d%02d%02d%02d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return buf;
}

std::string NewId(db::Connection& cn) {
    try {
        db::Recordset id;
        id.open("SELECT NEWID() AS PKNAME ", cn);
        if (id.recordCount() > 0) {
            id.moveFirst();
            return NzValore(id.value("PKNAME"), "");
        }
    } catch (const std::exception&) {
        cn.clearErrors();
    }
    return "";
}

std::string NewWorkTableKeyName(db::Connection& cn) {
    const std::string name = WorkTableKeyName(NewId(cn));
    return name.empty() ? WorkTableKeyNameAt(db::DateTime::now()) : name;
}

}  // namespace common
