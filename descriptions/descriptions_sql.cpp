#include "descriptions/descriptions_sql.h"

#include "common/value_helpers.h"

namespace descriptions {

namespace {

std::string lit(const std::string& text) {
    return "'" + common::RaddoppiaApici(text) + "'";
}

std::string descriptionKey(const std::string& ditta, const std::string& item,
                           const std::string& code, const std::string& lang) {
    return " WHERE MG87_DITTA_CG18 = " + ditta + " AND MG87_CODART_MG66 = " + lit(item) +
           " AND MG87_OPZIONE_MG5E = " + lit(code) + " AND MG87_LINGUA_MG52 = " + lit(lang);
}

}  // namespace

std::string sqlCompanyLanguages(const std::string& ditta) {
    return "SELECT MG52_CODLINGUA, MG52_DESCRLINGUA FROM MG52_LINGUE WITH (NOLOCK) INNER JOIN "
           "MG47_PARMAGLINGUE WITH (NOLOCK) ON MG47_DITTA_CG18 = " +
           ditta + " AND  MG47_CODLINGUA_MG52 = MG52_CODLINGUA";
}

std::string sqlCompanyLanguageCodes(const std::string& ditta) {
    return "SELECT MG52_CODLINGUA FROM MG52_LINGUE WITH (NOLOCK) INNER JOIN MG47_PARMAGLINGUE "
           "WITH (NOLOCK) ON MG47_DITTA_CG18 = " +
           ditta + " AND  MG47_CODLINGUA_MG52 = MG52_CODLINGUA";
}

std::string sqlItemExists(const std::string& ditta, const std::string& item) {
    return "SELECT TOP 1 1 FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = " + ditta +
           " AND MG66_CODART = " + lit(item);
}

std::string sqlManagingItems(const std::string& ditta, const std::string& condition) {
    return "SELECT DISTINCT MG6B_CODART_MG66 FROM MG6B_GESVARART WITH (NOLOCK) WHERE "
           "MG6B_DITTA_CG18 = " +
           ditta + " AND (" + condition + ") AND MG6B_FLGGESTVAR = 1 ORDER BY MG6B_CODART_MG66";
}

std::string sqlManagedVariants(const std::string& ditta, const std::string& item) {
    return "SELECT MG6B_CODICEVAR_MG5F, MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WITH (NOLOCK) "
           "WHERE MG6B_DITTA_CG18 = " +
           ditta + " AND MG6B_CODART_MG66 = " + lit(item) +
           " AND MG6B_FLGGESTVAR = 1 ORDER BY MG6B_CODICEVAR_MG5F";
}

std::string sqlOptionsOfVariant(const std::string& ditta, const std::string& variant,
                                const std::string& grouping) {
    if (grouping.empty())
        return "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK) WHERE "
               "MG5E_DITTA_CG18 = " +
               ditta + " AND MG5E_CODICEVAR_MG5F = " + lit(variant) + " ORDER BY MG5E_OPZIONE";
    return "SELECT MG5H_OPZIONE_MG5E, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE "
           "MG5H_DESCR END) FROM MG5H_COMPRAGVAR WITH (NOLOCK) INNER JOIN MG5E_OPZIONI WITH "
           "(NOLOCK) ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = "
           "MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18 = " +
           ditta + " AND MG5H_CODICEVAR_MG5F = " + lit(variant) +
           " AND MG5H_RAGGR_MG5G = " + lit(grouping) + " ORDER BY MG5H_SEQOPZIONE";
}

std::string sqlItemTexts(const std::string& ditta, const std::string& item,
                         const std::string& lang) {
    return "SELECT MG87_LINGUA_MG52, MG87_DESCART, MG87_DESCARTEST FROM MG87_ARTDESC WITH "
           "(NOLOCK) WHERE MG87_DITTA_CG18 = " +
           ditta + " AND MG87_CODART_MG66 = " + lit(item) +
           " AND MG87_OPZIONE_MG5E = '' AND MG87_LINGUA_MG52 IN ('', " + lit(lang) + ")";
}

std::string sqlItemDescription(const std::string& ditta, const std::string& item) {
    return "SELECT MG66_DESCART FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = " + ditta +
           " AND MG66_CODART = " + lit(item);
}

std::string sqlStoredDescriptions(const std::string& ditta, const std::string& item,
                                  const std::string& lang) {
    return "SELECT MG87_OPZIONE_MG5E, MG87_DESCART, MG87_DESCARTEST FROM MG87_ARTDESC WITH "
           "(NOLOCK) WHERE MG87_DITTA_CG18 = " +
           ditta + " AND MG87_CODART_MG66 = " + lit(item) + " AND MG87_LINGUA_MG52 = " + lit(lang) +
           " AND MG87_OPZIONE_MG5E <> ''";
}

std::string sqlStoredDescriptionCodes(const std::string& ditta, const std::string& item,
                                      const std::string& lang) {
    return "SELECT MG87_OPZIONE_MG5E FROM MG87_ARTDESC WHERE MG87_DITTA_CG18 = " + ditta +
           " AND MG87_CODART_MG66 = " + lit(item) + " AND MG87_LINGUA_MG52 = " + lit(lang) +
           " AND MG87_OPZIONE_MG5E <> ''";
}

std::string sqlInvalidPairs(const std::string& ditta, const std::string& item) {
    return "SELECT MG5W_CODICEVAR1_MG5F, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, "
           "MG5W_OPZIONE2_MG5E FROM MG5W_PROVSTATI WITH (NOLOCK) INNER JOIN MG5V_STATIVAR WITH "
           "(NOLOCK) ON MG5V_DITTA_CG18 = MG5W_DITTA_CG18 AND MG5V_IDSTATOVAR = "
           "MG5W_IDSTATOVAR_MG5V WHERE MG5W_DITTA_CG18 = " +
           ditta + " AND (MG5W_CODART_MG66 = " + lit(item) +
           " OR MG5W_CODART_MG66 IS NULL) AND MG5W_OPZIONE1_MG5E IS NOT NULL AND "
           "MG5W_OPZIONE2_MG5E IS NOT NULL AND (MG5V_ATTIVO IS NULL OR MG5V_ATTIVO = 0)";
}

std::string sqlSetDescription(const std::string& ditta, const std::string& item,
                              const std::string& code, const std::string& lang,
                              const std::string& text) {
    return "UPDATE MG87_ARTDESC SET MG87_DESCART = " + lit(text) +
           descriptionKey(ditta, item, code, lang);
}

std::string sqlInsertDescription(const std::string& ditta, const std::string& item,
                                 const std::string& code, const std::string& lang,
                                 const std::string& text) {
    return "INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, "
           "MG87_LINGUA_MG52, MG87_DESCART) VALUES (" +
           ditta + ", " + lit(item) + ", " + lit(code) + ", " + lit(lang) + ", " + lit(text) + ")";
}

std::string sqlSetDescriptions(const std::string& ditta, const std::string& item,
                               const std::string& code, const std::string& lang,
                               const std::string& text, const std::string& extended) {
    return "UPDATE MG87_ARTDESC SET MG87_DESCART = " + lit(text) +
           ", MG87_DESCARTEST = " + lit(extended) + descriptionKey(ditta, item, code, lang);
}

std::string sqlInsertDescriptions(const std::string& ditta, const std::string& item,
                                  const std::string& code, const std::string& lang,
                                  const std::string& text, const std::string& extended) {
    return "INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, "
           "MG87_LINGUA_MG52, MG87_DESCART, MG87_DESCARTEST) VALUES (" +
           ditta + ", " + lit(item) + ", " + lit(code) + ", " + lit(lang) + ", " + lit(text) +
           ", " + lit(extended) + ")";
}

}  // namespace descriptions
