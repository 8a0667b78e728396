#include "groupings/where_used_sql.h"

#include "common/value_helpers.h"

namespace groupings {

namespace {

std::string q(const std::string& text) {
    return "'" + common::RaddoppiaApici(text) + "'";
}

// A column that can hold a code: its table, the prefix of its company
// column, the variant column beside it (none for a composed code, where the
// option sits in its variant's slot and only that slot is read or written),
// the item of a row ("" when a row has none), and its line's caption with the
// caption's catalogue number.
struct Column {
    const char* table;
    const char* prefix;
    const char* variant;
    const char* column;
    const char* item;
    long number;
    const char* caption;
};

constexpr const char* kStateItem = "ISNULL(MG5W_CODART_MG66, '<< TUTTI >>')";

// The order is the order of the lines; OptionUses and GroupingUses give some
// lines a list of their own by position.
constexpr Column kOptionColumns[] = {
    {"MG5H_COMPRAGVAR", "MG5H", "MG5H_CODICEVAR_MG5F", "MG5H_OPZIONE_MG5E", "", 91802,
     "Composizioni dei raggruppamenti"},
    {"MG6B_GESVARART", "MG6B", "MG6B_CODICEVAR_MG5F", "MG6B_VARDEFAULT", "MG6B_CODART_MG66", 91803,
     "Opzione predefinita degli articoli"},
    {"MG5S_VARCLIFOR", "MG5S", "MG5S_CODICEVAR_MG5F", "MG5S_OPZIONE_MG5E", "", 91804,
     "Transcodifiche per clienti e fornitori"},
    {"MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR1_MG5F", "MG5W_OPZIONE1_MG5E", kStateItem, 91805,
     "Stati (prima variante)"},
    {"MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR2_MG5F", "MG5W_OPZIONE2_MG5E", kStateItem, 91806,
     "Stati (seconda variante)"},
    {"MG5U_VARSTAG", "MG5U", "MG5U_CODICEVAR_MG5F", "MG5U_OPZIONE_MG5E", "MG5U_CODART_MG66", 91807,
     "Stati per stagione"},
    {"MG87_ARTDESC", "MG87", nullptr, "MG87_OPZIONE_MG5E", "MG87_CODART_MG66", 91808,
     "Descrizioni degli articoli varianti"},
    {"MG73_ARTCLIFOR", "MG73", nullptr, "MG73_OPZIONE_MG5E", "MG73_CODART_MG66", 91809,
     "Codici articolo di clienti e fornitori"},
    {"MG70_MAGPROQTA", "MG70", nullptr, "MG70_OPZIONE_MG5E", "MG70_CODART_MG66", 91810,
     "Progressivi di magazzino"},
    {"MG7E_CLAVPROQTA", "MG7E", nullptr, "MG7E_OPZIONE_MG5E", "MG7E_CODART_MG66", 91811,
     "Progressivi di conto lavoro"},
    {"PD95_DISBA", "PD95", nullptr, "PD95_OPZIONE", "PD95_CODART_MG66", 91812,
     "Distinte base degli articoli varianti"},
    {"PD95_DISBA", "PD95", nullptr, "PD95_OPZCOMP", "PD95_CODART_MG66", 91813,
     "Componenti delle distinte base"},
};

constexpr Column kGroupingColumns[] = {
    {"MG6B_GESVARART", "MG6B", "MG6B_CODICEVAR_MG5F", "MG6B_CODRAGGVAR_MG5G", "MG6B_CODART_MG66",
     91814, "Articoli che usano il raggruppamento"},
    {"MG5H_COMPRAGVAR", "MG5H", "MG5H_CODICEVAR_MG5F", "MG5H_RAGGR_MG5G", "", 91815,
     "Opzioni del raggruppamento"},
    {"MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR1_MG5F", "MG5W_RAGGR1_MG5G", kStateItem, 91805,
     "Stati (prima variante)"},
    {"MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR2_MG5F", "MG5W_RAGGR2_MG5G", kStateItem, 91806,
     "Stati (seconda variante)"},
    {"MG5U_VARSTAG", "MG5U", "MG5U_CODICEVAR_MG5F", "MG5U_RAGGR_MG5G", "MG5U_CODART_MG66", 91807,
     "Stati per stagione"},
};

// The condition of the rows of a column that hold the code.
std::string rowsHolding(const Column& c, const UsedCode& u) {
    std::string where = std::string(c.prefix) + "_DITTA_CG18 = " + u.ditta + " AND ";
    if (c.variant)
        where += std::string(c.variant) + " = " + q(u.variante) + " AND " + c.column;
    else
        where += common::SqlOptionFromSlot(c.column, u.start, u.size);
    return where + " = " + q(u.codice);
}

// The items of the rows, with their descriptions.
std::string itemList(const std::string& ditta, const std::string& distinct) {
    return "SELECT U.CODICE, MG66_DESCART AS DESCRIZIONE FROM (" + distinct +
           ") AS U LEFT OUTER JOIN MG66_ANAGRART WITH (NOLOCK) ON MG66_DITTA_CG18 = " + ditta +
           " AND MG66_CODART = U.CODICE ORDER BY U.CODICE";
}

template <std::size_t N>
std::vector<CodeUse> usesOf(const Column (&columns)[N], const UsedCode& u) {
    std::vector<CodeUse> out;
    for (const Column& c : columns) {
        CodeUse use{c.table, c.caption, c.number,
                    std::string(" FROM ") + c.table + " WITH (NOLOCK) WHERE " + rowsHolding(c, u),
                    ""};
        if (*c.item)
            use.elenco = itemList(
                u.ditta, std::string("SELECT DISTINCT ") + c.item + " AS CODICE" + use.righe);
        out.push_back(std::move(use));
    }
    return out;
}

// Every UPDATE of a rename: a plain column takes the new code, a composed
// one the new code in its variant's slot only.
template <std::size_t N>
void moveReferences(const Column (&columns)[N], const UsedCode& u, const std::string& nuovo,
                    std::vector<std::string>& out) {
    for (const Column& c : columns) {
        const std::string value = c.variant ? q(nuovo)
                                            : "STUFF(" + std::string(c.column) + ", " +
                                                  std::to_string(u.start) + ", " +
                                                  std::to_string(u.size) + ", CONVERT(CHAR(" +
                                                  std::to_string(u.size) + "), " + q(nuovo) + "))";
        out.push_back("UPDATE " + std::string(c.table) + " SET " + c.column + " = " + value +
                      " WHERE " + rowsHolding(c, u));
    }
}

}  // namespace

std::vector<CodeUse> OptionUses(const UsedCode& o) {
    std::vector<CodeUse> out = usesOf(kOptionColumns, o);
    const std::string& d = o.ditta;
    // A composition concerns the items whose variant uses the grouping.
    out[0].elenco = itemList(
        d,
        "SELECT DISTINCT MG6B_CODART_MG66 AS CODICE FROM MG6B_GESVARART WITH (NOLOCK) "
        "INNER JOIN MG5H_COMPRAGVAR WITH (NOLOCK) ON MG5H_DITTA_CG18 = MG6B_DITTA_CG18 AND "
        "MG5H_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND MG5H_RAGGR_MG5G = MG6B_CODRAGGVAR_MG5G "
        "WHERE MG6B_DITTA_CG18 = " +
            d + " AND MG6B_CODICEVAR_MG5F = " + q(o.variante) +
            " AND MG5H_OPZIONE_MG5E = " + q(o.codice));
    // A transcoding concerns a customer or supplier, not an item.
    out[2].elenco =
        "SELECT CONVERT(VARCHAR(1), MG5S_TIPOCF_CG44) + '-' + CONVERT(VARCHAR(6), "
        "MG5S_CLIFOR_CG44) AS CODICE, CG16_RAGSOANAG AS DESCRIZIONE FROM MG5S_VARCLIFOR WITH "
        "(NOLOCK) LEFT OUTER JOIN CG44_CLIFOR WITH (NOLOCK) ON CG44_DITTA_CG18 = MG5S_DITTA_CG18 "
        "AND CG44_TIPOCF = MG5S_TIPOCF_CG44 AND CG44_CLIFOR = MG5S_CLIFOR_CG44 LEFT OUTER JOIN "
        "CG16_ANAGGEN WITH (NOLOCK) ON CG16_CODICE = CG44_CODICE_CG16 WHERE " +
        rowsHolding(kOptionColumns[2], o) + " ORDER BY MG5S_TIPOCF_CG44, MG5S_CLIFOR_CG44";
    return out;
}

std::vector<CodeUse> GroupingUses(const UsedCode& r) {
    std::vector<CodeUse> out = usesOf(kGroupingColumns, r);
    out[1].elenco =
        "SELECT MG5H_OPZIONE_MG5E AS CODICE, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE "
        "MG5H_DESCR END) AS DESCRIZIONE FROM MG5H_COMPRAGVAR WITH (NOLOCK) INNER JOIN "
        "MG5E_OPZIONI WITH (NOLOCK) ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F "
        "= MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E WHERE " +
        rowsHolding(kGroupingColumns[1], r) + " ORDER BY MG5H_SEQOPZIONE";
    return out;
}

std::string sqlWhereUsed(const std::vector<CodeUse>& usi) {
    std::string sql;
    for (std::size_t i = 0; i < usi.size(); ++i) {
        if (i > 0)
            sql += " UNION ALL ";
        sql += "SELECT " + std::to_string(i + 1) + " AS ORDINE, CONVERT(VARCHAR(20), " +
               q(usi[i].tabella) + ") AS TABELLA, CONVERT(VARCHAR(80), " + q(usi[i].descrizione) +
               ") AS DESCRIZIONE, COUNT(*) AS RIGHE" + usi[i].righe;
    }
    return sql + " ORDER BY ORDINE";
}

// ------------------------------------------------------------- retirement

namespace {
std::string doveRitiro(const UsedCode& o) {
    return "MG5W_DITTA_CG18 = " + o.ditta +
           " AND MG5W_CODART_MG66 IS NULL AND MG5W_CODICEVAR1_MG5F = " + q(o.variante) +
           " AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E = " + q(o.codice) +
           " AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_RAGGR2_MG5G IS NULL AND "
           "MG5W_OPZIONE2_MG5E IS NULL AND MG5W_TIPODEFAULT IS NULL";
}
}  // namespace

std::string sqlRetirementState(const UsedCode& o) {
    return "SELECT MG5W_IDSTATOVAR_MG5V, MG5V_CODICE FROM MG5W_PROVSTATI INNER JOIN MG5V_STATIVAR "
           "ON MG5V_DITTA_CG18 = MG5W_DITTA_CG18 AND MG5V_IDSTATOVAR = MG5W_IDSTATOVAR_MG5V "
           "WHERE " +
           doveRitiro(o);
}

std::string sqlDeleteRetirement(const UsedCode& o) {
    return "DELETE FROM MG5W_PROVSTATI WHERE " + doveRitiro(o);
}

std::string sqlInsertRetirement(const UsedCode& o, const std::string& idStato) {
    return "INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODART_MG66, MG5W_CODICEVAR1_MG5F, "
           "MG5W_RAGGR1_MG5G, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, MG5W_RAGGR2_MG5G, "
           "MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V, MG5W_TIPODEFAULT) VALUES (" +
           o.ditta + ", NULL, " + q(o.variante) + ", NULL, " + q(o.codice) +
           ", NULL, NULL, NULL, " + idStato + ", NULL)";
}

std::string sqlRetirementStates(const std::string& ditta) {
    return "SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR FROM MG5V_STATIVAR WITH (NOLOCK) "
           "WHERE MG5V_DITTA_CG18 = " +
           ditta + " ORDER BY MG5V_CODICE";
}

std::string sqlRetiredOptions(const std::string& ditta, const std::string& variante) {
    return "SELECT MG5W_OPZIONE1_MG5E AS OPZIONE, MG5V_CODICE AS STATO FROM MG5W_PROVSTATI WITH "
           "(NOLOCK) INNER JOIN MG5V_STATIVAR WITH (NOLOCK) ON MG5V_DITTA_CG18 = MG5W_DITTA_CG18 "
           "AND MG5V_IDSTATOVAR = MG5W_IDSTATOVAR_MG5V WHERE MG5W_DITTA_CG18 = " +
           ditta + " AND MG5W_CODART_MG66 IS NULL AND MG5W_CODICEVAR1_MG5F = " + q(variante) +
           " AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E IS NOT NULL AND "
           "MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_TIPODEFAULT IS NULL";
}

// ------------------------------------------------------------------ rename

namespace {

// The table of the codes themselves: a rename copies the old row under the
// new code, moves every reference, then removes the old row.
struct CodeTable {
    const char* table;
    const char* prefix;
    const char* code;
    const char* description;
};
constexpr CodeTable kOptions{"MG5E_OPZIONI", "MG5E", "MG5E_OPZIONE", "MG5E_DESCR"};
constexpr CodeTable kGroupings{"MG5G_RAGGVAR", "MG5G", "MG5G_CODRAGGVAR", "MG5G_DESCRRAGGVAR"};

std::string codeRow(const CodeTable& t, const UsedCode& u, const std::string& code) {
    const std::string p = t.prefix;
    return p + "_DITTA_CG18 = " + u.ditta + " AND " + p + "_CODICEVAR_MG5F = " + q(u.variante) +
           " AND " + t.code + " = " + q(code);
}

template <std::size_t N>
std::vector<std::string> renameStatements(const CodeTable& t, const Column (&columns)[N],
                                          const UsedCode& u, const std::string& nuovo) {
    const std::string p = t.prefix;
    const std::string where = codeRow(t, u, u.codice);
    std::vector<std::string> out;
    out.push_back("INSERT INTO " + std::string(t.table) + " (" + p + "_DITTA_CG18, " + p +
                  "_CODICEVAR_MG5F, " + t.code + ", " + t.description + ") SELECT " + p +
                  "_DITTA_CG18, " + p + "_CODICEVAR_MG5F, " + q(nuovo) + ", " + t.description +
                  " FROM " + t.table + " WHERE " + where);
    moveReferences(columns, u, nuovo, out);
    out.push_back("DELETE FROM " + std::string(t.table) + " WHERE " + where);
    return out;
}

std::string codeExists(const CodeTable& t, const UsedCode& u, const std::string& code) {
    return "SELECT COUNT(*) FROM " + std::string(t.table) + " WHERE " + codeRow(t, u, code);
}

}  // namespace

std::vector<std::string> sqlRenameOption(const UsedCode& o, const std::string& nuovo) {
    return renameStatements(kOptions, kOptionColumns, o, nuovo);
}

std::vector<std::string> sqlRenameGrouping(const UsedCode& r, const std::string& nuovo) {
    return renameStatements(kGroupings, kGroupingColumns, r, nuovo);
}

std::string sqlOptionExists(const UsedCode& o, const std::string& codice) {
    return codeExists(kOptions, o, codice);
}

std::string sqlGroupingExists(const UsedCode& r, const std::string& codice) {
    return codeExists(kGroupings, r, codice);
}

}  // namespace groupings
