// The lookup box on the demo database: a list or decode query that fails
// when the user starts it is shown in the error report and the program goes
// on; retry runs it again once the cause is gone.

#include "platform/controls/lookup_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "controls_test_support.h"
#include "platform/db/errors.h"

namespace controls::test {
namespace {

const std::string kOptions =
    "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK) WHERE MG5E_DITTA_CG18 = 1 "
    "AND MG5E_CODICEVAR_MG5F = 'A0'";

struct Box : ::testing::Test {
    void SetUp() override {
        openDemo(cn);
        top.setWindowTitle("Scheda prova");
        box = new LookupBox(&top);
        box->setObjectName("TXT_OPZIONE");
        box->SetConnection(&cn);
        box->SetLookupColumns({"MG5E_OPZIONE", "MG5E_DESCR"});
        QObject::connect(box, &LookupBox::startLookup, box, [this](bool&) {
            box->SetLookupQuery(kOptions + " ORDER BY MG5E_OPZIONE");
        });
        QObject::connect(box, &LookupBox::startDecode, box, [this](bool&) {
            if (!handlerFault.empty())
                throw std::runtime_error(handlerFault);
            box->SetDecodeQuery(kOptions + " AND MG5E_OPZIONE = '" +
                                box->Text().trimmed().toStdString() + "'");
        });
        QObject::connect(box, &LookupBox::afterItem, box, [this] { ++afterItems; });
        top.show();
    }
    // Leaving the box after typing, as the user does.
    void typeAndLeave(const QString& text) {
        typeInto(box->LineEdit(), text);
        emit box->LineEdit()->editingFinished();
    }
    std::string description() { return box->ItemValue("MG5E_DESCR").toText(); }
    // Opens the list by `open` and looks at it while it is shown; whether it was.
    bool onList(const std::function<void(LookupDialog*)>& look, const std::function<void()>& open) {
        bool shown = false;
        QTimer::singleShot(0, &top, [&] {
            auto* dialog = qobject_cast<LookupDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = true;
            look(dialog);
        });
        open();
        return shown;
    }

    db::Connection cn;
    QWidget top;
    LookupBox* box = nullptr;
    ScriptedReports reports;
    std::string handlerFault;
    int afterItems = 0;
};

TEST_F(Box, AFailingListQueryIsReportedAndRetriedOnceTheCauseIsGone) {
    // The link drops while the list is read: F3 reports it and nothing escapes.
    cn.injectFault({"MG5E_OPZIONI", "08S01", 0, 1});
    reports.answers = {kAbort};
    pressKey(box->LineEdit(), Qt::Key_F3);
    ASSERT_EQ(reports.reports.size(), 1u);
    const framework::ErrorReportData& r = reports.reports[0];
    EXPECT_EQ(r.procedure, "TXT_OPZIONE_StartLookup");
    EXPECT_EQ(r.caption, "Scheda prova");
    EXPECT_EQ(r.style, 4370);
    ASSERT_FALSE(r.providerErrors.empty());
    EXPECT_EQ(r.providerErrors.front().sqlState, "08S01");
    EXPECT_EQ(box->Text(), "");
    EXPECT_EQ(afterItems, 0);
    EXPECT_TRUE(box->isEnabled());

    // Fails again; retry runs the lookup anew and the list opens; the user
    // filters it and chooses.
    cn.injectFault({"MG5E_OPZIONI", "08S01", 0, 1});
    reports.answers = {kRetry};
    const bool listShown = onList(
        [](LookupDialog* dialog) {
            EXPECT_EQ(dialog->VisibleRowCount(), 14);
            dialog->FilterEdit()->setText("extra large");
            EXPECT_EQ(dialog->VisibleRowCount(), 2);  // "Extra large", "Extra extra large"
            dialog->FilterEdit()->setText("Extra large");
            dialog->Choose();
        },
        [this] { box->findChild<QToolButton*>()->click(); });
    EXPECT_TRUE(listShown);
    EXPECT_EQ(reports.reports.size(), 2u);
    EXPECT_EQ(box->Text(), "XL");
    EXPECT_TRUE(box->Found());
    EXPECT_EQ(description(), "Extra large");
    EXPECT_EQ(afterItems, 1);
}

TEST_F(Box, AFailingDecodeIsReportedKeepsTheTextAndDecodesAgainOnRetry) {
    // Ignored: the code stays as typed, not found, and is decoded again
    // when the box is left the next time.
    cn.injectFault({"MG5E_OPZIONI", "HYT00", 0, 1});
    reports.answers = {kIgnore};
    typeAndLeave("XL");
    ASSERT_EQ(reports.reports.size(), 1u);
    EXPECT_EQ(reports.reports[0].procedure, "TXT_OPZIONE_StartDecode");
    EXPECT_EQ(reports.reports[0].providerErrors.at(0).sqlState, "HYT00");
    EXPECT_EQ(box->Text(), "XL");
    EXPECT_FALSE(box->Found());
    EXPECT_EQ(afterItems, 0);
    emit box->LineEdit()->editingFinished();
    EXPECT_TRUE(box->Found());
    EXPECT_EQ(description(), "Extra large");
    EXPECT_EQ(afterItems, 1);

    // Retry after the cause is gone decodes the new code once.
    cn.injectFault({"MG5E_OPZIONI", "HYT00", 0, 1});
    reports.answers = {kRetry};
    typeAndLeave("XS");
    EXPECT_EQ(reports.reports.size(), 2u);
    EXPECT_TRUE(box->Found());
    EXPECT_EQ(description(), "Extra small");
    EXPECT_EQ(afterItems, 2);

    // A code that does not exist is no error: not found, no report.
    typeAndLeave("ZZ");
    EXPECT_EQ(reports.reports.size(), 2u);
    EXPECT_FALSE(box->Found());

    // A handler that fails is reported with its own message.
    handlerFault = "Decodifica non disponibile";
    reports.answers = {kAbort};
    typeAndLeave("M");
    ASSERT_EQ(reports.reports.size(), 3u);
    EXPECT_EQ(reports.reports[2].error.description, "Decodifica non disponibile");
    EXPECT_EQ(box->Text(), "M");

    // Called by a program, the failure reaches the caller's own trap.
    handlerFault.clear();
    cn.injectFault({"MG5E_OPZIONI", "08S01", 0, 1});
    EXPECT_THROW(box->Decode(), db::DbError);
    EXPECT_EQ(reports.reports.size(), 3u);
    EXPECT_TRUE(box->Decode());
    EXPECT_EQ(description(), "Medium");
}

// A code typed in another case, or with trailing blanks, becomes the code
// as stored once decoded; one not found is left as typed.
TEST_F(Box, ADecodedCodeIsShownAsStored) {
    typeAndLeave("xs ");
    EXPECT_TRUE(box->Found());
    EXPECT_EQ(box->Text(), "XS");
    EXPECT_EQ(description(), "Extra small");
    typeAndLeave("zz");
    EXPECT_FALSE(box->Found());
    EXPECT_EQ(box->Text(), "zz");
    // A return field names the code's column.
    box->SetReturnField("MG5E_DESCR");
    typeAndLeave("m");
    EXPECT_EQ(box->Text(), "m") << "the description is no spelling of the code";
    box->SetReturnField("MG5E_OPZIONE");
    typeAndLeave("l");
    EXPECT_EQ(box->Text(), "L");
}

// A slip of the finger taken back: the code edited and typed back to what
// it was is decided again when the box is left, and is the code found.
TEST_F(Box, ACodeEditedAndTypedBackIsStillFound) {
    auto key = [&](int k, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(box->LineEdit(), &press);
    };
    typeAndLeave("XS");
    ASSERT_TRUE(box->Found());
    const int before = afterItems;
    box->LineEdit()->end(false);
    key(Qt::Key_L, "L");
    EXPECT_FALSE(box->Found());
    key(Qt::Key_Backspace);
    emit box->LineEdit()->editingFinished();
    EXPECT_TRUE(box->Found());
    EXPECT_EQ(description(), "Extra small");
    EXPECT_EQ(afterItems, before + 1);
    // The same decided by a command while the box keeps the focus.
    key(Qt::Key_L, "L");
    key(Qt::Key_Backspace);
    EXPECT_TRUE(box->DecodePending());
    EXPECT_TRUE(box->Found());
}

// The list starts from what the box holds: a code being typed is the search,
// a code already found is the current row of the whole list.
TEST_F(Box, TheListOpensOnWhatTheBoxHolds) {
    auto byF4 = [this] { pressKey(box->LineEdit(), Qt::Key_F4); };
    typeInto(box->LineEdit(), "extra");
    EXPECT_TRUE(onList(
        [](LookupDialog* dialog) {
            EXPECT_EQ(dialog->FilterEdit()->text(), "extra");
            EXPECT_EQ(dialog->VisibleRowCount(), 3);  // XL, XS, XXL
            // Typing goes on after what was given, not over it.
            QApplication::processEvents();
            for (const QChar c : QStringLiteral(" l")) {
                QKeyEvent key(QEvent::KeyPress, c == ' ' ? Qt::Key_Space : Qt::Key_L,
                              Qt::NoModifier, QString(c));
                QApplication::sendEvent(dialog->FilterEdit(), &key);
            }
            EXPECT_EQ(dialog->FilterEdit()->text(), "extra l");
            EXPECT_EQ(dialog->VisibleRowCount(), 2);  // XL, XXL
            dialog->Choose();
        },
        byF4));
    EXPECT_EQ(box->Text(), "XL");
    EXPECT_TRUE(box->Found());
    const int chosen = afterItems;
    EXPECT_EQ(chosen, 1);

    EXPECT_TRUE(onList(
        [](LookupDialog* dialog) {
            EXPECT_EQ(dialog->FilterEdit()->text(), "");
            EXPECT_EQ(dialog->VisibleRowCount(), 14);
            EXPECT_EQ(dialog->View()->currentIndex().data().toString(), "XL");
            dialog->reject();
        },
        byF4));
    EXPECT_EQ(box->Text(), "XL");
    EXPECT_EQ(afterItems, chosen);

    // A list closed unchosen leaves the typed text undecided: leaving the
    // box decodes it then, once.
    typeInto(box->LineEdit(), "xx");
    EXPECT_TRUE(onList([](LookupDialog* dialog) { dialog->reject(); }, byF4));
    EXPECT_EQ(afterItems, chosen);
    EXPECT_EQ(box->Text(), "xx");
    emit box->LineEdit()->editingFinished();
    EXPECT_EQ(afterItems, chosen + 1);
    EXPECT_FALSE(box->Found());
}

}  // namespace
}  // namespace controls::test
