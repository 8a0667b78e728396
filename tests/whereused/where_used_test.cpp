// Where-used of options and groupings: the counts against counts made in C++
// from the raw rows, the lists of items behind the lines, the window opened
// from both option lists, from the groupings window and from the refusal to
// delete options in use, and the retirement of an option.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "groupings/frmmg_raggr.h"
#include "groupings/retired_options.h"
#include "tests/whereused/where_used_fixture.h"

namespace {

using cardtest::queueAnswer;
using cardtest::shown;
using wutest::rows;
using wutest::WhereUsed;

TEST_F(WhereUsed, OptionCountsAreTheRowsOfEveryTableAndEachLineListsItsItems) {
    groupings::WhereUsedDialog* w = openFrom(st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE", "BLU");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle().toStdString(),
              "[x91800x] Dove è usata l'opzione BLU della variante Colore");
    const auto got = counts(w);
    const auto want = expected("BLU");
    EXPECT_EQ(got, want);
    // BLU is somewhere in all but a few of them, so the counts are not all zero.
    for (int line : {2, 3, 5, 6, 8, 9, 11, 12})
        EXPECT_GT(want.at(line), 0) << line;

    // The progressives' line lists the item; the grid goes out like any grid.
    w->GRD_DOVEUSATA->SetCurrentRow(8);
    QTest::mouseClick(w->CMD_ELENCO, Qt::LeftButton);
    auto* list = w->findChild<QDialog*>("DLG_ELENCO");
    ASSERT_NE(list, nullptr);
    auto* grid = list->findChild<controls::DataGrid*>("GRD_ELENCO");
    std::set<std::string> items;
    for (const auto& set :
         cn().run("SELECT MG70_CODART_MG66, MG70_OPZIONE_MG5E FROM MG70_MAGPROQTA").resultSets)
        for (const auto& row : set.rows)
            if (wutest::inSlot({row.at(1).toText()}, 4, 3, "BLU") == 1)
                items.insert(wutest::rtrim(row.at(0).toText()));
    ASSERT_EQ(grid->DataSource()->recordCount(), static_cast<long>(items.size()));
    std::set<std::string> listed;
    for (long r = 0; r < grid->DataSource()->recordCount(); ++r)
        listed.insert(grid->CellText(r, 0).trimmed().toStdString());
    EXPECT_EQ(listed, items);
    EXPECT_TRUE(items.count("MAGLIA-001"));
    EXPECT_EQ(
        grid->CellText(static_cast<long>(std::distance(items.begin(), items.find("MAGLIA-001"))), 1)
            .toStdString(),
        "Maglia girocollo lana merino");
    const exchange::Sheet sheet = controls::GridExchange::Of(w->GRD_DOVEUSATA)->GridSheet();
    EXPECT_EQ(sheet.rows.size(), 12u);  // the twelve lines, under the captions
    EXPECT_EQ(sheet.columns.size(), 3u);
    w->GRD_DOVEUSATA->SetCurrentRow(2);
    const QString copied = controls::GridExchange::Of(w->GRD_DOVEUSATA)->CopyText(true);
    EXPECT_TRUE(copied.contains("[x91804x] Transcodifiche per clienti e fornitori"))
        << copied.toStdString();
    // A transcoding concerns customers and suppliers: they are its list.
    EXPECT_NE(w->OpenItemList(2), nullptr);
    // Sorted by the count, a line still opens its own list.
    w->GRD_DOVEUSATA->ClickHeader(2);
    long progressives = -1;
    for (long r = 0; r < 12; ++r)
        if (w->GRD_DOVEUSATA->CellText(r, 1) == QStringLiteral("MG70_MAGPROQTA"))
            progressives = r;
    ASSERT_GE(progressives, 0);
    QDialog* sortedList = w->OpenItemList(progressives);
    ASSERT_NE(sortedList, nullptr);
    EXPECT_TRUE(sortedList->windowTitle().endsWith("Progressivi di magazzino"))
        << sortedList->windowTitle().toStdString();
    closeAll();

    // From the composition: ROS, in the grouping COL-MAGLIA of the item.
    ASSERT_EQ(st.raggruppamento, "COL-MAGLIA");
    groupings::WhereUsedDialog* r = openFrom(st.GRDX_VARIANTI_DESTI, "MG5H_OPZIONE_MG5E", "ROS");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(counts(r), expected("ROS"));
    EXPECT_GT(expected("ROS").at(1), 0);
    QDialog* itemList = r->OpenItemList(0);
    ASSERT_NE(itemList, nullptr);
    EXPECT_EQ(itemList->findChild<controls::DataGrid*>("GRD_ELENCO")->CellText(0, 0).trimmed(),
              QStringLiteral("MAGLIA-001"));
    closeAll();
}

TEST_F(WhereUsed, GroupingCountsFromTheGroupingsWindow) {
    groupings::FRMMG_RAGGR win(cn(), card.services(), "1", "A1", card.widget());
    win.show();
    const long r = rowOf(win.recordset(), "MG5G_CODRAGGVAR", "COL-MAGLIA");
    ASSERT_GE(r, 0);
    win.GRID_RAGGR->SetCurrentRow(r);
    QMenu* menu = controls::GridExchange::Of(win.GRID_RAGGR)->ContextMenu(win.GRID_RAGGR);
    QAction* entry = menu->findChild<QAction*>(QStringLiteral("Dove \u00e8 usato\u2026"));
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    delete menu;
    auto* w = win.findChild<groupings::WhereUsedDialog*>();
    ASSERT_NE(w, nullptr);
    auto count = [&](const std::string& table, const std::string& var, const std::string& col) {
        long long n = 0;
        for (const auto& row : rows(cn(), "SELECT " + var + ", " + col + " FROM " + table))
            if (wutest::rtrim(row.substr(row.find('|') + 1, row.size() - row.find('|') - 2)) ==
                    "COL-MAGLIA" &&
                row.rfind("A1|", 0) == 0)
                ++n;
        return n;
    };
    const std::map<int, long long> want = {
        {1, count("MG6B_GESVARART", "MG6B_CODICEVAR_MG5F", "MG6B_CODRAGGVAR_MG5G")},
        {2, count("MG5H_COMPRAGVAR", "MG5H_CODICEVAR_MG5F", "MG5H_RAGGR_MG5G")},
        {3, count("MG5W_PROVSTATI", "MG5W_CODICEVAR1_MG5F", "MG5W_RAGGR1_MG5G")},
        {4, count("MG5W_PROVSTATI", "MG5W_CODICEVAR2_MG5F", "MG5W_RAGGR2_MG5G")},
        {5, count("MG5U_VARSTAG", "MG5U_CODICEVAR_MG5F", "MG5U_RAGGR_MG5G")}};
    EXPECT_EQ(counts(w), want);
    EXPECT_GT(want.at(1), 0);
    EXPECT_GT(want.at(2), 0);
    EXPECT_GT(want.at(5), 0);
    // The grouping's options are its list, in position order.
    QDialog* list = w->OpenItemList(1);
    ASSERT_NE(list, nullptr);
    auto* grid = list->findChild<controls::DataGrid*>("GRD_ELENCO");
    EXPECT_EQ(grid->DataSource()->recordCount(), want.at(2));
}

TEST_F(WhereUsed, TheRefusalToDeleteOptionsInUseOffersWhereUsed) {
    tickSource({"BLU", "ROS"});
    queueAnswer(common::vbYes);  // delete the ticked options?
    queueAnswer(common::vbOK);   // they are in use
    queueAnswer(common::vbYes);  // see where?
    QTest::mouseClick(st.CMD_OPZORIG_ELIMINA, Qt::LeftButton);
    EXPECT_TRUE(shown("gia' state utilizzate"));
    EXPECT_TRUE(shown("[x91816x] Vuoi vedere dove sono usate?"));
    auto windows = card.widget()->findChildren<groupings::WhereUsedDialog*>();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->codice().codice, "BLU");
    EXPECT_EQ(windows[1]->codice().codice, "ROS");
    EXPECT_EQ(options("A1", "MG5E_OPZIONE IN ('BLU', 'ROS')"), 2);
    closeAll();

    // Answered no, nothing opens.
    cardtest::clearMessages();
    tickSource({"BLU"});
    queueAnswer(common::vbYes);
    queueAnswer(common::vbOK);
    queueAnswer(common::vbNo);
    QTest::mouseClick(st.CMD_OPZORIG_ELIMINA, Qt::LeftButton);
    EXPECT_TRUE(card.widget()->findChildren<groupings::WhereUsedDialog*>().empty());
}

TEST_F(WhereUsed, RetiringGivesTheStateForAllItemsAndDeletesNothing) {
    const auto before = wutest::photo(cn());
    // VER already has a state for all items outside groupings: it is retired.
    groupings::WhereUsedDialog* ver = openFrom(st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE", "VER");
    ASSERT_NE(ver, nullptr);
    EXPECT_TRUE(ver->LBL_RITIRO->text().startsWith("[x91821x] Ritirata con lo stato"))
        << ver->LBL_RITIRO->text().toStdString();
    closeAll();

    groupings::WhereUsedDialog* w = openFrom(st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE", "BLU");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->LBL_RITIRO->text().toStdString(), "[x91820x] Non ritirata");
    ASSERT_GT(w->CBO_STATORITIRO->count(), 1);
    w->CBO_STATORITIRO->setCurrentIndex(1);
    const std::string id = w->CBO_STATORITIRO->currentData().toString().toStdString();
    QTest::mouseClick(w->CMD_RITIRA, Qt::LeftButton);
    const std::string general =
        "MG5W_CODART_MG66 IS NULL AND MG5W_CODICEVAR1_MG5F = 'A1' AND MG5W_RAGGR1_MG5G IS NULL "
        "AND MG5W_OPZIONE1_MG5E = 'BLU' AND MG5W_CODICEVAR2_MG5F IS NULL";
    EXPECT_EQ(
        cardtest::count(cn(), "MG5W_PROVSTATI", general + " AND MG5W_IDSTATOVAR_MG5V = " + id), 1);
    EXPECT_TRUE(w->LBL_RITIRO->text().startsWith("[x91821x]"));
    // The list shows BLU grey with the state's code, as VER was already.
    auto* grey = qobject_cast<groupings::OpzioniRitirate*>(
        st.GRDX_VARIANTI_SOURCE->itemDelegateForColumn(1));
    ASSERT_NE(grey, nullptr);
    const std::string code = wutest::rtrim(value(
        "SELECT MG5V_CODICE FROM MG5V_STATIVAR WHERE MG5V_DITTA_CG18 = 1 AND MG5V_IDSTATOVAR = " +
        id));
    EXPECT_EQ(grey->Ritiro(rowOf(st.sorgente.get(), "MG5E_OPZIONE", "BLU")), code);
    EXPECT_FALSE(grey->Ritiro(rowOf(st.sorgente.get(), "MG5E_OPZIONE", "VER")).empty());
    EXPECT_TRUE(grey->Ritiro(rowOf(st.sorgente.get(), "MG5E_OPZIONE", "ROS")).empty());
    // Every other row is as it was: retiring deletes nothing.
    auto after = wutest::photo(cn());
    for (const auto& t : wutest::kTables)
        if (t != "MG5W_PROVSTATI") {
            EXPECT_EQ(after[t], before.at(t)) << t;
        }
    EXPECT_EQ(after["MG5W_PROVSTATI"].size(), before.at("MG5W_PROVSTATI").size() + 1);

    // Another state replaces it; the empty entry takes it away.
    w->CBO_STATORITIRO->setCurrentIndex(w->CBO_STATORITIRO->count() - 1);
    QTest::mouseClick(w->CMD_RITIRA, Qt::LeftButton);
    EXPECT_EQ(cardtest::count(cn(), "MG5W_PROVSTATI", general), 1);
    w->CBO_STATORITIRO->setCurrentIndex(0);
    QTest::mouseClick(w->CMD_RITIRA, Qt::LeftButton);
    EXPECT_EQ(cardtest::count(cn(), "MG5W_PROVSTATI", general), 0);
    EXPECT_TRUE(grey->Ritiro(rowOf(st.sorgente.get(), "MG5E_OPZIONE", "BLU")).empty());
    EXPECT_EQ(wutest::photo(cn()), before);
}

// Commands that need something chosen: the item list on a line without
// rows is off (and a double click there opens nothing); retiring with no
// state on an option that is not retired says what is missing.
TEST_F(WhereUsed, ListAndRetireNeedALineWithRowsAndAState) {
    const auto before = wutest::photo(cn());
    groupings::WhereUsedDialog* w = openFrom(st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE", "BLU");
    ASSERT_NE(w, nullptr);
    w->show();
    db::Recordset* rs = w->recordset();
    long vuota = -1, piena = -1;
    for (long r = 0; r < rs->recordCount(); ++r)
        (db::integerOf(rs->valueAt(r, rs->fieldIndex("RIGHE"))) == 0 ? vuota : piena) = r;
    ASSERT_GE(vuota, 0);
    ASSERT_GE(piena, 0);
    w->GRD_DOVEUSATA->SetCurrentRow(vuota);
    EXPECT_FALSE(w->CMD_ELENCO->isEnabled());
    const QRect cella =
        w->GRD_DOVEUSATA->visualRect(w->GRD_DOVEUSATA->model()->index(static_cast<int>(vuota), 0));
    QTest::mouseDClick(w->GRD_DOVEUSATA->viewport(), Qt::LeftButton, {}, cella.center());
    EXPECT_EQ(w->findChild<QDialog*>("DLG_ELENCO"), nullptr);
    EXPECT_EQ(w->OpenItemList(vuota), nullptr);
    w->GRD_DOVEUSATA->SetCurrentRow(piena);
    EXPECT_TRUE(w->CMD_ELENCO->isEnabled());
    QTest::mouseClick(w->CMD_ELENCO, Qt::LeftButton);
    EXPECT_NE(w->findChild<QDialog*>("DLG_ELENCO"), nullptr);

    cardtest::clearMessages();
    ASSERT_EQ(w->CBO_STATORITIRO->currentIndex(), 0);  // no state chosen
    QTest::mouseClick(w->CMD_RITIRA, Qt::LeftButton);
    EXPECT_TRUE(cardtest::shown("[x91822x] Scegliere lo stato con cui ritirare l'opzione."));
    EXPECT_EQ(w->LBL_RITIRO->text().toStdString(), "[x91820x] Non ritirata");
    EXPECT_EQ(wutest::photo(cn()), before);
    closeAll();
}

}  // namespace
