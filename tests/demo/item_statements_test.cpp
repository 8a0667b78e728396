// The item card's statements for the item itself, its summary, the variant
// activation, options, groupings and transcoding, run exactly as the card
// builds them (odd spacing included) on the demo database.

#include <algorithm>

#include "platform/db/recordset.h"
#include "statement_support.h"

namespace demo::test {
namespace {

class ItemStatements : public DemoStatements {
protected:
};

const char* const kSlots = R"sql(SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_INDGRIGLIA, MG5F_SIZE,
       (SELECT (CASE WHEN SUM(INIZIO.MG5F_SIZE) IS NULL
                     THEN 1
                     ELSE
                     SUM (INIZIO.MG5F_SIZE) + 1
                END)
        FROM MG5F_DIMECONF AS INIZIO WITH (NOLOCK)
        WHERE INIZIO.MG5F_DITTA_CG18 = MG5F_DIMECONF.MG5F_DITTA_CG18 AND
              INIZIO.MG5F_CODICEVAR  < MG5F_DIMECONF.MG5F_CODICEVAR) AS MG5F_START
FROM MG5F_DIMECONF WITH (NOLOCK)
WHERE MG5F_DITTA_CG18 = {Ditta})sql";

TEST_P(ItemStatements, SlotsItemListAndGeneratedDescriptionCheck) {
    Rows slots = query(c, fill(kSlots, {{"{Ditta}", "2"}}));
    std::sort(slots.begin(), slots.end());
    EXPECT_EQ(slots, (Rows{{"A0", "Taglia", "1", "2", "1"},
                           {"A1", "Tessuto", "2", "4", "3"},
                           {"B0", "Finitura", "0", "2", "7"}}));
    // The progressives tab reads one dimension with a further condition.
    EXPECT_EQ(query(c, fill(kSlots, {{"{Ditta}", "1"}}) + " AND MG5F_CODICEVAR = 'A1'"),
              (Rows{{"A1", "Colore", "1", "3", "4"}}));
    // Sizes 3, 2 and 4 under codes A, B and C start at 1, 4 and 6.
    c.execute(
        "INSERT INTO CG18_ANADITTABASE (CG18_DITTA, CG18_RAGSOC, CG18_GRUPPO_CG10) VALUES (3, "
        "'Prova', 1)");
    c.execute(
        "INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, "
        "MG5F_INDGRIGLIA, MG5F_SIZE) VALUES (3, 'C', 'Terza', 0, 4), (3, 'A', 'Prima', 0, 3), "
        "(3, 'B', 'Seconda', 0, 2)");
    Rows abc = query(c, fill(kSlots, {{"{Ditta}", "3"}}));
    std::sort(abc.begin(), abc.end());
    ASSERT_EQ(abc.size(), 3u);
    EXPECT_EQ(abc[0][4] + abc[1][4] + abc[2][4], "146");

    const std::string base =
        fill("SELECT * FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = {Ditta}",
             {{"{Ditta}", "1"}});
    auto empty = c.run(base + " AND 1=0");
    ASSERT_EQ(empty.resultSets.size(), 1u);
    EXPECT_TRUE(empty.resultSets[0].rows.empty());
    EXPECT_GT(empty.resultSets[0].columns.size(), 30u);
    const Rows list = query(c, base + " ORDER BY MG66_CODART");
    ASSERT_EQ(list.size(), 14u);
    EXPECT_EQ(list.front()[1], "BOTTONE-CO");
    EXPECT_EQ(list[1][1], "CAMICIA-001");
    EXPECT_EQ(list.back()[1], "TESSUTO-TW");

    const char* const check =
        "SELECT * FROM MG87_ARTDESC WITH (NOLOCK) WHERE MG87_DITTA_CG18   = {Ditta} AND       "
        "MG87_CODART_MG66  = '{CodArt}' AND       MG87_OPZIONE_MG5E <> ''";
    EXPECT_EQ(query(c, fill(check, {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-001"}})).size(), 32u);
    EXPECT_EQ(query(c, fill(check, {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-002"}})).size(), 0u);
    // The code of no item selects nothing.
    EXPECT_EQ(query(c, fill(check, {{"{Ditta}", "1"}, {"{CodArt}", "\xff"}})).size(), 0u);

    const char* const active =
        "SELECT TOP 1 1 FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = {Ditta} AND       "
        "MG6B_CODART_MG66 = '{CodArt}' AND       MG6B_FLGGESTVAR = 1";
    EXPECT_EQ(query(c, fill(active, {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-001"}})),
              (Rows{{"1"}}));
    EXPECT_EQ(query(c, fill(active, {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-OLD"}})), Rows{});

    const char* const routing =
        "SELECT PD18_CODCICLO FROM PD18_ARTPROD WITH (NOLOCK) WHERE PD18_DITTA_CG18  = {Ditta} "
        "AND       PD18_CODART_MG66 = '{CodArt}' ";
    EXPECT_EQ(query(c, fill(routing, {{"{Ditta}", "1"}, {"{CodArt}", "GIACCA-001"}})),
              (Rows{{"CIC-CONF02"}}));
    EXPECT_EQ(query(c, fill(routing, {{"{Ditta}", "1"}, {"{CodArt}", "SCIARPA-001"}})), Rows{});
}

std::string summaryStatement(bool subLevelsUnderParents) {
    std::string sql = R"sql(SELECT TOP 1 MG87_DESCARTEST, MG6W_DESCR, MG87_NOTEART,
       MG66_FLGSTINV, MG66_FLGARTCLI, MG66_FLGARTFOR, MG66_FLGSTGIOR, MG66_FLGALTER, MG66_FLGSOST,
       MG53_DESCRFAM      AS [Famiglia],
       MG54_DESCRSFAM     AS [Sotto famiglia],
       MG55_DESCRGRUPPO   AS [Gruppo],
       MG56_DESCRSGRUPPO  AS [Sotto gruppo],
       MG61_DESCRGRUFIS   AS [Gruppo fiscale],
       MG64_DESCRMARCA    AS [Marca],
       MG74_DESGRUSTAT1   AS [Gruppo stat.1],
       MG75_DESGRUSTAT2   AS [Gruppo stat.2],
       MG76_DESGRUSTAT3   AS [Gruppo stat.3],
       MG77_DESGRUSTAT4   AS [Gruppo stat.4],
       CG28_DESCR         AS [Codice Iva],
)sql";
    const std::vector<std::pair<std::string, std::string>> accounts = {
        {"CMEVENIT", "Conto vendita Italia"},    {"CMEVENES", "Conto vendita Estero"},
        {"CREVENIT", "Conto reso vend. Italia"}, {"CREVENES", "Conto reso vend. Estero"},
        {"CMEACQIT", "Conto acquisti Italia"},   {"CMEACQES", "Conto acquisti Estero"},
        {"CREACQIT", "Conto reso acq. Italia"},  {"CREACQES", "Conto reso acq. Estero"}};
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        const auto& [k, caption] = accounts[i];
        sql += "       (CASE WHEN CG39_" + k + ".CG39_DESCR IS NULL\n             THEN CG24_" + k +
               ".CG24_DESCR\n             ELSE CG39_" + k + ".CG39_DESCR END) AS [" + caption +
               "]" + (i + 1 < accounts.size() ? ",\n" : "\n");
    }
    sql += R"sql(FROM MG66_ANAGRART WITH (NOLOCK)
INNER JOIN MG87_ARTDESC WITH (NOLOCK)
ON MG87_DITTA_CG18   = MG66_DITTA_CG18 AND
   MG87_CODART_MG66  = MG66_CODART     AND
   MG87_OPZIONE_MG5E = ''              AND
   MG87_LINGUA_MG52  = ''
LEFT OUTER JOIN MG6W_STATIART WITH (NOLOCK)
ON MG6W_INDSTATO = MG66_INDSTATO_MG6W
 OUTER APPLY dbo.FNMG53_FAMIGLIE ( MG66_FAM_MG53 , MG66_DITTA_CG18 )
)sql";
    sql +=
        subLevelsUnderParents
            ? R"sql( OUTER APPLY dbo.FNMG54_SOTTOFAM    (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_DITTA_CG18)                                       MG54_SOTTOFAM
 OUTER APPLY dbo.FNMG55_GRUPPI      (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, MG66_DITTA_CG18)                     MG55_GRUPPI
 OUTER APPLY dbo.FNMG56_SOTTOGRUPPI (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, MG66_SGRUPPO_MG56,MG66_DITTA_CG18)   MG56_SOTTOGRUPPI
)sql"
            : R"sql( OUTER APPLY dbo.FNMG54_SOTTOFAM    ('',MG66_SFAM_MG54,MG66_DITTA_CG18)             MG54_SOTTOFAM
 OUTER APPLY dbo.FNMG55_GRUPPI      ('','',MG66_GRUPPO_MG55, MG66_DITTA_CG18)       MG55_GRUPPI
 OUTER APPLY dbo.FNMG56_SOTTOGRUPPI ('','','', MG66_SGRUPPO_MG56,MG66_DITTA_CG18)   MG56_SOTTOGRUPPI
)sql";
    sql += R"sql( OUTER APPLY dbo.FNMG61_GRUPPIFIS (MG66_GRUPFIS_MG61,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG64_MARCHEART (MG66_MARCA_MG64,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG74_GRUSTAT1  (MG66_GRUSTAT1_MG74,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG75_GRUSTAT2  (MG66_GRUSTAT2_MG75,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG76_GRUSTAT3  (MG66_GRUSTAT3_MG76,MG66_DITTA_CG18)
 OUTER APPLY dbo.FNMG77_GRUSTAT4  (MG66_GRUSTAT4_MG77,MG66_DITTA_CG18)
 OUTER APPLY DBO.FNCG28_TABCODIVA(MG66_ALIVA_CG28,MG66_DITTA_CG18)
)sql";
    for (const auto& account : accounts) {
        sql += fill(R"sql(LEFT OUTER JOIN CG24_TABPDC AS CG24_{K} WITH (NOLOCK)
ON CG24_{K}.CG24_GRUPPO_CG10 = {Gruppo} AND
   CG24_{K}.CG24_CONTO       = MG66_{K}_CG24
LEFT OUTER JOIN CG39_PRSDESPDC AS CG39_{K} WITH (NOLOCK)
ON CG39_{K}.CG39_DITTA_CG18  = MG66_DITTA_CG18 AND
   CG39_{K}.CG39_GRUPPO_CG10 = {Gruppo} AND
   CG39_{K}.CG39_CONTO_CG24  = MG66_{K}_CG24
)sql",
                    {{"{K}", account.first}});
    }
    return sql + "WHERE MG66_DITTA_CG18 = {Ditta} AND       MG66_CODART = '{CodArt}'";
}

TEST_P(ItemStatements, SummaryDescribesClassificationAndAccounts) {
    const std::string underParents = summaryStatement(true);
    const auto result = c.run(
        fill(underParents, {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-001"}, {"{Gruppo}", "1"}}));
    ASSERT_EQ(result.resultSets.size(), 1u);
    const auto& set = result.resultSets[0];
    ASSERT_EQ(set.columns.size(), 28u);
    EXPECT_EQ(set.columns[9].name, "Famiglia");
    EXPECT_EQ(set.columns[27].name, "Conto reso acq. Estero");
    const Rows rows = rowsOf(set);
    ASSERT_EQ(rows.size(), 1u);
    const std::vector<std::string> tail(rows[0].begin() + 1, rows[0].end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Attivo",
                                              rows[0][2],
                                              "1",
                                              "1",
                                              "1",
                                              "1",
                                              "0",
                                              "0",
                                              "Maglieria",
                                              "Pullover",
                                              "Lana merino",
                                              "Girocollo",
                                              "Abbigliamento",
                                              "Veldrano",
                                              "Uomo",
                                              "Continuativo",
                                              "Fascia media",
                                              "Vendita diretta",
                                              "Iva ordinaria 22%",
                                              "Ricavi vendita capi Italia",
                                              "Ricavi vendita capi export",
                                              "Resi su vendite Italia",
                                              "Resi su vendite estero",
                                              "Acquisti filati e tessuti Italia",
                                              "Merci c/acquisti estero",
                                              "Resi su acquisti Italia",
                                              "Resi su acquisti estero"}));
    EXPECT_EQ(rows[0][2].rfind("Articolo continuativo", 0), 0u);

    // Sub-levels by their own codes only; no accounts; no statistics groups.
    const Rows tailor =
        query(c, fill(summaryStatement(false),
                      {{"{Ditta}", "2"}, {"{CodArt}", "ABITO-SU01"}, {"{Gruppo}", "1"}}));
    ASSERT_EQ(tailor.size(), 1u);
    EXPECT_EQ(std::vector<std::string>(tailor[0].begin() + 9, tailor[0].begin() + 16),
              (std::vector<std::string>{"Sartoria su misura", "Abiti", "Lana", "Lana fredda",
                                        "Abbigliamento", "Bellandi Firenze", "NULL"}));
    EXPECT_EQ(tailor[0][19], "Iva ordinaria 22%");
    EXPECT_EQ(tailor[0][20], "NULL");
    EXPECT_EQ(tailor[0][27], "NULL");
    // An item without its main description row is not found.
    EXPECT_EQ(query(c, fill(underParents,
                            {{"{Ditta}", "1"}, {"{CodArt}", "CAMP-AI26"}, {"{Gruppo}", "1"}})),
              Rows{});
}

TEST_P(ItemStatements, ActivationReadsAndRewritesTheItemsVariants) {
    const std::string join = fill(R"sql(SELECT * FROM MG6B_GESVARART
INNER JOIN MG5F_DIMECONF
ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND
   MG5F_CODICEVAR  = MG6B_CODICEVAR_MG5F
LEFT OUTER JOIN MG5G_RAGGVAR
ON MG5G_DITTA_CG18     = MG6B_DITTA_CG18     AND
   MG5G_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND
   MG5G_CODRAGGVAR     = MG6B_CODRAGGVAR_MG5G
WHERE MG6B_DITTA_CG18 = {Ditta} AND
      MG6B_CODART_MG66 = '{CodArt}'
ORDER BY MG6B_CODICEVAR_MG5F)sql",
                                  {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-001"}});
    db::Recordset rs;
    rs.open(join, c);
    ASSERT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(text(rs.value("MG5F_DESCR_VAR")), "Taglia");
    EXPECT_EQ(text(rs.value("MG5G_DESCRRAGGVAR")), "Taglie a lettere XS-XXL");
    rs.setAbsolutePosition(3);
    EXPECT_EQ(text(rs.value("MG6B_CODICEVAR_MG5F")), "A2");
    EXPECT_TRUE(rs.value("MG5G_DESCRRAGGVAR").isNull());
    // Edits of the joined rows reach only the item's variant rows.
    rs.setValue("MG6B_INDOBBLIG", 2);
    rs.updateBatch();
    EXPECT_EQ(count(c, "MG6B_GESVARART", "MG6B_INDOBBLIG = 2 AND MG6B_CODICEVAR_MG5F = 'A2'"), 1);
    EXPECT_EQ(count(c, "MG5F_DIMECONF"), 7);

    for (const char* languages :
         {"SELECT MG52_CODLINGUA, MG52_DESCRLINGUA FROM MG52_LINGUE WITH (NOLOCK) INNER JOIN "
          "MG47_PARMAGLINGUE WITH (NOLOCK) ON MG47_DITTA_CG18 = {Ditta} AND  MG47_CODLINGUA_MG52 "
          "= MG52_CODLINGUA",
          "SELECT MG52_CODLINGUA, MG52_DESCRLINGUA FROM MG52_LINGUE WITH (NOLOCK) INNER JOIN "
          "MG47_PARMAGLINGUE WITH (NOLOCK) ON MG47_DITTA_CG18 = {Ditta} AND MG47_CODLINGUA_MG52 "
          "= MG52_CODLINGUA"}) {
        Rows first = query(c, fill(languages, {{"{Ditta}", "1"}}));
        std::sort(first.begin(), first.end());
        EXPECT_EQ(first, (Rows{{"FRAN", "Francese"}, {"INGL", "Inglese"}, {"TEDE", "Tedesco"}}));
        EXPECT_EQ(query(c, fill(languages, {{"{Ditta}", "2"}})), (Rows{{"INGL", "Inglese"}}));
    }

    // Saving rewrites the item's rows as a whole, in one transaction.
    const Values item = {{"{Ditta}", "1"}, {"{CodArt}", "MAGLIA-002"}};
    const char* const insert =
        "INSERT INTO MG6B_GESVARART (   MG6B_DITTA_CG18, MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F, "
        "MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G,    MG6B_INDOBBLIG, MG6B_INDDEFAULT, "
        "MG6B_VARDEFAULT, MG6B_INDEREDIBA) VALUES ({Ditta}, '{CodArt}', '{Variante}', "
        "{FlgGestVar}, {Raggr}, {IndObblig}, {IndDefault}, '{VarDefault}', {IndEreDiba})";
    c.beginTransaction();
    EXPECT_EQ(c.execute(fill("DELETE FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = {Ditta} AND      "
                             " MG6B_CODART_MG66 = '{CodArt}'",
                             item)),
              4);
    auto row = [&](const char* variant, const char* on, const char* grouping, const char* def) {
        Values v = item;
        v.insert(v.end(), {{"{Variante}", variant},
                           {"{FlgGestVar}", on},
                           {"{Raggr}", grouping},
                           {"{IndObblig}", "1"},
                           {"{IndDefault}", "0"},
                           {"{VarDefault}", def},
                           {"{IndEreDiba}", "99"}});
        return fill(insert, v);
    };
    c.execute(row("A0", "1", "NULL", ""));
    c.execute(row("A1", "1", "'COL-BASE'", "NER"));
    c.execute(row("A2", "0", "NULL", ""));
    c.commitTransaction();
    EXPECT_EQ(query(c,
                    "SELECT MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, "
                    "MG6B_VARDEFAULT, MG6B_INDEREDIBA FROM MG6B_GESVARART WHERE "
                    "MG6B_CODART_MG66 = 'MAGLIA-002' ORDER BY MG6B_CODICEVAR_MG5F"),
              (Rows{{"A0", "1", "NULL", "", "99"},
                    {"A1", "1", "COL-BASE", "NER", "99"},
                    {"A2", "0", "NULL", "", "99"}}));

    const char* const column =
        "UPDATE MG66_ANAGRART SET {Colonna} = {Valore} WHERE MG66_DITTA_CG18 = {Ditta} AND       "
        "MG66_CODART     = '{CodArt}'";
    Values v = item;
    v.insert(v.end(), {{"{Colonna}", "MG66_INDGENVARDIBA"}, {"{Valore}", "2"}});
    EXPECT_EQ(c.execute(fill(column, v)), 1);
    v = item;
    v.emplace_back("{Regola}", "RG-CASH");
    EXPECT_EQ(c.execute(fill("UPDATE MG66_ANAGRART SET MG66_CODREGOLA = '{Regola}' WHERE "
                             "MG66_DITTA_CG18 = {Ditta} AND       MG66_CODART     = '{CodArt}'",
                             v)),
              1);
    EXPECT_EQ(query(c,
                    "SELECT MG66_INDGENVARDIBA, MG66_CODREGOLA FROM MG66_ANAGRART WHERE "
                    "MG66_CODART = 'MAGLIA-002'"),
              (Rows{{"2", "RG-CASH"}}));
}

VELDRANO_ON_BOTH_BACKENDS(ItemStatements);

}  // namespace
}  // namespace demo::test
