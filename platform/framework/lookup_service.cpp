#include "platform/framework/lookup_service.h"

#include "platform/db/sql_literal.h"
#include "platform/db/value.h"

namespace framework {

namespace {

using db::rtrim;
using db::sqlQuoted;

// A counterpart valid on a day: no start after it, no end before it.
std::string validOn(const std::string& date) {
    if (date.empty())
        return {};
    return " AND (CG44_DTINIVAL IS NULL OR CG44_DTINIVAL <= " + sqlQuoted(date) +
           ") AND (CG44_DTFINVAL IS NULL OR CG44_DTFINVAL >= " + sqlQuoted(date) + ")";
}

// A decode request: the list's statement for the one key, its order dropped.
LookupRequest forKey(LookupRequest list, const std::string& keyCondition) {
    list.sql = list.sql.substr(0, list.sql.rfind(" ORDER BY ")) + keyCondition;
    return list;
}

}  // namespace

LookupRequest LookupService::Items() const {
    return {
        "SELECT MG66_CODART, MG66_DESCART FROM MG66_ANAGRART WITH (NOLOCK) "
        "WHERE MG66_DITTA_CG18 = " +
            company_ + " ORDER BY MG66_CODART",
        {"MG66_CODART", "MG66_DESCART"},
        {"Codice articolo", "Descrizione"},
        "MG66_CODART",
        "MG66_DESCART",
        "Articoli di magazzino"};
}

LookupRequest LookupService::DecodeItem(const std::string& code) const {
    return forKey(Items(), " AND MG66_CODART = " + sqlQuoted(rtrim(code)));
}

LookupRequest LookupService::Counterparts(int kind, const std::string& date) const {
    return {
        "SELECT CONVERT(CHAR(6), CG44_CLIFOR) AS CLIFOR, CG16_RAGSOANAG "
        "FROM CG44_CLIFOR WITH (NOLOCK) INNER JOIN CG16_ANAGGEN WITH (NOLOCK) "
        "ON CG16_CODICE = CG44_CODICE_CG16 WHERE CG44_DITTA_CG18 = " +
            company_ + " AND CG44_TIPOCF = " + std::to_string(kind) + validOn(date) +
            " ORDER BY CG44_CLIFOR",
        {"CLIFOR", "CG16_RAGSOANAG"},
        {kind == 0 ? "Cliente" : "Fornitore", "Ragione sociale"},
        "CLIFOR",
        "CG16_RAGSOANAG",
        kind == 0 ? "Clienti" : "Fornitori"};
}

LookupRequest LookupService::DecodeCounterpart(int kind, const std::string& code,
                                               const std::string& date) const {
    LookupRequest r = Counterparts(kind, date);
    std::string trimmed = rtrim(code);
    // A code that is not a number matches nothing rather than failing.
    bool number = !trimmed.empty() && trimmed.find_first_not_of("0123456789 ") == std::string::npos;
    r.sql =
        "SELECT CONVERT(CHAR(6), CG44_CLIFOR) AS CLIFOR, CG16_RAGSOANAG "
        "FROM CG44_CLIFOR WITH (NOLOCK) INNER JOIN CG16_ANAGGEN WITH (NOLOCK) "
        "ON CG16_CODICE = CG44_CODICE_CG16 WHERE CG44_DITTA_CG18 = " +
        company_ + " AND CG44_TIPOCF = " + std::to_string(kind) +
        " AND CG44_CLIFOR = " + (number ? trimmed : std::string("-1")) + validOn(date);
    return r;
}

LookupRequest LookupService::Options(const std::string& variant,
                                     const std::string& grouping) const {
    LookupRequest r{
        {},           {"MG5E_OPZIONE", "MG5E_DESCR"}, {"Opzione", "Descrizione"}, "MG5E_OPZIONE",
        "MG5E_DESCR", "Opzioni della variante"};
    if (rtrim(grouping).empty()) {
        r.sql =
            "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK) "
            "WHERE MG5E_DITTA_CG18 = " +
            company_ + " AND MG5E_CODICEVAR_MG5F = " + sqlQuoted(variant) +
            " ORDER BY MG5E_OPZIONE";
    } else {
        r.sql =
            "SELECT MG5E_OPZIONE, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE "
            "MG5H_DESCR END) AS MG5E_DESCR FROM MG5H_COMPRAGVAR WITH (NOLOCK) "
            "INNER JOIN MG5E_OPZIONI WITH (NOLOCK) ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 "
            "AND MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = "
            "MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18 = " +
            company_ + " AND MG5H_CODICEVAR_MG5F = " + sqlQuoted(variant) +
            " AND MG5H_RAGGR_MG5G = " + sqlQuoted(rtrim(grouping)) + " ORDER BY MG5H_SEQOPZIONE";
    }
    return r;
}

LookupRequest LookupService::DecodeOption(const std::string& variant, const std::string& code,
                                          const std::string& grouping) const {
    const std::string condition =
        rtrim(grouping).empty() ? " AND MG5E_OPZIONE = " : " AND MG5H_OPZIONE_MG5E = ";
    return forKey(Options(variant, grouping), condition + sqlQuoted(rtrim(code)));
}

LookupRequest LookupService::Groupings(const std::string& variant) const {
    return {
        "SELECT MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WITH (NOLOCK) "
        "WHERE MG5G_DITTA_CG18 = " +
            company_ + " AND MG5G_CODICEVAR_MG5F = " + sqlQuoted(variant) +
            " ORDER BY MG5G_CODRAGGVAR",
        {"MG5G_CODRAGGVAR", "MG5G_DESCRRAGGVAR"},
        {"Raggruppamento", "Descrizione"},
        "MG5G_CODRAGGVAR",
        "MG5G_DESCRRAGGVAR",
        "Raggruppamenti della variante"};
}

LookupRequest LookupService::DecodeGrouping(const std::string& variant,
                                            const std::string& code) const {
    return forKey(Groupings(variant), " AND MG5G_CODRAGGVAR = " + sqlQuoted(rtrim(code)));
}

LookupRequest LookupService::States() const {
    return {
        "SELECT MG5V_CODICE, MG5V_DESCR, MG5V_IDSTATOVAR FROM MG5V_STATIVAR WITH (NOLOCK) "
        "WHERE MG5V_DITTA_CG18 = " +
            company_ + " ORDER BY MG5V_CODICE",
        {"MG5V_CODICE", "MG5V_DESCR"},
        {"Stato", "Descrizione"},
        "MG5V_CODICE",
        "MG5V_DESCR",
        "Stati varianti"};
}

LookupRequest LookupService::DecodeState(const std::string& code) const {
    return forKey(States(), " AND MG5V_CODICE = " + sqlQuoted(rtrim(code)));
}

LookupRequest LookupService::Seasons() const {
    return {
        "SELECT MG5T_CODICE, MG5T_DESCR, MG5T_IDSTAGIONE FROM MG5T_STAGIONI WITH (NOLOCK) "
        "WHERE MG5T_DITTA_CG18 = " +
            company_ + " ORDER BY MG5T_CODICE",
        {"MG5T_CODICE", "MG5T_DESCR"},
        {"Stagione", "Descrizione"},
        "MG5T_CODICE",
        "MG5T_DESCR",
        "Stagioni"};
}

LookupRequest LookupService::DecodeSeason(const std::string& code) const {
    return forKey(Seasons(), " AND MG5T_CODICE = " + sqlQuoted(rtrim(code)));
}

}  // namespace framework
