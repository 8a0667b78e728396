#include "itemcodes/articoli_variante.h"

#include <algorithm>
#include <map>

#include "common/value_helpers.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"

namespace itemcodes {

namespace {

using common::NzNumero;
using common::NzValore;
using common::RaddoppiaApici;

int intero(const db::Value& v) {
    return static_cast<int>(db::integerOf(NzNumero(v)));
}

using db::rtrim;

std::string quoted(const std::string& text) {
    return "'" + RaddoppiaApici(text) + "'";
}

// The options a slot may hold: the grouping's, in its order, or all the
// variant's, in code order.
std::string opzioniSlot(const SlotArticolo& s, const std::string& ditta) {
    const std::string size = std::to_string(s.size);
    if (!s.raggruppamento.empty())
        return "SELECT LEFT(MG5H_OPZIONE_MG5E + REPLICATE(' ', " + size + "), " + size +
               ") AS OPZIONE, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) "
               "AS DESCR, MG5H_SEQOPZIONE AS ORDINE FROM MG5H_COMPRAGVAR WITH (NOLOCK) "
               "INNER JOIN MG5E_OPZIONI WITH (NOLOCK) ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND "
               "MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E "
               "WHERE MG5H_DITTA_CG18 = " +
               ditta + " AND MG5H_CODICEVAR_MG5F = " + quoted(s.variante) +
               " AND MG5H_RAGGR_MG5G = " + quoted(s.raggruppamento);
    return "SELECT LEFT(MG5E_OPZIONE + REPLICATE(' ', " + size + "), " + size +
           ") AS OPZIONE, MG5E_DESCR AS DESCR, MG5E_OPZIONE AS ORDINE FROM MG5E_OPZIONI WITH "
           "(NOLOCK) WHERE MG5E_DITTA_CG18 = " +
           ditta + " AND MG5E_CODICEVAR_MG5F = " + quoted(s.variante);
}

// Where one option of a slot is read: the FROM and WHERE of a subquery.
std::string origineOpzione(const SlotArticolo& s, const std::string& ditta,
                           const std::string& opzione) {
    if (!s.raggruppamento.empty())
        return "FROM MG5H_COMPRAGVAR WITH (NOLOCK) INNER JOIN MG5E_OPZIONI WITH (NOLOCK) ON "
               "MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F "
               "AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18 = " +
               ditta + " AND MG5H_CODICEVAR_MG5F = " + quoted(s.variante) +
               " AND MG5H_RAGGR_MG5G = " + quoted(s.raggruppamento) +
               " AND MG5H_OPZIONE_MG5E = " + quoted(opzione);
    return "FROM MG5E_OPZIONI WITH (NOLOCK) WHERE MG5E_DITTA_CG18 = " + ditta +
           " AND MG5E_CODICEVAR_MG5F = " + quoted(s.variante) +
           " AND MG5E_OPZIONE = " + quoted(opzione);
}

std::string descrizioneOpzione(const SlotArticolo& s) {
    return s.raggruppamento.empty() ? "MG5E_DESCR"
                                    : "(CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE "
                                      "MG5H_DESCR END)";
}

}  // namespace

std::vector<SlotArticolo> StrutturaArticolo(db::Connection& connection, const std::string& ditta,
                                            const std::string& codArt) {
    std::vector<SlotArticolo> struttura;
    db::Recordset dim;
    dim.open(common::SqlVariantSizes(ditta), connection);
    for (dim.moveFirst(); !dim.eof(); dim.moveNext()) {
        SlotArticolo s;
        s.variante = NzValore(dim.value("MG5F_CODICEVAR"), "");
        s.size = std::max(0, intero(dim.value("MG5F_SIZE")));
        s.start = intero(dim.value("MG5F_START"));
        struttura.push_back(s);
    }
    std::sort(struttura.begin(), struttura.end(),
              [](const SlotArticolo& a, const SlotArticolo& b) { return a.variante < b.variante; });
    db::Recordset uso;
    uso.open(
        "SELECT MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_INDOBBLIG, MG6B_CODRAGGVAR_MG5G FROM "
        "MG6B_GESVARART WITH (NOLOCK) WHERE MG6B_DITTA_CG18 = " +
            ditta + " AND MG6B_CODART_MG66 = " + quoted(codArt),
        connection);
    for (uso.moveFirst(); !uso.eof(); uso.moveNext()) {
        const std::string variante = NzValore(uso.value("MG6B_CODICEVAR_MG5F"), "");
        for (SlotArticolo& s : struttura) {
            if (s.variante != variante)
                continue;
            s.gestita = intero(uso.value("MG6B_FLGGESTVAR")) == 1;
            s.obbligatoria = intero(uso.value("MG6B_INDOBBLIG")) == 1;
            s.raggruppamento = NzValore(uso.value("MG6B_CODRAGGVAR_MG5G"), "");
        }
    }
    return struttura;
}

int CodeWidth(const std::vector<SlotArticolo>& struttura) {
    int width = 0;
    for (const SlotArticolo& s : struttura)
        width += s.size;
    return width;
}

std::string SqlVariantArticles(const std::vector<SlotArticolo>& struttura,
                               const std::string& ditta) {
    std::string codice, descrizione, from, ordine;
    int n = 0;
    for (const SlotArticolo& s : struttura) {
        if (s.size <= 0)
            continue;
        if (!codice.empty())
            codice += " + ";
        if (!s.gestita) {
            codice += "REPLICATE(' ', " + std::to_string(s.size) + ")";
            continue;
        }
        const std::string alias = "V" + std::to_string(n++);
        codice += alias + ".OPZIONE";
        descrizione += (descrizione.empty() ? "" : " + ' - ' + ") + alias + ".DESCR";
        from +=
            (from.empty() ? " FROM (" : " CROSS JOIN (") + opzioniSlot(s, ditta) + ") AS " + alias;
        ordine += (ordine.empty() ? " ORDER BY " : ", ") + alias + ".ORDINE";
    }
    if (n == 0)
        return "SELECT CONVERT(VARCHAR(40), '') AS VARIANTE, CONVERT(VARCHAR(255), '') AS "
               "DESCRIZIONE FROM MG5F_DIMECONF WITH (NOLOCK) WHERE 1 = 0";
    return "SELECT " + codice + " AS VARIANTE, " + descrizione + " AS DESCRIZIONE" + from + ordine;
}

std::string SqlDecodeVariantArticle(const std::vector<SlotArticolo>& struttura,
                                    const std::string& ditta, const std::string& codArt,
                                    const std::string& codice) {
    const std::string code = rtrim(codice);
    const int width = CodeWidth(struttura);
    bool valido = !code.empty() && static_cast<int>(code.size()) <= width;
    std::string padded = code;
    if (valido)
        padded.resize(static_cast<std::size_t>(width), ' ');
    std::string condizioni, descrizione;
    bool pieno = false;
    for (const SlotArticolo& s : struttura) {
        if (!valido)
            break;
        if (s.size <= 0)
            continue;
        const std::string opzione = rtrim(
            padded.substr(static_cast<std::size_t>(s.start - 1), static_cast<std::size_t>(s.size)));
        if (opzione.empty()) {
            valido = !(s.gestita && s.obbligatoria);
            continue;
        }
        if (!s.gestita) {
            valido = false;
            continue;
        }
        pieno = true;
        const std::string origine = origineOpzione(s, ditta, opzione);
        condizioni += " AND EXISTS (SELECT 1 " + origine + ")";
        descrizione += std::string(descrizione.empty() ? "" : " + ' - ' + ") + "ISNULL((SELECT " +
                       descrizioneOpzione(s) + " " + origine + "), '')";
    }
    valido = valido && pieno;
    return "SELECT " + quoted(valido ? padded : code) + " AS VARIANTE, " +
           (valido ? descrizione : std::string("''")) +
           " AS DESCRIZIONE FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = " + ditta +
           " AND MG66_CODART = " + quoted(codArt) + (valido ? condizioni : " AND 1 = 0");
}

}  // namespace itemcodes
