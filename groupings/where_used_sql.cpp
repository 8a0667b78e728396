#include "groupings/where_used_sql.h"

#include "common/value_helpers.h"

namespace groupings {

namespace {

std::string q(const std::string& text) {
    return "'" + common::RaddoppiaApici(text) + "'";
}

// One column that holds the code, and how its rows are found.
struct Fonte {
    std::string tabella;
    std::string colonna;
    std::string dove;      // condition of the rows holding the code
    std::string articolo;  // the item of a row; "" when a row has none
    long numero = 0;
    std::string descrizione;
    bool composto = false;  // a composed code: only the variant's slot
};

std::string condizione(const std::string& ditta, const std::string& colDitta,
                       const std::string& colVariante, const std::string& variante,
                       const std::string& colonna, const std::string& codice) {
    return colDitta + " = " + ditta + " AND " + colVariante + " = " + q(variante) + " AND " +
           colonna + " = " + q(codice);
}

std::vector<Fonte> fontiOpzione(const CodiceUsato& o) {
    const std::string& d = o.ditta;
    auto semplice = [&](const char* t, const char* pfx, const char* colVar, const char* col,
                        const char* articolo, long numero, const char* descr) {
        return Fonte{
            t,
            col,
            condizione(d, std::string(pfx) + "_DITTA_CG18", colVar, o.variante, col, o.codice),
            articolo,
            numero,
            descr,
            false};
    };
    auto composto = [&](const char* t, const char* pfx, const char* col, const char* articolo,
                        long numero, const char* descr) {
        return Fonte{t,
                     col,
                     std::string(pfx) + "_DITTA_CG18 = " + d + " AND " +
                         common::SqlOptionFromSlot(col, o.start, o.size) + " = " + q(o.codice),
                     articolo,
                     numero,
                     descr,
                     true};
    };
    return {
        semplice("MG5H_COMPRAGVAR", "MG5H", "MG5H_CODICEVAR_MG5F", "MG5H_OPZIONE_MG5E", "", 91802,
                 "Composizioni dei raggruppamenti"),
        semplice("MG6B_GESVARART", "MG6B", "MG6B_CODICEVAR_MG5F", "MG6B_VARDEFAULT",
                 "MG6B_CODART_MG66", 91803, "Opzione predefinita degli articoli"),
        semplice("MG5S_VARCLIFOR", "MG5S", "MG5S_CODICEVAR_MG5F", "MG5S_OPZIONE_MG5E", "", 91804,
                 "Transcodifiche per clienti e fornitori"),
        semplice("MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR1_MG5F", "MG5W_OPZIONE1_MG5E",
                 "ISNULL(MG5W_CODART_MG66, '<< TUTTI >>')", 91805, "Stati (prima variante)"),
        semplice("MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR2_MG5F", "MG5W_OPZIONE2_MG5E",
                 "ISNULL(MG5W_CODART_MG66, '<< TUTTI >>')", 91806, "Stati (seconda variante)"),
        semplice("MG5U_VARSTAG", "MG5U", "MG5U_CODICEVAR_MG5F", "MG5U_OPZIONE_MG5E",
                 "MG5U_CODART_MG66", 91807, "Stati per stagione"),
        composto("MG87_ARTDESC", "MG87", "MG87_OPZIONE_MG5E", "MG87_CODART_MG66", 91808,
                 "Descrizioni degli articoli varianti"),
        composto("MG73_ARTCLIFOR", "MG73", "MG73_OPZIONE_MG5E", "MG73_CODART_MG66", 91809,
                 "Codici articolo di clienti e fornitori"),
        composto("MG70_MAGPROQTA", "MG70", "MG70_OPZIONE_MG5E", "MG70_CODART_MG66", 91810,
                 "Progressivi di magazzino"),
        composto("MG7E_CLAVPROQTA", "MG7E", "MG7E_OPZIONE_MG5E", "MG7E_CODART_MG66", 91811,
                 "Progressivi di conto lavoro"),
        composto("PD95_DISBA", "PD95", "PD95_OPZIONE", "PD95_CODART_MG66", 91812,
                 "Distinte base degli articoli varianti"),
        composto("PD95_DISBA", "PD95", "PD95_OPZCOMP", "PD95_CODART_MG66", 91813,
                 "Componenti delle distinte base"),
    };
}

std::vector<Fonte> fontiRaggruppamento(const CodiceUsato& r) {
    const std::string& d = r.ditta;
    auto f = [&](const char* t, const char* pfx, const char* colVar, const char* col,
                 const char* articolo, long numero, const char* descr) {
        return Fonte{
            t,
            col,
            condizione(d, std::string(pfx) + "_DITTA_CG18", colVar, r.variante, col, r.codice),
            articolo,
            numero,
            descr,
            false};
    };
    return {
        f("MG6B_GESVARART", "MG6B", "MG6B_CODICEVAR_MG5F", "MG6B_CODRAGGVAR_MG5G",
          "MG6B_CODART_MG66", 91814, "Articoli che usano il raggruppamento"),
        f("MG5H_COMPRAGVAR", "MG5H", "MG5H_CODICEVAR_MG5F", "MG5H_RAGGR_MG5G", "", 91815,
          "Opzioni del raggruppamento"),
        f("MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR1_MG5F", "MG5W_RAGGR1_MG5G",
          "ISNULL(MG5W_CODART_MG66, '<< TUTTI >>')", 91805, "Stati (prima variante)"),
        f("MG5W_PROVSTATI", "MG5W", "MG5W_CODICEVAR2_MG5F", "MG5W_RAGGR2_MG5G",
          "ISNULL(MG5W_CODART_MG66, '<< TUTTI >>')", 91806, "Stati (seconda variante)"),
        f("MG5U_VARSTAG", "MG5U", "MG5U_CODICEVAR_MG5F", "MG5U_RAGGR_MG5G", "MG5U_CODART_MG66",
          91807, "Stati per stagione"),
    };
}

std::string righe(const Fonte& f) {
    return " FROM " + f.tabella + " WITH (NOLOCK) WHERE " + f.dove;
}

// The items of the rows, with their descriptions.
std::string elencoArticoli(const std::string& ditta, const std::string& distinti) {
    return "SELECT U.CODICE, MG66_DESCART AS DESCRIZIONE FROM (" + distinti +
           ") AS U LEFT OUTER JOIN MG66_ANAGRART WITH (NOLOCK) ON MG66_DITTA_CG18 = " + ditta +
           " AND MG66_CODART = U.CODICE ORDER BY U.CODICE";
}

Uso uso(const Fonte& f, const std::string& ditta) {
    Uso u{f.tabella, f.descrizione, f.numero, righe(f), ""};
    if (!f.articolo.empty())
        u.elenco = elencoArticoli(ditta, "SELECT DISTINCT " + f.articolo + " AS CODICE" + u.righe);
    return u;
}

}  // namespace

std::vector<Uso> UsiOpzione(const CodiceUsato& o) {
    std::vector<Uso> out;
    for (const Fonte& f : fontiOpzione(o))
        out.push_back(uso(f, o.ditta));
    const std::string& d = o.ditta;
    // A composition concerns the items whose variant uses the grouping.
    out[0].elenco = elencoArticoli(
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
        fontiOpzione(o)[2].dove + " ORDER BY MG5S_TIPOCF_CG44, MG5S_CLIFOR_CG44";
    return out;
}

std::vector<Uso> UsiRaggruppamento(const CodiceUsato& r) {
    std::vector<Uso> out;
    for (const Fonte& f : fontiRaggruppamento(r))
        out.push_back(uso(f, r.ditta));
    out[1].elenco =
        "SELECT MG5H_OPZIONE_MG5E AS CODICE, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE "
        "MG5H_DESCR END) AS DESCRIZIONE FROM MG5H_COMPRAGVAR WITH (NOLOCK) INNER JOIN "
        "MG5E_OPZIONI WITH (NOLOCK) ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND MG5E_CODICEVAR_MG5F "
        "= MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E WHERE " +
        fontiRaggruppamento(r)[1].dove + " ORDER BY MG5H_SEQOPZIONE";
    return out;
}

std::string sqlDoveUsata(const std::vector<Uso>& usi) {
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
std::string doveRitiro(const CodiceUsato& o) {
    return "MG5W_DITTA_CG18 = " + o.ditta +
           " AND MG5W_CODART_MG66 IS NULL AND MG5W_CODICEVAR1_MG5F = " + q(o.variante) +
           " AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E = " + q(o.codice) +
           " AND MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_RAGGR2_MG5G IS NULL AND "
           "MG5W_OPZIONE2_MG5E IS NULL AND MG5W_TIPODEFAULT IS NULL";
}
}  // namespace

std::string sqlStatoRitiro(const CodiceUsato& o) {
    return "SELECT MG5W_IDSTATOVAR_MG5V, MG5V_CODICE FROM MG5W_PROVSTATI INNER JOIN MG5V_STATIVAR "
           "ON MG5V_DITTA_CG18 = MG5W_DITTA_CG18 AND MG5V_IDSTATOVAR = MG5W_IDSTATOVAR_MG5V "
           "WHERE " +
           doveRitiro(o);
}

std::string sqlEliminaRitiro(const CodiceUsato& o) {
    return "DELETE FROM MG5W_PROVSTATI WHERE " + doveRitiro(o);
}

std::string sqlInserisciRitiro(const CodiceUsato& o, const std::string& idStato) {
    return "INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODART_MG66, MG5W_CODICEVAR1_MG5F, "
           "MG5W_RAGGR1_MG5G, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, MG5W_RAGGR2_MG5G, "
           "MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V, MG5W_TIPODEFAULT) VALUES (" +
           o.ditta + ", NULL, " + q(o.variante) + ", NULL, " + q(o.codice) +
           ", NULL, NULL, NULL, " + idStato + ", NULL)";
}

std::string sqlStatiRitiro(const std::string& ditta) {
    return "SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR FROM MG5V_STATIVAR WITH (NOLOCK) "
           "WHERE MG5V_DITTA_CG18 = " +
           ditta + " ORDER BY MG5V_CODICE";
}

std::string sqlOpzioniRitirate(const std::string& ditta, const std::string& variante) {
    return "SELECT MG5W_OPZIONE1_MG5E AS OPZIONE, MG5V_CODICE AS STATO FROM MG5W_PROVSTATI WITH "
           "(NOLOCK) INNER JOIN MG5V_STATIVAR WITH (NOLOCK) ON MG5V_DITTA_CG18 = MG5W_DITTA_CG18 "
           "AND MG5V_IDSTATOVAR = MG5W_IDSTATOVAR_MG5V WHERE MG5W_DITTA_CG18 = " +
           ditta + " AND MG5W_CODART_MG66 IS NULL AND MG5W_CODICEVAR1_MG5F = " + q(variante) +
           " AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E IS NOT NULL AND "
           "MG5W_CODICEVAR2_MG5F IS NULL AND MG5W_TIPODEFAULT IS NULL";
}

// ------------------------------------------------------------------ rename

std::vector<std::string> sqlRinominaOpzione(const CodiceUsato& o, const std::string& nuovo) {
    const std::string dove = "MG5E_DITTA_CG18 = " + o.ditta +
                             " AND MG5E_CODICEVAR_MG5F = " + q(o.variante) +
                             " AND MG5E_OPZIONE = " + q(o.codice);
    std::vector<std::string> out;
    out.push_back(
        "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
        "MG5E_DESCR) SELECT MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, " +
        q(nuovo) + ", MG5E_DESCR FROM MG5E_OPZIONI WHERE " + dove);
    const std::string slot = "CONVERT(CHAR(" + std::to_string(o.size) + "), " + q(nuovo) + ")";
    for (const Fonte& f : fontiOpzione(o)) {
        const std::string valore = f.composto
                                       ? "STUFF(" + f.colonna + ", " + std::to_string(o.start) +
                                             ", " + std::to_string(o.size) + ", " + slot + ")"
                                       : q(nuovo);
        out.push_back("UPDATE " + f.tabella + " SET " + f.colonna + " = " + valore + " WHERE " +
                      f.dove);
    }
    out.push_back("DELETE FROM MG5E_OPZIONI WHERE " + dove);
    return out;
}

std::vector<std::string> sqlRinominaRaggruppamento(const CodiceUsato& r, const std::string& nuovo) {
    const std::string dove = "MG5G_DITTA_CG18 = " + r.ditta +
                             " AND MG5G_CODICEVAR_MG5F = " + q(r.variante) +
                             " AND MG5G_CODRAGGVAR = " + q(r.codice);
    std::vector<std::string> out;
    out.push_back(
        "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, "
        "MG5G_DESCRRAGGVAR) SELECT MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, " +
        q(nuovo) + ", MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE " + dove);
    for (const Fonte& f : fontiRaggruppamento(r))
        out.push_back("UPDATE " + f.tabella + " SET " + f.colonna + " = " + q(nuovo) + " WHERE " +
                      f.dove);
    out.push_back("DELETE FROM MG5G_RAGGVAR WHERE " + dove);
    return out;
}

std::string sqlEsisteOpzione(const CodiceUsato& o, const std::string& codice) {
    return "SELECT COUNT(*) FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = " + o.ditta +
           " AND MG5E_CODICEVAR_MG5F = " + q(o.variante) + " AND MG5E_OPZIONE = " + q(codice);
}

std::string sqlEsisteRaggruppamento(const CodiceUsato& r, const std::string& codice) {
    return "SELECT COUNT(*) FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = " + r.ditta +
           " AND MG5G_CODICEVAR_MG5F = " + q(r.variante) + " AND MG5G_CODRAGGVAR = " + q(codice);
}

}  // namespace groupings
