// The host's search (F3 / Ricerca) over a frame of the card: its columns
// carry captions in the user's language, never a column's own name, and the
// record chosen is the one the frame shows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "host/frame_actions.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/recordset.h"
#include "platform/framework/multilingual.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"
#include "transcoding/trascodifica_varianti_tab.h"

namespace {

struct FrameSearch : cardtest::CardWindowTest {
    // The transcoding tab of an item on a customer's list, as the user opens it.
    transcoding::TrascodificaVariantiTab& transcoding() {
        choose("MAGLIA-003");
        w->selectTab(common::kTabTrascodificaVarianti);
        auto& t = *static_cast<transcoding::TrascodificaVariantiTab*>(
            w->tab(common::kTabTrascodificaVarianti));
        t.CBO_TIPOVAR2->setCurrentIndex(t.CBO_TIPOVAR2->findData(common::indiceVariante("A1")));
        t.CBO_TIPOVAR2_Click();
        t.TXT_CLIFOR->setFocus();
        QTest::keyClicks(t.TXT_CLIFOR->LineEdit(), "3");
        QTest::keyClick(t.TXT_CLIFOR->LineEdit(), Qt::Key_Return);
        QApplication::processEvents();
        return t;
    }
    // Headers of the search list the next dialog shows; the first row chosen.
    QStringList searchHeaders(controls::RecordFrame& frame, const framework::Multilingual& texts) {
        QStringList headers;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            auto* list = dialog->findChild<QTableWidget*>();
            if (list) {
                for (int c = 0; c < list->columnCount(); ++c)
                    if (!list->isColumnHidden(c))
                        headers << list->horizontalHeaderItem(c)->text();
                list->setCurrentCell(list->rowCount() - 1, 0);
            }
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        host::SearchRecord(frame, texts, w.get());
        return headers;
    }
};

TEST_F(FrameSearch, TheListsColumnsHaveCaptionsInTheUsersLanguage) {
    auto& t = transcoding();
    ASSERT_NE(t.FME_TRASCF(), nullptr);
    ASSERT_GT(t.rsTrascf()->recordCount(), 1);
    const QRegularExpression columnName(QStringLiteral("^[A-Z0-9]+_[A-Z0-9_]+$"));

    const framework::Multilingual italian(
        framework::Catalogue::FromFile(std::string(VELDRANO_SOURCE_DIR) + "/demo/messages.tsv"));
    const QStringList it = searchHeaders(*t.FME_TRASCF(), italian);
    ASSERT_FALSE(it.isEmpty());
    for (const QString& h : it)
        EXPECT_FALSE(columnName.match(h).hasMatch()) << h.toStdString();
    EXPECT_TRUE(it.contains(QStringLiteral("Opzione")));
    // The last row of the list is the frame's record now.
    EXPECT_EQ(t.rsTrascf()->absolutePosition(), t.rsTrascf()->recordCount());

    const framework::Multilingual english(
        framework::Catalogue::FromFile(std::string(VELDRANO_SOURCE_DIR) + "/demo/messages_en.tsv"));
    const QStringList en = searchHeaders(*t.FME_TRASCF(), english);
    ASSERT_EQ(en.size(), it.size());
    EXPECT_TRUE(en.contains(QStringLiteral("Option")));
    EXPECT_FALSE(en.contains(QStringLiteral("Opzione")));
}

}  // namespace
