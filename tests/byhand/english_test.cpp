// The card in English from end to end: with the English catalogue, every
// tab shows, in each visible label, command, check box, frame title, list
// entry (chosen or not), side-bar entry and column caption, an English catalogue text or a
// value read from a table; and each message box a user meets on the way
// (every command of every tab pressed, and the windows those commands open)
// says an English catalogue text.

#include <sqlite3.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <set>

#include "duplication/clsmg_artdupl.h"
#include "duplication/dupl_pane.h"
#include "groupings/frmmg_raggr.h"
#include "groupings/option_import.h"
#include "groupings/option_lists.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/mnemonics.h"
#include "platform/framework/navigator.h"
#include "tests/byhand/contract_host.h"
#include "tests/support/sqlite_tables.h"
#include "window/gestioni_tab.h"
#include "window/image_viewer.h"

namespace {

const std::string kRoot = VELDRANO_SOURCE_DIR;

// What an English screen may show.
class Allowed {
public:
    void addCatalogue(const std::string& file) {
        QFile f(QString::fromStdString(file));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QRegularExpression placeholder(QStringLiteral("%[0-9]"));
        for (QString line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1Char('#')) || !line.contains(QLatin1Char('\t')))
                continue;
            QString text = line.section(QLatin1Char('\t'), 1)
                               .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
            if (!text.contains(placeholder)) {
                exact_.insert(text.trimmed());
                continue;
            }
            QString pattern = QRegularExpression::escape(text);
            // escape() writes a placeholder with a backslash before its %.
            pattern.replace(QRegularExpression(QStringLiteral("\\\\?%[0-9]")),
                            QStringLiteral(".*"));
            patterns_.emplace_back(QStringLiteral("^") + pattern + QStringLiteral("$"),
                                   QRegularExpression::DotMatchesEverythingOption);
        }
    }
    // Every text value of every table of the database file, as shown (no
    // trailing blanks).
    void addTableValues(const std::string& path) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        const std::vector<std::string> tables = cardtest::tableNames(db);
        sqlite3_stmt* st = nullptr;
        for (const std::string& t : tables) {
            sqlite3_prepare_v2(db, ("SELECT * FROM \"" + t + "\"").c_str(), -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(st); ++c)
                    if (const auto* v = sqlite3_column_text(st, c))
                        exact_.insert(
                            QString::fromUtf8(reinterpret_cast<const char*>(v)).trimmed());
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
    }
    void add(const QString& text) { exact_.insert(text); }

    bool operator()(const QString& shown) const {
        const QString s = controls::PlainCaption(shown).trimmed();
        static const QRegularExpression figures(QStringLiteral("^[-+0-9.,:;/%()\\s…]*$"));
        if (s.isEmpty() || figures.match(s).hasMatch() || exact_.count(s))
            return true;
        for (const auto& p : patterns_)
            if (p.match(s).hasMatch())
                return true;
        // A caption and a value: "Grouping: TG-LETTERE", "12 - Rossi", a code
        // and its description "INGL-Inglese".
        for (const QString& sep : {QStringLiteral(":"), QStringLiteral(" - "), QStringLiteral(" "),
                                   QStringLiteral("-")}) {
            const qsizetype at = s.indexOf(sep);
            if (at > 0 && ((*this)(s.left(at)) || exact_.count(s.left(at + sep.size()))) &&
                (*this)(s.mid(at + sep.size())))
                return true;
        }
        return false;
    }

private:
    std::set<QString> exact_;
    std::vector<QRegularExpression> patterns_;
};

// The strings a user sees in a window: (where, text).
std::vector<std::pair<std::string, QString>> visibleTexts(QWidget* root) {
    std::vector<std::pair<std::string, QString>> out;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->isVisible())
            continue;
        const std::string name = w->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(w))
            out.emplace_back(name, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            out.emplace_back(name, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            out.emplace_back(name, group->title());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            // Every entry: the one not chosen is a click away.
            for (int i = 0; i < combo->count(); ++i)
                out.emplace_back(name, combo->itemText(i));
        else if (auto* tree = qobject_cast<QTreeWidget*>(w))
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                out.emplace_back(name, (*it)->text(0));
        else if (auto* view = qobject_cast<QTableView*>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                if (!view->isColumnHidden(c) && !view->horizontalHeader()->isHidden())
                    out.emplace_back(name + " column",
                                     view->model()->headerData(c, Qt::Horizontal).toString());
    }
    return out;
}

struct English : contracttest::HostedCard {
    framework::Catalogue catalogue() override {
        return framework::Catalogue::FromFile(kRoot + "/demo/messages_en.tsv");
    }
    void SetUp() override {
        HostedCard::SetUp();
        allowed.addCatalogue(kRoot + "/demo/messages_en.tsv");
        allowed.addTableValues(path);
        // Qt's own buttons in English (the host installs Qt's translation).
        for (const char* t : {"OK", "Cancel", "Yes", "No", "Abort", "Retry", "Ignore"})
            allowed.add(QString::fromLatin1(t));
    }
    void expectEnglish(QWidget* root, const std::string& where) {
        for (const auto& [name, text] : visibleTexts(root))
            EXPECT_TRUE(allowed(text)) << where << ", " << name << ": \"" << text.toStdString()
                                       << "\" is neither English nor a table's value";
    }
    void expectEnglishMessages(const std::string& where) {
        for (const std::string& m : cardtest::shownMessages())
            EXPECT_TRUE(allowed(QString::fromStdString(m)))
                << where << ": message \"" << m << "\" is not an English catalogue text";
        cardtest::clearMessages();
    }
    // MAGLIA-001 on the options tab; its state.
    groupings::StatoOpzioni& optionsTab() {
        open();
        choose("MAGLIA-001");
        w->selectTab(common::kTabGestioneVarianti);
        return w->shared<groupings::StatoOpzioni>();
    }
    // A window that `open` shows modally, looked at and closed; whether it was.
    template <class Window>
    bool onWindow(const std::function<void()>& open, const std::function<void(Window*)>& look) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (!shown)
                return;
            seen = true;
            look(shown);
            shown->reject();
        });
        open();
        return seen;
    }
    Allowed allowed;
};

TEST_F(English, EveryTabAndTheWindowsItsCommandsOpenSpeakEnglish) {
    open();
    choose("MAGLIA-001");
    expectEnglish(w, "the window");
    for (int tab = 0; tab < common::kTabCount; ++tab) {
        w->selectTab(tab);
        QApplication::processEvents();
        const std::string where = "tab " + std::to_string(tab);
        expectEnglish(w->page(tab), where);
        expectEnglishMessages(where);
    }
}

// Beyond the tabs' own controls: every grid's menu, and a look-up list with
// its title, search caption and column captions.
TEST_F(English, GridMenusAndLookUpListsSpeakEnglish) {
    open();
    choose("MAGLIA-001");
    int menus = 0;
    for (int tab = 0; tab < common::kTabCount; ++tab) {
        w->selectTab(tab);
        QApplication::processEvents();
        for (controls::DataGrid* grid : w->page(tab)->findChildren<controls::DataGrid*>()) {
            controls::GridExchange* exchange = controls::GridExchange::Of(grid);
            if (!exchange)
                continue;
            std::unique_ptr<QMenu> menu(exchange->ContextMenu(grid));
            for (QAction* a : menu->actions()) {
                if (!a->isSeparator()) {
                    EXPECT_TRUE(allowed(a->text()))
                        << "tab " << tab << ", " << grid->objectName().toStdString()
                        << "'s menu: \"" << a->text().toStdString() << "\"";
                }
            }
            ++menus;
        }
    }
    EXPECT_GT(menus, 5);

    w->CMD_NUOVO()->click();  // a new search: the code box takes a code again
    QApplication::processEvents();
    w->TXT_CODART()->setFocus();
    bool listed = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<controls::LookupDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        listed = true;
        EXPECT_TRUE(allowed(dialog->windowTitle())) << dialog->windowTitle().toStdString();
        expectEnglish(dialog, "the item list");
        dialog->reject();
    });
    QTest::keyClick(w->TXT_CODART(), Qt::Key_F4);
    QApplication::processEvents();
    EXPECT_TRUE(listed);
    expectEnglishMessages("the item list");
}

// The host's navigator translates its buttons by their text: every one has
// its English caption and tip in the catalogue.
TEST_F(English, TheNavigatorsButtonsHaveTheirEnglishCaptions) {
    const framework::Catalogue english = catalogue();
    framework::Navigator navigator;
    QWidget parent;
    std::unique_ptr<QToolBar> bar(navigator.CreateToolBar(&parent));
    int buttons = 0;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator())
            continue;
        ++buttons;
        const std::string text = a->text().toStdString();
        const std::string tip = a->toolTip().section(QStringLiteral(" ("), 0, 0).toStdString();
        for (const std::string& italian : {text, tip}) {
            const QString shown = QString::fromStdString(english.Translate(italian));
            EXPECT_TRUE(allowed(shown) &&
                        (shown.toStdString() != italian || italian == "Multimedia"))
                << "\"" << italian << "\" has no English caption";
        }
    }
    EXPECT_EQ(buttons, 10);
}

// A window a command opens speaks English too, and reaches its commands by
// Alt+letter: the groupings window of the grouping box's menu.
TEST_F(English, TheGroupingsWindowSpeaksEnglishAndItsCommandsHaveLetters) {
    auto& st = optionsTab();
    ASSERT_NE(st.TXT_RAGGR1, nullptr);
    const bool seen = onWindow<groupings::FRMMG_RAGGR>(
        [&] { st.TXT_RAGGR1->TriggerMenuEntry("Kgestione"); },
        [&](groupings::FRMMG_RAGGR* groupings) {
            expectEnglish(groupings, "the groupings window");
            int commands = 0;
            for (QPushButton* b : groupings->findChildren<QPushButton*>())
                if (b->isVisible()) {
                    ++commands;
                    EXPECT_TRUE(b->text().contains(QLatin1Char('&'))) << b->text().toStdString();
                }
            EXPECT_EQ(commands, 4);
        });
    EXPECT_TRUE(seen);
    expectEnglishMessages("the groupings window");
}

// The grouping box's own menu, opened as a right click opens it, speaks
// English too.
TEST_F(English, TheGroupingBoxMenuSpeaksEnglish) {
    auto& st = optionsTab();
    ASSERT_NE(st.TXT_RAGGR1, nullptr);
    QStringList entries;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                entries << a->text();
            menu->close();
        }
    });
    const QPoint at(4, 4);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at,
                            st.TXT_RAGGR1->LineEdit()->mapToGlobal(at));
    QApplication::sendEvent(st.TXT_RAGGR1->LineEdit(), &click);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(allowed(entries.front())) << entries.front().toStdString();
}

// The preview of an option import: outcome, reasons, summary, captions and
// commands in English.
TEST_F(English, TheOptionImportPreviewSpeaksEnglish) {
    auto& st = optionsTab();
    ASSERT_NE(st.GRDX_VARIANTI_SOURCE, nullptr);
    QApplication::clipboard()->setText(
        QStringLiteral("XS\tExtra small\n3XL\tTriple\nO'K\tx\n"
                       "XXXXXXXXXXXXXXXXXXXXXXXXX\tlong\n"
                       "3XL\tagain\n\tno code\n"));
    const bool seen = onWindow<groupings::FRM_IMPORTAOPZIONI>(
        [&] { controls::GridExchange::Of(st.GRDX_VARIANTI_SOURCE.data())->Paste(); },
        [&](groupings::FRM_IMPORTAOPZIONI* preview) {
            expectEnglish(preview, "the import preview");
            const controls::DataGrid* grid = preview->GRD_ANTEPRIMA;
            for (long r = 0; r < grid->model()->rowCount(); ++r)
                for (int c : {0, 3})
                    EXPECT_TRUE(allowed(grid->CellText(r, c)))
                        << "row " << r << ": " << grid->CellText(r, c).toStdString();
            EXPECT_TRUE(preview->CMD_ANNULLA->text().contains(QLatin1Char('&')));
        });
    EXPECT_TRUE(seen);
    expectEnglishMessages("the import preview");
}

// Tab 9 beyond its first look: the menus of the linked managements, the
// bill-of-materials duplication they open, and the item duplication window
// with the message of a missing code.
TEST_F(English, TheLinkedManagementsAndBothDuplicationsSpeakEnglish) {
    open();
    choose("MAGLIA-001");
    w->selectTab(common::kTabGestioni);
    QApplication::processEvents();
    int entries = 0;
    for (QToolButton* b : w->findChildren<QToolButton*>()) {
        if (!b->menu())
            continue;
        EXPECT_TRUE(allowed(b->toolTip()))
            << b->objectName().toStdString() << "'s tip: \"" << b->toolTip().toStdString() << "\"";
        for (QAction* a : b->menu()->actions()) {
            ++entries;
            EXPECT_TRUE(allowed(a->text()))
                << b->objectName().toStdString() << ": \"" << a->text().toStdString() << "\"";
        }
    }
    EXPECT_GE(entries, 23);

    // The preview's header check is a sign before its caption.
    allowed.add(QStringLiteral("\u2610"));
    allowed.add(QStringLiteral("\u2611"));
    QAction* entry = w->findChild<QAction*>("kDuplicazioneDistinta");
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QApplication::processEvents();
    auto* tab = dynamic_cast<card::GestioniTab*>(w->tab(common::kTabGestioni));
    ASSERT_NE(tab, nullptr);
    auto* pane = dynamic_cast<duplication::DuplPane*>(tab->duplPane());
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(pane->FRAME_DUPL->isVisible());
    expectEnglish(w->page(common::kTabGestioni), "the duplication pane");
    expectEnglishMessages("the duplication pane");

    const bool seen = onWindow<duplication::FRMMG_ARTDUPL>(
        [&] { pane->CMD_DUPLART->click(); },
        [&](duplication::FRMMG_ARTDUPL* dialog) {
            EXPECT_TRUE(allowed(dialog->windowTitle())) << dialog->windowTitle().toStdString();
            expectEnglish(dialog, "the item duplication");
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                EXPECT_TRUE(b->text().contains(QLatin1Char('&'))) << b->text().toStdString();
            dialog->TXT_CODART_NEW->clear();
            dialog->CMD_DUPLICA->click();  // no code: the user is told
        });
    EXPECT_TRUE(seen);
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    expectEnglishMessages("the item duplication");
}

// The captions of the item summary's list, and what the pictures tab says
// of a picture it cannot show.
TEST_F(English, TheSummaryListAndThePicturesSpeakEnglish) {
    struct Pictures : card::ImageSource {
        std::vector<card::Immagine> immagini(const std::string&, const std::string&, int,
                                             const std::string&) override {
            return list;
        }
        std::vector<card::Immagine> list;
        ~Pictures() override { card::setImageSource(nullptr); }
    } pictures;
    QTemporaryDir files;
    const QString text = files.filePath(QStringLiteral("notes.png"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    pictures.list = {{files.filePath(QStringLiteral("lost.png")).toStdString(), "Lost"},
                     {text.toStdString(), "Notes"}};
    card::setImageSource(&pictures);

    open();
    choose("MAGLIA-001");
    w->selectTab(common::kTabDatiAnagrafici);
    QApplication::processEvents();
    auto* list = w->page(common::kTabDatiAnagrafici)->findChild<controls::DataGrid*>("FLEX_ANAG");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->model()->rowCount(), 19);
    for (long r = 0; r < list->model()->rowCount(); ++r)
        EXPECT_TRUE(allowed(list->CellText(r, 1)))
            << "summary row " << r << ": \"" << list->CellText(r, 1).toStdString() << "\"";

    w->selectTab(common::kTabImmagini);
    QApplication::processEvents();
    expectEnglish(w->page(common::kTabImmagini), "the pictures");
    expectEnglishMessages("the pictures");
}

}  // namespace
