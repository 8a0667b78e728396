// Every text and look-up box of every tab, through the real widgets, with
// the inputs users get wrong: an apostrophe, 300 characters, blanks around,
// accents and an emoji, nothing, letters where a number goes. Each either
// goes in as typed or is refused with a numbered Italian message; never a
// raw database error, never a Qt dialog without a number, never cut
// without a word.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <iterator>
#include <set>

#include "common/item_card.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/text_limit.h"
#include "tests/support/sqlite_tables.h"
#include "tests/support/test_card.h"
#include "tests/window/card_window.h"

namespace {

struct Input {
    const char* name;
    QString text;
};

const std::vector<Input>& inputs() {
    static const std::vector<Input> list = {
        {"apostrophe", QStringLiteral("O'BRIEN")},
        {"300 characters", QString(300, QLatin1Char('A'))},
        {"blanks around", QStringLiteral("  CODICE  ")},
        {"accents", QString::fromUtf8("àèéìòù ÀÈÌÒÙ ç")},
        {"emoji", QString::fromUtf8("caffè \U0001F600")},
        {"Cyrillic", QString::fromUtf8("Жук")},
        {"empty", QString()},
        {"letters for a number", QStringLiteral("abc")},
    };
    return list;
}

// The boxes of a page a user can type in.
std::vector<QWidget*> boxes(QWidget* page) {
    std::vector<QWidget*> out;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled())
            continue;
        if (auto* line = qobject_cast<QLineEdit*>(w); line && !line->isReadOnly())
            out.push_back(w);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(w); plain && !plain->isReadOnly())
            out.push_back(w);
    }
    return out;
}

// Types text as a keyboard does, one character (or surrogate pair) a key:
// QTest's key names stop at ASCII.
void typeText(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(i, n);
        i += n - 1;
        if (c.size() == 1 && c[0].unicode() < 0x80) {
            QTest::keyClicks(box, c);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(box, &release);
    }
}

QString textOf(const QWidget* box) {
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return static_cast<const QPlainTextEdit*>(box)->toPlainText();
}

// The database file as another reader sees it: whether anything was
// committed since the last look, and which text cells are new.
class Store {
public:
    explicit Store(const std::string& path) {
        EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        version_ = version();
        cells_ = cells();
    }
    ~Store() { sqlite3_close(db_); }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    struct Change {
        bool committed = false;
        std::multiset<std::string> added;  // cells new since the last look
    };
    Change look() {
        Change c;
        const long long v = version();
        if (v == version_)
            return c;
        version_ = v;
        c.committed = true;
        std::multiset<std::string> now = cells();
        std::set_difference(now.begin(), now.end(), cells_.begin(), cells_.end(),
                            std::inserter(c.added, c.added.end()));
        cells_ = std::move(now);
        return c;
    }

private:
    long long version() {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, "PRAGMA data_version", -1, &st, nullptr);
        const long long v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
        sqlite3_finalize(st);
        return v;
    }
    // Every text cell of every table, without the blanks a CHAR column pads.
    std::multiset<std::string> cells() {
        const std::vector<std::string> tables = cardtest::tableNames(db_);
        sqlite3_stmt* st = nullptr;
        std::multiset<std::string> out;
        for (const std::string& t : tables) {
            sqlite3_prepare_v2(db_, ("SELECT * FROM \"" + t + "\"").c_str(), -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(st); ++c)
                    if (sqlite3_column_type(st, c) == SQLITE_TEXT) {
                        std::string v(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
                        v.erase(v.find_last_not_of(' ') + 1);
                        out.insert(std::move(v));
                    }
            sqlite3_finalize(st);
        }
        return out;
    }
    sqlite3* db_ = nullptr;
    long long version_ = 0;
    std::multiset<std::string> cells_;
};

// Whatever the boxes put in their frames goes to the database, as the
// navigator's Save does.
void saveFrames(QWidget* window) {
    for (controls::RecordFrame* f : window->findChildren<controls::RecordFrame*>())
        if (f->Status() != 0)
            f->Update();
    QApplication::processEvents();
}

struct BadInput : cardtest::CardWindowTest {
    // A modal Qt dialog opened behind the card's messages is a fault: it is
    // closed and noted, so the sweep goes on.
    std::vector<std::string> qtDialogs;
    QTimer watchdog;
    void SetUp() override {
        CardWindowTest::SetUp();
        w->activateWindow();
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                qtDialogs.push_back(modal->windowTitle().toStdString());
                modal->close();
            }
        });
        watchdog.start(100);
    }
};

TEST_F(BadInput, EveryBoxOfEveryTabTakesOrRefusesEachInputWithANumberedMessage) {
    choose("MAGLIA-001");
    Store store(path);
    int cases = 0, boxesSeen = 0, stored = 0;
    for (int tab = 0; tab < common::kTabCount; ++tab) {
        w->selectTab(tab);
        QApplication::processEvents();
        const std::vector<QWidget*> list = boxes(w->page(tab));
        boxesSeen += static_cast<int>(list.size());
        for (QWidget* box : list) {
            const std::string where =
                "tab " + std::to_string(tab) + ", " + box->objectName().toStdString();
            for (const Input& input : inputs()) {
                if (!box->isVisible() || !box->isEnabled())
                    break;  // an earlier input locked the box: nothing more to type
                cardtest::clearMessages();
                box->setFocus();
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_Delete);
                typeText(box, input.text);
                const QString typed = textOf(box);
                QTest::keyClick(box, Qt::Key_Tab);
                QApplication::processEvents();
                saveFrames(w.get());
                ++cases;
                const auto shown = cardtest::shownMessages();
                const Store::Change change = store.look();
                // The box's own notices (a character it cannot hold, its
                // length) keep what it can take; any other message refuses
                // the row.
                std::string refusal;
                for (const std::string& m : shown)
                    if (m.rfind("[x91600x]", 0) != 0 && m.rfind("[x91601x]", 0) != 0 &&
                        m.rfind("[x91701x]", 0) != 0)
                        refusal = m;
                if (!refusal.empty()) {
                    // Refused: nothing of it reached the database.
                    EXPECT_FALSE(change.committed) << where << " / " << input.name << ": refused ("
                                                   << refusal << "), yet something was saved";
                } else if (change.committed && !typed.trimmed().isEmpty()) {
                    // Taken: stored as typed (blanks around a value may go).
                    std::string t = typed.toStdString();
                    t.erase(t.find_last_not_of(' ') + 1);
                    const std::string trimmed = typed.trimmed().toStdString();
                    const bool exact = change.added.count(t) > 0 || change.added.count(trimmed) > 0;
                    std::string added;
                    for (const std::string& a : change.added)
                        added += " [" + a.substr(0, 40) + "]";
                    EXPECT_TRUE(exact)
                        << where << " / " << input.name << ": stored otherwise:" << added;
                    ++stored;
                }
                for (const std::string& m : shown)
                    EXPECT_EQ(m.rfind("[x", 0), 0u)
                        << where << " / " << input.name << ": not a catalogue message: " << m;
                const QString unstorable = controls::UnstorableCharacter(input.text);
                if (!unstorable.isEmpty()) {
                    EXPECT_FALSE(typed.contains(unstorable)) << where << " / " << input.name;
                    bool said = false;
                    for (const std::string& m : shown)
                        said |= m.find("91600") != std::string::npos;
                    EXPECT_TRUE(said) << where << " / " << input.name << ": refused silently";
                } else if (typed.size() < input.text.size()) {
                    bool said = false;
                    for (const std::string& m : shown)
                        said |= m.find("91701") != std::string::npos || m.find("[x9") == 0;
                    EXPECT_TRUE(said) << where << " / " << input.name << ": cut without a word";
                }
            }
            // Whatever the sweep left pending in the box's frame is dropped.
            if (box->isVisible())
                QTest::keyClick(box, Qt::Key_Escape);
            store.look();
        }
    }
    EXPECT_TRUE(qtDialogs.empty())
        << qtDialogs.size()
        << " Qt dialogs, the first: " << (qtDialogs.empty() ? "" : qtDialogs.front());
    std::cout << "badinput: " << boxesSeen << " boxes x " << inputs().size()
              << " inputs = " << cases << " cases, " << stored << " stored and checked\n";
    EXPECT_GT(boxesSeen, 10);
}

}  // namespace
