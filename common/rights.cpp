#include "common/rights.h"

#include <cctype>
#include <vector>

#include "common/item_card.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/framework/cinterface.h"

namespace common {

namespace {

// The kind a command declared (-1: none); the card runs on one thread.
int g_declared = -1;

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The words of a batch, upper case, without literals and comments; a name
// keeps its "#", "@", "." and brackets.
std::vector<std::string> words(std::string_view sql) {
    std::vector<std::string> out;
    std::size_t i = 0;
    const std::size_t n = sql.size();
    auto isName = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '#' || c == '@' ||
               c == '.' || c == '[' || c == ']' || c == '$' ||
               static_cast<unsigned char>(c) >= 0x80;
    };
    while (i < n) {
        const char c = sql[i];
        if (c == '\'') {  // a literal: '' is an apostrophe inside it
            ++i;
            while (i < n) {
                if (sql[i] == '\'' && i + 1 < n && sql[i + 1] == '\'')
                    i += 2;
                else if (sql[i++] == '\'')
                    break;
            }
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n')
                ++i;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const std::size_t end = sql.find("*/", i + 2);
            i = end == std::string_view::npos ? n : end + 2;
        } else if (isName(c)) {
            const std::size_t start = i;
            while (i < n && isName(sql[i]))
                ++i;
            out.push_back(upper(sql.substr(start, i - start)));
        } else {
            ++i;
        }
    }
    return out;
}

std::string unbracketed(std::string name) {
    std::string out;
    for (char c : name)
        if (c != '[' && c != ']')
            out += c;
    return out;
}

// Whether the target of a write is a work table: "#name", "tempdb..name", a
// table variable, or an alias the batch gives to one of these.
bool isWorkTable(const std::vector<std::string>& w, const std::string& target) {
    const std::string t = unbracketed(target);
    if (t.empty() || t[0] == '#' || t[0] == '@' || t.rfind("TEMPDB.", 0) == 0)
        return true;
    for (std::size_t k = 0; k + 1 < w.size(); ++k) {
        const std::string name = unbracketed(w[k]);
        if (name.empty() || (name[0] != '#' && name[0] != '@'))
            continue;
        std::size_t a = k + 1;
        if (w[a] == "AS" && a + 1 < w.size())
            ++a;
        if (unbracketed(w[a]) == t)
            return true;
    }
    return false;
}

void refuse(WriteKind kind) {
    throw RightDenied(kind, refusalText(kind));
}

}  // namespace

Rights rightsOf(const framework::Cinterface* pclsInterface) {
    Rights d;
    if (!pclsInterface)
        return d;
    try {
        d.update = pclsInterface->CanUpdate();
        d.insert = pclsInterface->CanInsert();
        d.remove = pclsInterface->CanDelete();
        d.search = pclsInterface->CanQbe();
    } catch (...) {
    }
    return d;
}

bool allowed(const Rights& d, WriteKind kind) {
    switch (kind) {
        case WriteKind::Change:
            return d.update;
        case WriteKind::Add:
            return d.update && d.insert;
        case WriteKind::Remove:
            return d.update && d.remove;
    }
    return false;
}

long refusalNumber(WriteKind kind) {
    switch (kind) {
        case WriteKind::Add:
            return 91502;
        case WriteKind::Remove:
            return 91503;
        case WriteKind::Change:
            break;
    }
    return 91501;
}

std::string refusalText(WriteKind kind) {
    switch (kind) {
        case WriteKind::Add:
            return "Non si dispone dell'autorizzazione ad aggiungere dati.";
        case WriteKind::Remove:
            return "Non si dispone dell'autorizzazione a eliminare dati.";
        case WriteKind::Change:
            break;
    }
    return "Non si dispone dell'autorizzazione a modificare i dati.";
}

// The kind the user is told about: a write without CanUpdate is refused as
// a change, whatever it adds or removes.
static WriteKind refusedKind(const Rights& d, WriteKind kind) {
    return d.update ? kind : WriteKind::Change;
}

static bool checkRight(WindowServices& services, const Rights& d, WriteKind kind) {
    if (allowed(d, kind))
        return true;
    const WriteKind m = refusedKind(d, kind);
    services.VisualizzaMessaggio(refusalText(m), refusalNumber(m), vbExclamation,
                                 services.TraduciTesto("Avviso Utente", 8522));
    return false;
}

bool checkRight(WindowServices& services, WriteKind kind) {
    return checkRight(services, rightsOf(services.Pcls_Interface()), kind);
}

// The card's own host decides: a tab may be shown on services without one.
bool checkRight(ItemCard& card, WriteKind kind) {
    return checkRight(card.services(), rightsOf(card.Pcls_Interface()), kind);
}

bool checkSearch(ItemCard& card) {
    WindowServices& services = card.services();
    if (rightsOf(card.Pcls_Interface()).search)
        return true;
    services.VisualizzaMessaggio("Non si dispone dell'autorizzazione a eseguire ricerche.", 91504,
                                 vbExclamation, services.TraduciTesto("Avviso Utente", 8522));
    return false;
}

DeclaredWrite::DeclaredWrite(WriteKind kind) : previous_(g_declared) {
    g_declared = static_cast<int>(kind);
}

DeclaredWrite::~DeclaredWrite() {
    g_declared = previous_;
}

BatchWrites writesOfBatch(std::string_view sql) {
    BatchWrites out;
    const std::vector<std::string> w = words(sql);
    for (std::size_t k = 0; k < w.size(); ++k) {
        const std::string& word = w[k];
        std::size_t t = k + 1;
        bool* kind = nullptr;
        if (word == "INSERT") {
            if (t < w.size() && w[t] == "INTO")
                ++t;
            kind = &out.add;
        } else if (word == "DELETE") {
            if (t < w.size() && w[t] == "FROM")
                ++t;
            kind = &out.remove;
        } else if (word == "TRUNCATE") {
            if (t < w.size() && w[t] == "TABLE")
                ++t;
            kind = &out.remove;
        } else if (word == "UPDATE") {
            // "ON UPDATE CASCADE" of a work table's definition writes nothing.
            if (k > 0 && (w[k - 1] == "ON" || w[k - 1] == "FOR"))
                continue;
            if (t < w.size() && w[t] == "STATISTICS")
                continue;
            kind = &out.change;
        } else if (word == "MERGE") {
            if (t < w.size() && w[t] == "INTO")
                ++t;
            kind = &out.change;
        } else {
            continue;
        }
        if (t < w.size() && w[t] == "TOP")
            t += 2;  // TOP n: the number is a word of its own
        if (t < w.size() && !isWorkTable(w, w[t]))
            *kind = true;
    }
    return out;
}

void guardConnection(db::Connection& connection, std::function<Rights()> rights) {
    if (!rights) {
        connection.setGuard({});
        return;
    }
    connection.setGuard([rights = std::move(rights)](std::string_view sql) {
        const BatchWrites s = writesOfBatch(sql);
        if (!s.any())
            return;
        const Rights d = rights();
        if (g_declared >= 0) {
            const auto kind = static_cast<WriteKind>(g_declared);
            if (!allowed(d, kind))
                refuse(refusedKind(d, kind));
            return;
        }
        if (!d.update)
            refuse(WriteKind::Change);
        if (s.add && !d.insert)
            refuse(WriteKind::Add);
        if (s.remove && !d.remove)
            refuse(WriteKind::Remove);
    });
}

}  // namespace common
