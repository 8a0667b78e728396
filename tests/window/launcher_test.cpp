// The linked-management launcher in the real item card window on the demo
// database: the toolbar and tab 9's menu buttons, the context each
// management receives (read from its window while it is shown), the item
// master handing back another item, the variant console after a choice on
// the options tab, a management that cannot be opened, and the host's
// active component around a launch.

#include "window/launcher.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <deque>
#include <functional>
#include <map>
#include <set>

#include "common/item_card.h"
#include "common/window_services.h"
#include "demo/demo_database.h"
#include "groupings/option_lists.h"
#include "host/anagrafica_articolo.h"
#include "host/host_programs.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/side_bar.h"
#include "platform/db/connection.h"
#include "platform/framework/component_base.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/global.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/window/card_window.h"
#include "window/frmmg_veldrano.h"
#include "window/launcher_programs.h"

namespace {

using Answers = cardtest::ScriptedDialogs;

// A management window as the user saw it.
struct Shown {
    std::string window, title;
    std::map<std::string, std::string> fields;  // line edits by name
    std::string field(const std::string& name) const {
        auto it = fields.find(name);
        return it == fields.end() ? "<missing>" : it->second;
    }
};

QDialog* openManagement() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w);
            d && d->isVisible() && d->objectName().startsWith("FRMHOST_"))
            return d;
    return nullptr;
}

// Runs launch; every management it opens is read while shown and then
// handled by act (closed when act is empty).
std::vector<Shown> whileOpen(const std::function<void()>& launch,
                             const std::function<void(QDialog*)>& act = {}) {
    std::vector<Shown> seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QDialog* d = openManagement();
        if (!d)
            return;
        Shown s{d->objectName().toStdString(), d->windowTitle().toStdString(), {}};
        for (auto* e : d->findChildren<QLineEdit*>())
            s.fields[e->objectName().toStdString()] = e->text().toStdString();
        seen.push_back(s);
        if (act)
            act(d);
        else
            d->reject();
    });
    timer.start();
    launch();
    timer.stop();
    return seen;
}

std::vector<std::string> keys(QMenu* menu) {
    std::vector<std::string> out;
    for (QAction* a : menu->actions())
        out.push_back(a->data().toString().toStdString());
    return out;
}

QAction* action(QMenu* menu, const std::string& key) {
    for (QAction* a : menu->actions())
        if (a->data().toString().toStdString() == key)
            return a;
    return nullptr;
}

struct Launcher : cardtest::DemoFileTest {
    static void SetUpTestSuite() {
        host::RegisterHostPrograms();
        DemoFileTest::SetUpTestSuite();
    }
    void SetUp() override {
        common::setDialoghi(&dialogs);
        open("1");
    }
    void TearDown() override {
        w.reset();
        host::RegisterHostPrograms();  // a test may have taken one away
        common::setDialoghi(nullptr);
    }
    void open(const std::string& ditta, framework::Cinterface* host = nullptr) {
        w = std::make_unique<card::FRMMG_VELDRANO>();
        if (host)
            w->setComponent(host, nullptr);
        else
            w->setContext("Data Source=" + path, ditta);
        w->Form_Load();
        w->show();
        w->Form_Activate();
    }
    void choose(const std::string& code) {
        w->TXT_CODART()->setText(QString::fromStdString(code));
        w->TXT_CODART_Confirm(code);
        ASSERT_EQ(w->currentItem(), code);
    }
    QMenu* toolbarMenu() const {
        auto* b =
            w->TBAR_GESTIONICOLLEGATE()->findChild<QToolButton*>("TBAR_GESTIONICOLLEGATE_MENU");
        return b ? b->menu() : nullptr;
    }
    QToolButton* menuButton(const char* name) const {
        return w->page(common::kTabGestioni)->findChild<QToolButton*>(name);
    }
    // Launches a toolbar entry or a menu button's entry by its key, as a click does.
    std::vector<Shown> launch(const std::string& key,
                              const std::function<void(QDialog*)>& act = {}) {
        QAction* a = action(toolbarMenu(), key);
        for (const char* b : {"CMD_GESTANAG", "CMD_GESTDIBA", "CMD_GESTCICLI", "CMD_GESTELAB"})
            if (!a)
                a = action(menuButton(b)->menu(), key);
        EXPECT_NE(a, nullptr) << key;
        return a ? whileOpen([a] { a->trigger(); }, act) : std::vector<Shown>{};
    }

    Answers dialogs;
    std::unique_ptr<card::FRMMG_VELDRANO> w;
};

}  // namespace

// Every linked management is reached without the mouse: the toolbar's
// button and the menu buttons of tab 9 by their Alt letters, a menu button
// with the focus by Down or F4; each opens its own menu.
TEST_F(Launcher, EveryMenuOpensFromTheKeyboard) {
    choose("MAGLIA-001");
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    auto letterOf = [](const QString& text) -> char {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower().toLatin1() : '\0';
    };
    // Whether `press` opened the button's menu (closed again at once).
    auto opens = [&](QToolButton* b, const std::function<void()>& press) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            shown = menu && menu == b->menu() && !menu->actions().isEmpty();
            if (menu)
                menu->close();
        });
        press();
        QApplication::processEvents();
        return shown;
    };
    std::set<char> letters;
    auto* bar = w->TBAR_GESTIONICOLLEGATE()->findChild<QToolButton*>("TBAR_GESTIONICOLLEGATE_MENU");
    ASSERT_NE(bar, nullptr);
    const char toolbar = letterOf(bar->text());
    ASSERT_NE(toolbar, '\0') << bar->text().toStdString();
    letters.insert(toolbar);
    EXPECT_TRUE(opens(bar, [&] { QTest::keyClick(w.get(), toolbar, Qt::AltModifier); }));

    w->selectTab(common::kTabGestioni);
    QApplication::processEvents();
    for (const char* name : {"CMD_GESTANAG", "CMD_GESTDIBA", "CMD_GESTCICLI", "CMD_GESTELAB"}) {
        QToolButton* b = menuButton(name);
        ASSERT_NE(b, nullptr) << name;
        const char letter = letterOf(b->text());
        ASSERT_NE(letter, '\0') << name << ": " << b->text().toStdString();
        EXPECT_TRUE(letters.insert(letter).second) << name << " repeats a letter";
        // From the side bar, where the tab was chosen. (The offscreen
        // platform leaves no window active once a menu closes.)
        QApplication::setActiveWindow(w.get());
        w->KOV_SIDEBAR()->setFocus();
        EXPECT_TRUE(opens(b, [&] { QTest::keyClick(w.get(), letter, Qt::AltModifier); })) << name;
        b->setFocus();
        EXPECT_TRUE(opens(b, [&] { QTest::keyClick(b, Qt::Key_Down); })) << name;
        EXPECT_TRUE(opens(b, [&] { QTest::keyClick(b, Qt::Key_F4); })) << name;
    }
}

TEST_F(Launcher, EntriesInTheirOrderAndDivisionalDataOnlyWhereTheCompanyKeepsThem) {
    const std::vector<std::string> conDivisionali = {
        "Key_Anagrart",  "Key_ConfigVarianti", "Key_Vincoli",
        "Key_Stati",     "Key_Stagioni",       "Key_Assortimenti",
        "Key_Ereditagr", "Key_StampeGest",     "Key_DatiDivisionali"};
    ASSERT_NE(toolbarMenu(), nullptr);
    EXPECT_EQ(keys(toolbarMenu()), conDivisionali);  // company 1 keeps divisional data
    EXPECT_EQ(toolbarMenu()->actions().at(6)->text().toStdString(),
              "Ereditariet\xC3\xA0 per raggruppamenti");
    // Nothing to open before an item is shown, and after a new search.
    EXPECT_FALSE(w->TBAR_GESTIONICOLLEGATE()->isEnabled());
    choose("MAGLIA-001");
    EXPECT_TRUE(w->TBAR_GESTIONICOLLEGATE()->isEnabled());
    w->CMD_NUOVO()->click();
    EXPECT_FALSE(w->TBAR_GESTIONICOLLEGATE()->isEnabled());
    EXPECT_TRUE(
        whileOpen([&] { card::TBAR_GESTIONICOLLEGATE_MenuItemClick(*w, "Key_Stagioni"); }).empty());

    // Tab 9's menu buttons with their entries in order.
    EXPECT_EQ(keys(menuButton("CMD_GESTANAG")->menu()),
              (std::vector<std::string>{"kDatiProd", "kProvProd", "kTipiProd", "kReparti", "kFasi",
                                        "kCommesse"}));
    EXPECT_EQ(
        keys(menuButton("CMD_GESTDIBA")->menu()),
        (std::vector<std::string>{"kDistintaBase", "kDuplicazioneDistinta", "kDistintaFashion"}));
    EXPECT_EQ(keys(menuButton("CMD_GESTCICLI")->menu()),
              (std::vector<std::string>{"kCicli", "kAnagraficaCicli", "kDuplicazioneCicli"}));
    EXPECT_EQ(keys(menuButton("CMD_GESTELAB")->menu()),
              (std::vector<std::string>{"kEsplosione", "kStampaDistinta", "kGestionali"}));

    // Company 2 keeps none: no entry, and its key opens nothing.
    w.reset();
    open("2");
    std::vector<std::string> senza = conDivisionali;
    senza.pop_back();
    EXPECT_EQ(keys(toolbarMenu()), senza);
    choose("ABITO-SU01");
    EXPECT_EQ(action(toolbarMenu(), "Key_DatiDivisionali"), nullptr);
}

TEST_F(Launcher, EveryEntryOpensItsManagementOnTheCurrentItemAndTheCardStaysAsItWas) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabGestioni);
    const std::map<std::string, std::string> programs = {
        {"Key_Stati", card::kProgStatiVariante},
        {"Key_Stagioni", card::kProgStagioni},
        {"Key_Assortimenti", card::kProgAssortimenti},
        {"Key_StampeGest", card::kProgStampeGestionali},
        {"Key_DatiDivisionali", card::kProgDatiDivisionali},
        {"Key_Ereditagr", card::kProgIdEreditagr},
        {"kDatiProd", card::kProgDatiProduzione},
        {"kProvProd", card::kProgProvenienzaProdotto},
        {"kTipiProd", card::kProgTipiProdotto},
        {"kReparti", card::kProgReparti},
        {"kFasi", card::kProgFasi},
        {"kCommesse", card::kProgCommesse},
        {"kDistintaBase", card::kProgDistintaBase},
        {"kDistintaFashion", card::kProgDistintaFashion},
        {"kAnagraficaCicli", card::kProgAnagraficaCiclo},
        {"kEsplosione", card::kProgEsplosioneDistinta},
        {"kStampaDistinta", card::kProgStampaDistinta},
        {"kGestionali", card::kProgStampeGestionali},
    };
    for (const auto& [key, program] : programs) {
        const auto seen = launch(key);
        ASSERT_EQ(seen.size(), 1u) << key;
        EXPECT_EQ(seen[0].field("TXT_PROGRAMMA"), program) << key;
        EXPECT_EQ(seen[0].field("TXT_DITTA"), "1");
        EXPECT_EQ(seen[0].field("TXT_ARTICOLO"), "MAGLIA-001") << key;
        EXPECT_EQ(seen[0].field("TXT_DESCART"), "Maglia girocollo lana merino") << key;
        EXPECT_EQ(seen[0].field("TXT_CICLO"), "<missing>") << key;
    }
    // The rules configurator takes the item as its external code.
    auto seen = launch("Key_Vincoli");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].field("TXT_PROGRAMMA"), card::kProgIdVincoli);
    EXPECT_EQ(seen[0].field("TXT_CODESTERNO"), "MAGLIA-001");
    EXPECT_EQ(seen[0].field("TXT_ARTICOLO"), "<missing>");
    // The routing managements receive the item's standard routing.
    for (const char* key : {"kCicli", "kDuplicazioneCicli"}) {
        seen = launch(key);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].field("TXT_CICLO"), "CIC-MAGL01") << key;
    }
    // The elaborations button itself, and keys of no entry, open nothing.
    EXPECT_TRUE(whileOpen([&] { menuButton("CMD_GESTELAB")->click(); }).empty());
    EXPECT_TRUE(whileOpen([&] {
                    card::CMD_GESTIONI_MenuItemClick(*w, "kElaborazioni");
                    card::CMD_GESTIONI_MenuItemClick(*w, "Key_Stagioni");
                    card::TBAR_GESTIONICOLLEGATE_MenuItemClick(*w, "kCicli");
                }).empty());
    // Nothing was reported and the card is where it was.
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
    EXPECT_EQ(w->currentTab(), common::kTabGestioni);
    EXPECT_EQ(w->FME_ART()->Status(), 0);

    // An item without a standard routing: the routing is empty.
    w->CMD_NUOVO()->click();
    choose("MAGLIA-003");
    for (const char* key : {"kCicli", "kDuplicazioneCicli"}) {
        seen = launch(key);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].field("TXT_ARTICOLO"), "MAGLIA-003");
        EXPECT_EQ(seen[0].field("TXT_CICLO"), "") << key;
    }
    EXPECT_EQ(card::RecuperaCicloSTD(*w), "");
}

TEST_F(Launcher, DuplicationOfBillsOfMaterialsShowsThePaneOfTab9) {
    choose("MAGLIA-001");
    auto visible = [&] {
        const auto frames = w->page(common::kTabGestioni)->findChildren<QWidget*>("FRAME_DUPL");
        bool all = !frames.isEmpty();
        for (QWidget* f : frames)
            all = all && f->isVisible();
        return all;
    };
    EXPECT_FALSE(visible());
    EXPECT_TRUE(launch("kDuplicazioneDistinta").empty());
    EXPECT_EQ(w->currentTab(), common::kTabGestioni);
    EXPECT_TRUE(visible());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Launcher, TheVariantConsoleOpensOnVarWithoutAChoiceAndOnRagVarWithOne) {
    // No variant chosen on the options tab yet.
    choose("MAGLIA-001");
    auto seen = launch("Key_ConfigVarianti");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].field("TXT_PROGRAMMA"), "VAR");
    EXPECT_EQ(seen[0].field("TXT_VARIANTE"), "");
    EXPECT_EQ(seen[0].field("TXT_RAGGRUPPAMENTO"), "");
    EXPECT_EQ(seen[0].field("TXT_ARTICOLO"), "MAGLIA-001");

    // The options tab shows the first variant with its grouping.
    w->selectTab(common::kTabGestioneVarianti);
    const auto& opzioni = w->shared<groupings::StatoOpzioni>();
    ASSERT_EQ(opzioni.variante, "A0");
    ASSERT_EQ(opzioni.raggruppamento, "TG-LETTERE");
    seen = launch("Key_ConfigVarianti");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].field("TXT_PROGRAMMA"), "VAR.RagVar");
    EXPECT_EQ(seen[0].field("TXT_VARIANTE"), "A0");
    EXPECT_EQ(seen[0].field("TXT_RAGGRUPPAMENTO"), "TG-LETTERE");

    // A variant without a grouping: the plain console again.
    w->CMD_NUOVO()->click();
    choose("MAGLIA-002");
    w->selectTab(common::kTabGestioneVarianti);
    ASSERT_EQ(w->shared<groupings::StatoOpzioni>().variante, "A0");
    seen = launch("Key_ConfigVarianti");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].field("TXT_PROGRAMMA"), "VAR");
    EXPECT_EQ(seen[0].field("TXT_VARIANTE"), "");
    EXPECT_EQ(seen[0].field("TXT_RAGGRUPPAMENTO"), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Launcher, TheItemMasterHandsBackAnotherItemAndTheCardMovesToIt) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabDatiAnagrafici);
    ASSERT_EQ(w->loadedItem(common::kTabDatiAnagrafici), "MAGLIA-001");
    auto confirm = [](const std::string& code) {
        return [code](QDialog* d) {
            auto* m = static_cast<host::FRMHOST_ANAGRART*>(d);
            m->TXT_CODART->setText(QString::fromStdString(code));
            m->CMD_CONFERMA->click();
        };
    };

    // Closed without a choice, or confirmed on the same item: nothing changes.
    auto seen = launch("Key_Anagrart");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].window, "FRMHOST_ANAGRART");
    EXPECT_EQ(seen[0].field("TXT_CODART"), "MAGLIA-001");
    EXPECT_EQ(seen[0].field("TXT_DESCART"), "Maglia girocollo lana merino");
    w->clearLoadedItem(common::kTabImmagini);  // a reload would fill it again
    seen = launch("Key_Anagrart", confirm("MAGLIA-001"));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
    EXPECT_EQ(w->FME_ART()->Status(), 0);
    EXPECT_FALSE(w->TXT_CODART()->isEnabled());
    EXPECT_EQ(w->loadedItem(common::kTabImmagini), "");
    EXPECT_FALSE(w->reloadPending());

    // An unknown code is refused in the item master, which stays open;
    // another item then moves the card to it and reloads the current tab.
    int round = 0;
    seen = launch("Key_Anagrart", [&](QDialog* d) {
        auto* m = static_cast<host::FRMHOST_ANAGRART*>(d);
        if (round++ == 0) {
            m->TXT_CODART->setText("NON-ESISTE");
            EXPECT_FALSE(m->CMD_CONFERMA_Click());
            EXPECT_NE(m->LBL_ESITO->text().toStdString().find("NON-ESISTE"), std::string::npos);
            EXPECT_TRUE(m->isVisible());
        } else {
            confirm("MAGLIA-002")(d);
        }
    });
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(w->currentItem(), "MAGLIA-002");
    EXPECT_EQ(w->TXT_CODART()->text().trimmed().toStdString(), "MAGLIA-002");
    EXPECT_EQ(w->TXT_DESCART()->text().toStdString(), "Cardigan cashmere con bottoni");
    EXPECT_EQ(w->currentTab(), common::kTabDatiAnagrafici);
    EXPECT_EQ(w->loadedItem(common::kTabDatiAnagrafici), "MAGLIA-002");
    EXPECT_EQ(w->FME_ART()->Status(), 0);
    EXPECT_TRUE(dialogs.shown.empty());

    // A code handed back that the card cannot find (deleted meanwhile)
    // leaves it on the item it showed, and says so.
    db::Connection other;
    other.open("Data Source=" + path);
    seen = launch("Key_Anagrart", [&](QDialog* d) {
        other.execute(
            "INSERT INTO MG66_ANAGRART (MG66_DITTA_CG18, MG66_CODART, MG66_DESCART, MG66_UM) "
            "VALUES (1, 'TEMP-ITEM', 'Articolo provvisorio', 'PZ')");
        confirm("TEMP-ITEM")(d);
        other.execute("DELETE FROM MG66_ANAGRART WHERE MG66_CODART = 'TEMP-ITEM'");
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(w->currentItem(), "MAGLIA-002");
    EXPECT_EQ(w->TXT_CODART()->text().trimmed().toStdString(), "MAGLIA-002");
    EXPECT_EQ(w->FME_ART()->Status(), 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].find("TEMP-ITEM"), std::string::npos) << dialogs.shown[0];
}

TEST_F(Launcher, AManagementThatCannotBeOpenedIsReportedAndTheCardStaysAsItWas) {
    choose("MAGLIA-001");
    w->selectTab(common::kTabGestioni);
    const std::string loaded = w->loadedItem(common::kTabGestioni);
    for (const auto& [key, program, procedure] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"Key_Stagioni", card::kProgStagioni, "Invoca_Stagioni"},
             {"Key_Vincoli", card::kProgIdVincoli, "Invoca_Vincoli"},
             {"Key_Anagrart", card::kProgAnagraficaArticolo, "Invoca_AnagraficaArticolo"},
             {"kCicli", card::kProgCicloLavorazione, "Invoca_CicloLavorazione"}}) {
        framework::UnregisterComponent(program);
        dialogs.shown.clear();
        EXPECT_TRUE(launch(key).empty()) << key;  // abort
        ASSERT_EQ(dialogs.shown.size(), 1u) << key;
        EXPECT_EQ(dialogs.shown[0].rfind(procedure + ": ", 0), 0u) << dialogs.shown[0];
        EXPECT_NE(dialogs.shown[0].find(program), std::string::npos) << dialogs.shown[0];
        EXPECT_EQ(w->currentItem(), "MAGLIA-001");
        EXPECT_EQ(w->currentTab(), common::kTabGestioni);
        EXPECT_EQ(w->loadedItem(common::kTabGestioni), loaded);
        EXPECT_EQ(w->FME_ART()->Status(), 0);
        EXPECT_TRUE(w->TBAR_GESTIONICOLLEGATE()->isEnabled());
    }
    // Retry once the program is there again: it opens, once.
    dialogs.shown.clear();
    dialogs.answers = {common::vbRetry};
    dialogs.onReport = [](const common::RapportoErrore&) { host::RegisterHostPrograms(); };
    framework::UnregisterComponent(card::kProgStagioni);
    const auto seen = launch("Key_Stagioni");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].field("TXT_PROGRAMMA"), card::kProgStagioni);
}

namespace {

// The host's side of the card: the component the host serves.
struct HostComponent : framework::ComponentBase {
    QWidget* CreateForm(QWidget*) override { return nullptr; }
};

}  // namespace

TEST_F(Launcher, WithAHostTheManagementIsActiveWhileShownAndTheCardAfterwards) {
    w.reset();
    db::Connection hostConnection;
    hostConnection.open("Data Source=" + path);
    framework::Global global;
    global.SetConnectionString("Data Source=" + path);
    global.SetHostConnection(&hostConnection);
    global.SetCurrentCompany(framework::Company::Load(hostConnection, "1"));
    HostComponent component;
    component.SetClsGlobal(&global);
    component.SetIsActive(true);
    global.SetActiveComponent(&component);
    open("1", &component);
    choose("MAGLIA-001");
    // The card's own activation is over before the management opens.
    QApplication::processEvents();

    framework::Cinterface* activeWhileShown = nullptr;
    bool cardActiveWhileShown = true;
    const auto seen = launch("Key_Stagioni", [&](QDialog* d) {
        activeWhileShown = global.ActiveComponent();
        cardActiveWhileShown = component.IsActive();
        d->reject();
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].field("TXT_ARTICOLO"), "MAGLIA-001");
    EXPECT_NE(activeWhileShown, &component);
    EXPECT_FALSE(cardActiveWhileShown);
    EXPECT_EQ(global.ActiveComponent(), &component);
    EXPECT_TRUE(component.IsActive());

    // A sibling the card creates is shown by the host in the same way.
    global.SetActiveComponent(nullptr);
    EXPECT_EQ(launch("Key_Ereditagr").size(), 1u);
    EXPECT_EQ(global.ActiveComponent(), &component);
    EXPECT_TRUE(component.IsActive());
    w.reset();
}
