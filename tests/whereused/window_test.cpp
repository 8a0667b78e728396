// Where-used and rename in the real item card window: the options tab's
// list, its context menu, the rename, and every other tab reloading.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "common/value_helpers.h"
#include "groupings/option_lists.h"
#include "groupings/where_used.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "tests/support/test_card.h"
#include "tests/window/options_window.h"
#include "window/frmmg_veldrano.h"

namespace {

using cardtest::queueAnswer;

struct WindowWhereUsed : cardtest::OptionsWindowTest {
    long row(const std::string& code) {
        db::Recordset* rs = st().sorgente.get();
        for (long r = 0; r < rs->recordCount(); ++r)
            if (cardtest::text(rs->valueAt(r, rs->fieldIndex("MG5E_OPZIONE"))) == code)
                return r;
        return -1;
    }
};

TEST_F(WindowWhereUsed, ARenameFromTheOptionsListReloadsEveryOtherTab) {
    // Every tab shown once, then the options tab on colours.
    for (const char* item : {"ITM03", "ITM02", "ITM05", "ITM07", "ITM01"})
        w->KOV_SIDEBAR_ItemClick(item);
    ASSERT_EQ(w->currentTab(), common::kTabGestioneVarianti);
    const int a1 = st().CBO_TIPOVAR1->findData(common::indiceVariante("A1"));
    st().CBO_TIPOVAR1->setCurrentIndex(a1);
    emit st().CBO_TIPOVAR1->activated(a1);
    ASSERT_EQ(st().variante, "A1");
    EXPECT_FALSE(w->loadedItem(common::kTabProgressivi).empty());

    st().GRDX_VARIANTI_SOURCE->SetCurrentRow(row("BLU"));
    QMenu* menu = controls::GridExchange::Of(st().GRDX_VARIANTI_SOURCE)
                      ->ContextMenu(st().GRDX_VARIANTI_SOURCE);
    menu->findChild<QAction*>(QStringLiteral("Dove \u00e8 usata\u2026"))->trigger();
    delete menu;
    auto* dlg = w->findChild<groupings::WhereUsedDialog*>();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->codice().codice, "BLU");

    // Typed and confirmed with Enter, as a person does: the rename, not the
    // item list of the current line.
    dlg->TXT_NUOVOCODICE->setFocus();
    QTest::keyClicks(dlg->TXT_NUOVOCODICE, "NAV");
    queueAnswer(common::vbYes);
    QTest::keyClick(dlg->TXT_NUOVOCODICE, Qt::Key_Return);
    EXPECT_TRUE(cardtest::shown("[x91835x] Rinomino BLU in NAV?"));
    EXPECT_TRUE(dlg->findChildren<QDialog*>(QStringLiteral("DLG_ELENCO")).isEmpty());
    EXPECT_EQ(dlg->codice().codice, "NAV");
    for (int tab : {common::kTabAttivazioneVarianti, common::kTabTrascodificaVarianti,
                    common::kTabStatiVariante, common::kTabProgressivi})
        EXPECT_TRUE(w->loadedItem(tab).empty()) << tab;
    EXPECT_GE(row("NAV"), 0);
    EXPECT_LT(row("BLU"), 0);
    EXPECT_EQ(cardtest::count(w->connection(), "MG70_MAGPROQTA",
                              "SUBSTRING(MG70_OPZIONE_MG5E, 4, 3) = 'BLU'"),
              0);
    // Another tab shown reloads from the renamed data without a report.
    cardtest::clearMessages();
    w->KOV_SIDEBAR_ItemClick("ITM07");
    EXPECT_EQ(w->loadedItem(common::kTabProgressivi), "MAGLIA-001");
    EXPECT_TRUE(cardtest::shownMessages().empty());
    delete dlg;
}

}  // namespace

namespace {

// The window opens in front, with the focus on its list: Esc closes it, and
// every command shows its letter.
TEST_F(WindowWhereUsed, TheWindowOpensInFrontAndEscClosesIt) {
    w->selectTab(common::kTabGestioneVarianti);
    const int a1 = st().CBO_TIPOVAR1->findData(common::indiceVariante("A1"));
    st().CBO_TIPOVAR1->setCurrentIndex(a1);
    emit st().CBO_TIPOVAR1->activated(a1);
    QPointer<groupings::WhereUsedDialog> dlg = groupings::OpenOptionWhereUsed(*w, "A1", "BLU");
    ASSERT_NE(dlg, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), dlg.data());
    for (QPushButton* b : {dlg->CMD_ELENCO, dlg->CMD_RITIRA, dlg->CMD_RINOMINA})
        EXPECT_TRUE(b->text().contains(QLatin1Char('&'))) << b->text().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dlg.isNull() || !dlg->isVisible());
    EXPECT_TRUE(w->isVisible());
}

}  // namespace
