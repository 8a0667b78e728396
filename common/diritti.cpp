#include "common/diritti.h"

#include <cctype>
#include <vector>

#include "common/item_card.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/framework/cinterface.h"

namespace common {

namespace {

// The kind a command declared (-1: none); the card runs on one thread.
int g_dichiarata = -1;

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The words of a batch, upper case, without literals and comments; a name
// keeps its "#", "@", "." and brackets.
std::vector<std::string> parole(std::string_view sql) {
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

std::string senzaParentesi(std::string name) {
    std::string out;
    for (char c : name)
        if (c != '[' && c != ']')
            out += c;
    return out;
}

// Whether the target of a write is a work table: "#name", "tempdb..name", a
// table variable, or an alias the batch gives to one of these.
bool tabellaDiLavoro(const std::vector<std::string>& w, const std::string& target) {
    const std::string t = senzaParentesi(target);
    if (t.empty() || t[0] == '#' || t[0] == '@' || t.rfind("TEMPDB.", 0) == 0)
        return true;
    for (std::size_t k = 0; k + 1 < w.size(); ++k) {
        const std::string name = senzaParentesi(w[k]);
        if (name.empty() || (name[0] != '#' && name[0] != '@'))
            continue;
        std::size_t a = k + 1;
        if (w[a] == "AS" && a + 1 < w.size())
            ++a;
        if (senzaParentesi(w[a]) == t)
            return true;
    }
    return false;
}

void rifiuta(Scrittura kind) {
    throw DirittoNegato(kind, testoRifiuto(kind));
}

}  // namespace

Diritti dirittiDi(const framework::Cinterface* pclsInterface) {
    Diritti d;
    if (!pclsInterface)
        return d;
    try {
        d.modifica = pclsInterface->CanUpdate();
        d.inserimento = pclsInterface->CanInsert();
        d.cancellazione = pclsInterface->CanDelete();
        d.ricerca = pclsInterface->CanQbe();
    } catch (...) {
    }
    return d;
}

bool consentita(const Diritti& d, Scrittura kind) {
    switch (kind) {
        case Scrittura::Modifica:
            return d.modifica;
        case Scrittura::Aggiunta:
            return d.modifica && d.inserimento;
        case Scrittura::Rimozione:
            return d.modifica && d.cancellazione;
    }
    return false;
}

long numeroRifiuto(Scrittura kind) {
    switch (kind) {
        case Scrittura::Aggiunta:
            return 91502;
        case Scrittura::Rimozione:
            return 91503;
        case Scrittura::Modifica:
            break;
    }
    return 91501;
}

std::string testoRifiuto(Scrittura kind) {
    switch (kind) {
        case Scrittura::Aggiunta:
            return "Non si dispone dell'autorizzazione ad aggiungere dati.";
        case Scrittura::Rimozione:
            return "Non si dispone dell'autorizzazione a eliminare dati.";
        case Scrittura::Modifica:
            break;
    }
    return "Non si dispone dell'autorizzazione a modificare i dati.";
}

// The kind the user is told about: a write without CanUpdate is refused as
// a change, whatever it adds or removes.
static Scrittura motivo(const Diritti& d, Scrittura kind) {
    return d.modifica ? kind : Scrittura::Modifica;
}

bool VerificaDiritto(WindowServices& services, Scrittura kind) {
    const Diritti d = dirittiDi(services.Pcls_Interface());
    if (consentita(d, kind))
        return true;
    const Scrittura m = motivo(d, kind);
    services.VisualizzaMessaggio(testoRifiuto(m), numeroRifiuto(m), vbExclamation,
                                 services.TraduciTesto("Avviso Utente", 8522));
    return false;
}

bool VerificaDiritto(ItemCard& card, Scrittura kind) {
    return VerificaDiritto(card.services(), kind);
}

bool VerificaRicerca(ItemCard& card) {
    WindowServices& services = card.services();
    if (dirittiDi(services.Pcls_Interface()).ricerca)
        return true;
    services.VisualizzaMessaggio("Non si dispone dell'autorizzazione a eseguire ricerche.", 91504,
                                 vbExclamation, services.TraduciTesto("Avviso Utente", 8522));
    return false;
}

ScritturaDichiarata::ScritturaDichiarata(Scrittura kind) : previous_(g_dichiarata) {
    g_dichiarata = static_cast<int>(kind);
}

ScritturaDichiarata::~ScritturaDichiarata() {
    g_dichiarata = previous_;
}

ScrittureBatch scrittureDelBatch(std::string_view sql) {
    ScrittureBatch out;
    const std::vector<std::string> w = parole(sql);
    for (std::size_t k = 0; k < w.size(); ++k) {
        const std::string& word = w[k];
        std::size_t t = k + 1;
        bool* kind = nullptr;
        if (word == "INSERT") {
            if (t < w.size() && w[t] == "INTO")
                ++t;
            kind = &out.aggiunta;
        } else if (word == "DELETE") {
            if (t < w.size() && w[t] == "FROM")
                ++t;
            kind = &out.rimozione;
        } else if (word == "TRUNCATE") {
            if (t < w.size() && w[t] == "TABLE")
                ++t;
            kind = &out.rimozione;
        } else if (word == "UPDATE") {
            // "ON UPDATE CASCADE" of a work table's definition writes nothing.
            if (k > 0 && (w[k - 1] == "ON" || w[k - 1] == "FOR"))
                continue;
            if (t < w.size() && w[t] == "STATISTICS")
                continue;
            kind = &out.modifica;
        } else if (word == "MERGE") {
            if (t < w.size() && w[t] == "INTO")
                ++t;
            kind = &out.modifica;
        } else {
            continue;
        }
        if (t < w.size() && w[t] == "TOP")
            t += 2;  // TOP n: the number is a word of its own
        if (t < w.size() && !tabellaDiLavoro(w, w[t]))
            *kind = true;
    }
    return out;
}

void ProteggiConnessione(db::Connection& connection, std::function<Diritti()> diritti) {
    if (!diritti) {
        connection.setGuard({});
        return;
    }
    connection.setGuard([diritti = std::move(diritti)](std::string_view sql) {
        const ScrittureBatch s = scrittureDelBatch(sql);
        if (!s.any())
            return;
        const Diritti d = diritti();
        if (g_dichiarata >= 0) {
            const auto kind = static_cast<Scrittura>(g_dichiarata);
            if (!consentita(d, kind))
                rifiuta(motivo(d, kind));
            return;
        }
        if (!d.modifica)
            rifiuta(Scrittura::Modifica);
        if (s.aggiunta && !d.inserimento)
            rifiuta(Scrittura::Aggiunta);
        if (s.rimozione && !d.cancellazione)
            rifiuta(Scrittura::Rimozione);
    });
}

}  // namespace common
