// The record frame with its grid on the demo database: moving to another
// row with unsaved edits asks first; cancel keeps the edited row, discard
// drops the edits, save writes them (and a save that fails keeps them).

#include "platform/controls/record_frame.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QToolTip>
#include <QWidget>

#include "controls_test_support.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"

namespace controls::test {
namespace {

// Options of variant A0 in code order: 44 46 48 50 52 54 56 L M S TU XL XS XXL.
struct Frame : ::testing::Test {
    void SetUp() override {
        openDemo(cn);
        rs.open(
            "SELECT MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR FROM "
            "MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' ORDER BY "
            "MG5E_OPZIONE",
            cn);
        grid = new DataGrid(&top);
        grid->setGeometry(0, 0, 480, 400);
        descr = new QLineEdit(&top);
        descr->setGeometry(0, 410, 300, 24);
        frame.Bind(&cn, &rs, "MG5E_OPZIONE");
        frame.SetRecordDescription("l'opzione");
        frame.BindControl(descr, "MG5E_DESCR");
        frame.SetGrid(grid);
        grid->SetDataSource(&rs);
        frame.SetAskSave([this](const QString& question, bool allowCancel) {
            questions.push_back(question.toStdString());
            EXPECT_TRUE(allowCancel);
            const SaveAnswer a = answers.empty() ? SaveAnswer::Cancel : answers.front();
            if (!answers.empty())
                answers.pop_front();
            return a;
        });
        frame.SetNotify([this](const QString& m) { notices.push_back(m.toStdString()); });
        top.resize(500, 450);
        top.show();
        rs.moveFirst();
        QApplication::processEvents();
    }
    std::string stored(const std::string& option) {
        return scalar(cn,
                      "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
                      "MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '" +
                          option + "'");
    }
    std::string current() {
        std::string code = rs.value("MG5E_OPZIONE").toText();
        return code.substr(0, code.find_last_not_of(' ') + 1);
    }
    QPoint cellCentre(int row) { return grid->visualRect(grid->model()->index(row, 0)).center(); }
    bool rowSelected(int row) { return grid->selectionModel()->isRowSelected(row, QModelIndex()); }

    db::Connection cn;
    db::Recordset rs;
    QWidget top;
    DataGrid* grid = nullptr;
    QLineEdit* descr = nullptr;
    RecordFrame frame;
    std::deque<SaveAnswer> answers;
    std::vector<std::string> questions, notices;
};

TEST_F(Frame, MovingToAnotherRowWithPendingEditsAsksFirst) {
    ASSERT_EQ(grid->CurrentRow(), 0);
    typeInto(descr, "Taglia 44 comoda");
    EXPECT_EQ(frame.Status(), RecordFrame::Changed);

    // Cancel, by program and by the mouse: the grid stays on the edited row,
    // selected, with the edit in the box and the row; nothing is written.
    answers = {SaveAnswer::Cancel};
    grid->SetCurrentRow(2);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("l'opzione"), std::string::npos);
    EXPECT_EQ(grid->CurrentRow(), 0);
    EXPECT_EQ(current(), "44");
    answers = {SaveAnswer::Cancel};
    click(grid->viewport(), cellCentre(5));
    QApplication::processEvents();
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(grid->CurrentRow(), 0);
    EXPECT_TRUE(rowSelected(0));
    EXPECT_FALSE(rowSelected(5));
    EXPECT_EQ(current(), "44");
    EXPECT_EQ(descr->text(), "Taglia 44 comoda");
    EXPECT_EQ(rs.value("MG5E_DESCR").toText(), "Taglia 44 comoda");
    EXPECT_EQ(frame.Status(), RecordFrame::Changed);
    EXPECT_EQ(stored("44"), "Taglia 44");

    // Discard, by the arrow key: the next row, the edit dropped.
    answers = {SaveAnswer::Discard};
    pressKey(grid, Qt::Key_Down);
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_EQ(current(), "46");
    EXPECT_EQ(descr->text(), "Taglia 46");
    EXPECT_EQ(frame.Status(), RecordFrame::Browse);
    EXPECT_EQ(rs.valueAt(0, rs.fieldIndex("MG5E_DESCR")).toText(), "Taglia 44");
    EXPECT_EQ(stored("44"), "Taglia 44");

    // Without edits nothing is asked.
    grid->SetCurrentRow(2);
    grid->SetCurrentRow(1);
    EXPECT_EQ(questions.size(), 3u);

    // Save, by the mouse: written, and the grid on the clicked row.
    typeInto(descr, "Taglia 46 regolare");
    answers = {SaveAnswer::Save};
    click(grid->viewport(), cellCentre(8));
    QApplication::processEvents();
    EXPECT_EQ(questions.size(), 4u);
    EXPECT_EQ(stored("46"), "Taglia 46 regolare");
    EXPECT_EQ(grid->CurrentRow(), 8);
    EXPECT_TRUE(rowSelected(8));
    EXPECT_EQ(current(), "M");
    EXPECT_EQ(descr->text(), "Medium");
    EXPECT_EQ(frame.Status(), RecordFrame::Browse);
    EXPECT_EQ(grid->CellText(1, 3), "Taglia 46 regolare");
}

TEST_F(Frame, ASaveThatFailsOnTheWayToAnotherRowKeepsTheEdits) {
    grid->SetCurrentRow(8);
    typeInto(descr, "Medio");
    // The database refuses the write: the frame says so and stays.
    cn.injectFault({"UPDATE MG5E_OPZIONI", "HYT00", 0, 1});
    answers = {SaveAnswer::Save};
    grid->SetCurrentRow(11);
    EXPECT_EQ(questions.size(), 1u);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("Impossibile salvare l'opzione"), std::string::npos);
    EXPECT_EQ(grid->CurrentRow(), 8);
    EXPECT_EQ(descr->text(), "Medio");
    EXPECT_EQ(frame.Status(), RecordFrame::Changed);
    EXPECT_EQ(stored("M"), "Medium");

    // Once the cause is gone the same move saves and goes on.
    answers = {SaveAnswer::Save};
    grid->SetCurrentRow(11);
    EXPECT_EQ(stored("M"), "Medio");
    EXPECT_EQ(current(), "XL");
    EXPECT_EQ(frame.Status(), RecordFrame::Browse);
    // Every other option as it was.
    EXPECT_EQ(scalar(cn,
                     "SELECT COUNT(*) FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
                     "MG5E_CODICEVAR_MG5F = 'A0'"),
              "14");
    EXPECT_EQ(stored("XL"), "Extra large");

    // A frame whose save covers every row moves without asking; the edit
    // stays pending in its row.
    frame.SetConcludeOnRowChange(false);
    typeInto(descr, "Molto grande");
    grid->SetCurrentRow(12);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(current(), "XS");
    EXPECT_EQ(rs.valueAt(11, rs.fieldIndex("MG5E_DESCR")).toText(), "Molto grande");
    EXPECT_EQ(stored("XL"), "Extra large");
}

// A cell too narrow for its text shows it whole when the pointer rests on
// it; a cell whose text fits shows no tooltip.
TEST_F(Frame, ACutCellShowsItsWholeTextAsTooltip) {
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setColumnWidth(3, 30);
    const QModelIndex cut = grid->model()->index(0, 3);
    const QString whole = grid->CellText(0, 3).trimmed();
    ASSERT_EQ(whole, "Taglia 44");
    auto hover = [&](const QModelIndex& index) {
        const QPoint at = grid->visualRect(index).center();
        QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &help);
        const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
        // A tooltip goes after a short delay: wait for it before the next hover.
        QToolTip::hideText();
        QElapsedTimer waited;
        waited.start();
        while (QToolTip::isVisible() && waited.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return text;
    };
    EXPECT_EQ(hover(cut), whole);
    grid->setColumnWidth(3, 300);
    EXPECT_EQ(hover(cut), QString()) << "a text that fits needs no tooltip";
    EXPECT_EQ(hover(grid->model()->index(0, 2)), QString()) << "\"44\" fits its column";
}

}  // namespace
}  // namespace controls::test

namespace controls::test {
namespace {

// MG5E_OPZIONE is CHAR(20): the database pads it, the card never shows it so.
TEST_F(Frame, CodesOfFixedWidthColumnsAreShownWithoutTheirPadding) {
    ASSERT_EQ(rs.value("MG5E_OPZIONE").toText().size(), 20u);
    auto* code = new QLineEdit(&top);
    frame.BindControl(code, "MG5E_OPZIONE");
    EXPECT_EQ(code->text().toStdString(), current());
    for (long row = 0; row < rs.recordCount(); ++row) {
        const QString shown = grid->CellText(row, 2);
        EXPECT_FALSE(shown.endsWith(QLatin1Char(' '))) << row;
        EXPECT_EQ(grid->model()->index(static_cast<int>(row), 2).data().toString(), shown);
    }
    EXPECT_EQ(grid->CellText(0, 2).toStdString(), "44");
}

// A navigator's Nuovo and Conferma are off while no frame is bound (a click
// would do nothing, without a word), Esporta while no grid is; the tab's own
// wish is kept and applies again once there is something to act on.
TEST_F(Frame, NavigatorButtonsAreOffWhileTheyHaveNothingToActOn) {
    GridNavigator nav(&top);
    nav.show();
    EXPECT_FALSE(nav.ButtonEnabled("Nuovo"));
    EXPECT_FALSE(nav.ButtonEnabled("Conferma"));
    EXPECT_FALSE(nav.ButtonEnabled("Esporta"));
    EXPECT_TRUE(nav.ButtonEnabled("Apri"));
    nav.Click("Nuovo");  // refused: the frame's status is untouched
    EXPECT_EQ(frame.Status(), 0);

    nav.SetButtonEnabled("Conferma", false);
    nav.SetFrame(&frame);
    nav.SetGrid(grid);
    EXPECT_TRUE(nav.ButtonEnabled("Nuovo"));
    EXPECT_FALSE(nav.ButtonEnabled("Conferma")) << "the tab's wish was forgotten";
    EXPECT_TRUE(nav.ButtonEnabled("Esporta"));

    nav.SetFrame(nullptr);
    EXPECT_FALSE(nav.ButtonEnabled("Nuovo"));
    nav.SetButtonEnabled("Conferma", true);
    EXPECT_FALSE(nav.ButtonEnabled("Conferma"));
    {
        RecordFrame other;
        other.Bind(&cn, &rs, "MG5E_OPZIONE");
        nav.SetFrame(&other);
        EXPECT_TRUE(nav.ButtonEnabled("Conferma"));
    }
    EXPECT_FALSE(nav.ButtonEnabled("Nuovo")) << "a frame gone still counts as bound";
}

}  // namespace
}  // namespace controls::test
