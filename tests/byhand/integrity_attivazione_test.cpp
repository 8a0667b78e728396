// The variant activation tab tried by hand: a default option that does not
// decode is refused and not stored, and an item without variant rows of its
// own is offered one row per variant of the company, stored by Conferma.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "common/item_card.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"
#include "tests/support/typing.h"
#include "tests/window/card_window.h"
#include "variants/attivazione_varianti_tab.h"
#include "window/frmmg_veldrano.h"

namespace {

using variants::AttivazioneVariantiTab;

struct Activation : cardtest::CardWindowReaderTest {
    AttivazioneVariantiTab& tab() {
        return *static_cast<AttivazioneVariantiTab*>(w->tab(common::kTabAttivazioneVarianti));
    }
    QTreeWidget* tree() { return w->KOV_SIDEBAR()->findChild<QTreeWidget*>(); }
    QTreeWidgetItem* entry(const QString& caption) {
        const auto found = tree()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // A click on the side bar's entry, as the mouse does it.
    void clickEntry(const QString& caption) {
        QTreeWidgetItem* it = entry(caption);
        ASSERT_NE(it, nullptr) << caption.toStdString();
        tree()->scrollToItem(it);
        const QRect r = tree()->visualItemRect(it);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, r.center());
    }
    std::string stored(const std::string& item, const std::string& var, const char* column) {
        return cardtest::text(cardtest::scalar(
            cn, std::string("SELECT ") + column +
                    " FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = '" +
                    item + "' AND MG6B_CODICEVAR_MG5F = '" + var + "'"));
    }
    static void type(QWidget* box, const QString& text) {
        cardtest::typeAfter(box, text, Qt::Key_Tab);
    }
};

TEST_F(Activation, ADefaultOptionThatDoesNotDecodeIsRefusedAndNotStored) {
    choose("MAGLIA-001");
    clickEntry("Attivazione varianti");
    AttivazioneVariantiTab& t = tab();
    ASSERT_TRUE(t.selezionaVariante("A1"));
    ASSERT_TRUE(t.TXT_VALDEFAULT->isEnabled());
    ASSERT_EQ(t.TXT_VALDEFAULT->Text().trimmed(), QStringLiteral("BLU"));

    t.TXT_VALDEFAULT->LineEdit()->selectAll();
    type(t.TXT_VALDEFAULT->LineEdit(), "ZZZ");
    t.GRIDNAV_VARIANTI->Click("Conferma");
    EXPECT_TRUE(cardtest::shown(
        "[x91702x] Il valore predefinito \"ZZZ\" non \xC3\xA8 un'opzione della variante Colore."));
    EXPECT_EQ(stored("MAGLIA-001", "A1", "MG6B_VARDEFAULT"), "BLU");
    EXPECT_EQ(cardtest::count(cn, "MG6B_GESVARART", "MG6B_CODART_MG66 = 'MAGLIA-001'"), 4);
    EXPECT_NE(t.FME_VARIANTI->Status(), 0);  // the edit stays, to be corrected

    // A real option of the variant is stored.
    cardtest::clearMessages();
    t.TXT_VALDEFAULT->LineEdit()->selectAll();
    type(t.TXT_VALDEFAULT->LineEdit(), "GRI");
    t.GRIDNAV_VARIANTI->Click("Conferma");
    EXPECT_EQ(stored("MAGLIA-001", "A1", "MG6B_VARDEFAULT"), "GRI");
    EXPECT_EQ(t.FME_VARIANTI->Status(), 0);
    EXPECT_TRUE(cardtest::shownMessages().empty());

    // A value already stored that no longer decodes does not block other edits.
    cn.execute(
        "UPDATE MG6B_GESVARART SET MG6B_VARDEFAULT = 'VECCHIO' WHERE MG6B_CODART_MG66 = "
        "'MAGLIA-001' AND MG6B_CODICEVAR_MG5F = 'A1'");
    w->CMD_NUOVO()->click();
    choose("MAGLIA-001");
    clickEntry("Attivazione varianti");
    ASSERT_TRUE(tab().selezionaVariante("A0"));
    tab().CBO_INDEREDIBA->setFocus();
    QTest::keyClick(tab().CBO_INDEREDIBA, Qt::Key_Down);
    tab().GRIDNAV_VARIANTI->Click("Conferma");
    EXPECT_EQ(tab().FME_VARIANTI->Status(), 0);
    EXPECT_EQ(stored("MAGLIA-001", "A1", "MG6B_VARDEFAULT"), "VECCHIO");
    EXPECT_EQ(stored("MAGLIA-001", "A0", "MG6B_INDEREDIBA"), "2");
}

TEST_F(Activation, AnItemWithoutVariantRowsIsOfferedOnePerCompanyVariant) {
    ASSERT_EQ(cardtest::count(cn, "MG6B_GESVARART", "MG6B_CODART_MG66 = 'TESSUTO-TW'"), 0);
    choose("TESSUTO-TW");
    ASSERT_TRUE(w->CHK_FLGVARART()->isEnabled());
    QTest::mouseClick(w->CHK_FLGVARART(), Qt::LeftButton);
    ASSERT_TRUE(w->CHK_FLGVARART()->isChecked());
    clickEntry("Attivazione varianti");
    ASSERT_EQ(w->currentTab(), common::kTabAttivazioneVarianti);
    AttivazioneVariantiTab& t = tab();
    EXPECT_TRUE(t.FRAME_RAGGR->isEnabled());
    ASSERT_NE(t.Grst_MG6B(), nullptr);
    EXPECT_EQ(t.Grst_MG6B()->recordCount(), 4);  // A0..A3 of company 1
    EXPECT_EQ(t.GRD_VARIANTI->model()->rowCount(), 4);

    // No variant is active yet: the variant tabs say why they do not open,
    // and the side bar stays on the tab shown.
    cardtest::clearMessages();
    clickEntry("Gestione varianti");
    EXPECT_EQ(w->currentTab(), common::kTabAttivazioneVarianti);
    EXPECT_TRUE(cardtest::shown("[x91703x] L'articolo non ha varianti attive"));
    ASSERT_NE(tree()->currentItem(), nullptr);
    EXPECT_EQ(tree()->currentItem()->text(0), QStringLiteral("Attivazione varianti"));

    // Conferma stores every row offered, changed or not.
    cardtest::clearMessages();
    t.GRIDNAV_VARIANTI->Click("Conferma");
    EXPECT_TRUE(cardtest::shownMessages().empty())
        << (cardtest::shownMessages().empty() ? "" : cardtest::shownMessages().front());
    EXPECT_EQ(cardtest::count(cn, "MG6B_GESVARART",
                              "MG6B_CODART_MG66 = 'TESSUTO-TW' AND MG6B_FLGGESTVAR = 0 AND "
                              "MG6B_CODRAGGVAR_MG5G IS NULL AND MG6B_INDOBBLIG = 2 AND "
                              "MG6B_INDDEFAULT = 2 AND MG6B_INDEREDIBA = 99 AND "
                              "RTRIM(MG6B_VARDEFAULT) = ''"),
              4);

    // One variant switched on and saved: the variant tabs open.
    ASSERT_TRUE(tab().selezionaVariante("A1"));
    QTest::mouseClick(tab().CHK_FLGGESTVAR, Qt::LeftButton);
    tab().GRIDNAV_VARIANTI->Click("Conferma");
    EXPECT_EQ(stored("TESSUTO-TW", "A1", "MG6B_FLGGESTVAR"), "1");
    EXPECT_EQ(cardtest::count(cn, "MG6B_GESVARART", "MG6B_CODART_MG66 = 'TESSUTO-TW'"), 4);
    clickEntry("Gestione varianti");
    EXPECT_EQ(w->currentTab(), common::kTabGestioneVarianti);
}

TEST_F(Activation, AnEditLeftForOneItemNeverRewritesTheNextItemsVariants) {
    const auto rowsOf = [&](const std::string& item) {
        return cardtest::rowLines(
            cn,
            "SELECT MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, "
            "MG6B_INDOBBLIG, MG6B_INDDEFAULT, MG6B_VARDEFAULT FROM MG6B_GESVARART WHERE "
            "MG6B_CODART_MG66 = '" +
                item + "' ORDER BY 1");
    };
    // Lunghezza made active on MAGLIA-001, not saved.
    const auto editLength = [&] {
        if (w->CMD_NUOVO()->isEnabled())
            w->CMD_NUOVO()->click();
        choose("MAGLIA-001");
        clickEntry("Attivazione varianti");
        ASSERT_TRUE(tab().selezionaVariante("A2"));
        ASSERT_FALSE(tab().CHK_FLGGESTVAR->isChecked());
        QTest::mouseClick(tab().CHK_FLGGESTVAR, Qt::LeftButton, {},
                          QPoint(6, tab().CHK_FLGGESTVAR->height() / 2));
        ASSERT_NE(tab().FME_VARIANTI->Status(), 0);
        cardtest::clearMessages();
    };
    const char* question = "Salvare le modifiche apportate alle varianti dell'articolo?";
    const auto first = rowsOf("MAGLIA-001");
    const auto second = rowsOf("MAGLIA-002");

    // The next item from the host's record buttons, the tab still shown:
    // asked as the item changes; Yes stores the edit on MAGLIA-001 only.
    editLength();
    cardtest::queueAnswer(common::vbYes);
    ASSERT_TRUE(w->FME_ART()->MoveNext());
    EXPECT_EQ(w->currentItem(), "MAGLIA-002");
    EXPECT_TRUE(cardtest::shown(question));
    EXPECT_EQ(stored("MAGLIA-001", "A2", "MG6B_FLGGESTVAR"), "1");
    EXPECT_EQ(rowsOf("MAGLIA-002"), second);
    // The tab shows MAGLIA-002's own rows, nothing pending.
    EXPECT_EQ(tab().FME_VARIANTI->Status(), 0);
    ASSERT_TRUE(tab().selezionaVariante("A1"));
    EXPECT_EQ(tab().TXT_VALDEFAULT->Text().trimmed(), QString());

    // Another tab, then a new search: asked; No leaves both items as stored.
    const auto saved = rowsOf("MAGLIA-001");
    ASSERT_NE(saved, first);
    clickEntry("Attivazione varianti");
    w->CMD_NUOVO()->click();
    choose("MAGLIA-001");
    clickEntry("Attivazione varianti");
    ASSERT_TRUE(tab().selezionaVariante("A3"));
    QTest::mouseClick(tab().CHK_FLGGESTVAR, Qt::LeftButton, {},
                      QPoint(6, tab().CHK_FLGGESTVAR->height() / 2));
    ASSERT_NE(tab().FME_VARIANTI->Status(), 0);
    clickEntry("Articoli clienti");
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbNo);
    w->CMD_NUOVO()->click();
    EXPECT_TRUE(cardtest::shown(question));
    choose("MAGLIA-002");
    clickEntry("Attivazione varianti");
    EXPECT_EQ(rowsOf("MAGLIA-001"), saved);
    EXPECT_EQ(rowsOf("MAGLIA-002"), second);
    EXPECT_EQ(tab().FME_VARIANTI->Status(), 0);

    // Closing the window asks too; Yes stores the edit.
    ASSERT_TRUE(tab().selezionaVariante("A3"));
    QTest::mouseClick(tab().CHK_FLGGESTVAR, Qt::LeftButton, {},
                      QPoint(6, tab().CHK_FLGGESTVAR->height() / 2));
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(cardtest::shown(question));
    EXPECT_EQ(stored("MAGLIA-002", "A3", "MG6B_FLGGESTVAR"), "1");
}

}  // namespace
