// The host framework: message catalogue and message boxes, the component
// registry and plug-in loading, ComponentBase, the navigator's events, the
// error report's dialog, the layout model and the multimedia manager.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <deque>
#include <fstream>

#include "demo/demo_database.h"
#include "platform/db/connection.h"
#include "platform/framework/component_base.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/error_report.h"
#include "platform/framework/form_events.h"
#include "platform/framework/global.h"
#include "platform/framework/hypermedia.h"
#include "platform/framework/multilingual.h"
#include "platform/framework/navigator.h"
#include "platform/framework/object_models.h"

namespace {

using framework::Navigator;

const std::string kCatalogue = std::string(VELDRANO_SOURCE_DIR) + "/demo/messages.tsv";

class Boxes : public framework::MessageBoxService {
public:
    std::vector<std::string> texts;
    std::deque<int> answers;
    int Show(const std::string& text, int, const std::string&) override {
        texts.push_back(text);
        if (answers.empty())
            return 1;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
};

// A sibling stand-in: only its window and one named property.
class Sibling : public framework::ComponentBase {
public:
    Sibling() { AcceptProperties({"PosizioneVariante"}); }
    bool dialog = true;
    std::string variant() const { return TextProperty("PosizioneVariante"); }
    db::Connection* connection() const { return ADOConnection(); }
    framework::Cinterface* caller() const { return ActiveInterface(); }
    const framework::Company* company() const { return ClsDittaCorrente(); }
    void answer(const db::Value& v) { SetResult("NuovoCodice", v); }

protected:
    QWidget* CreateForm(QWidget* parent) override {
        if (dialog)
            return new QDialog(parent);
        return new QWidget(parent);
    }
};

// Presses a button of the modal dialog on screen, once it is shown.
void pressLater(const QString& text, bool* seen = nullptr) {
    QTimer::singleShot(0, [text, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (seen)
            *seen = true;
        for (auto* b : modal->findChildren<QAbstractButton*>())
            if (b->text().remove('&') == text) {
                b->click();
                return;
            }
    });
}

}  // namespace

TEST(Catalogue, GivesTextsByNumberAndTheNumberedFallbackOtherwise) {
    framework::Catalogue c = framework::Catalogue::FromFile(kCatalogue);
    for (long n : {8522L, 10044L, 24233L, 30288L, 67919L})
        EXPECT_TRUE(c.Contains(n)) << n;
    EXPECT_EQ(c.Text(8522, {}), "Avviso Utente");
    EXPECT_EQ(c.Text(67919, {}), "l'articolo di Magazzino");
    // Parameters are inserted; a line break travels as \n in the file.
    EXPECT_EQ(c.Text(35377, {db::Value("GR'1")}),
              "Le descrizioni personalizzate del raggruppamento GR'1 saranno sovrascritte.\n"
              "Confermi il ribaltamento ?");
    EXPECT_EQ(c.Text(99999, {}, "Testo"), "[x99999x] Testo");
    EXPECT_EQ(c.Text(0, {}, "Testo"), "[x0x] Testo");

    // Comments, Windows line ends and lines without a number.
    QTemporaryDir dir;
    const std::string file = dir.filePath("m.tsv").toStdString();
    std::ofstream(file) << "# commento\r\n12\tUno\r\nabc\tNo\n\n13\tDue\\tcolonne\n";
    framework::Catalogue small = framework::Catalogue::FromFile(file);
    EXPECT_EQ(small.Size(), 2u);
    EXPECT_EQ(small.Text(12, {}), "Uno");
    EXPECT_EQ(small.Text(13, {}), "Due\tcolonne");
    try {
        framework::Catalogue::FromFile("/nessuna/cartella/messaggi.tsv");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nessuna/cartella/messaggi.tsv"), std::string::npos);
    }
}

TEST(Catalogue, MessagesGoThroughTheScriptableMessageBox) {
    Boxes boxes;
    framework::SetMessageBoxService(&boxes);
    framework::Multilingual m(framework::Catalogue::FromFile(kCatalogue));
    boxes.answers = {6};
    EXPECT_EQ(m.ShowMessage(16949, {db::Value("B3-000001")}, 64, "t"), 6);
    m.ShowMessage(77777, {}, 64, "t", "Senza catalogo");
    m.ShowText("Testo libero", 0, "t");
    framework::CLSFW_MULTILINGUA own;
    own.KOVMsgBox("[x1x] Da solo", 0, "t");
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"Creato codice raggruppamento 'B3-000001'",
                                                     "[x77777x] Senza catalogo", "Testo libero",
                                                     "[x1x] Da solo"}));
    framework::SetMessageBoxService(nullptr);
}

TEST(Registry, CreatesByIdentifierAndNamesWhatItCannotLoad) {
    try {
        framework::CreateObject("ZOLT_NESSUNO.CLSMG_NESSUNO");
        FAIL();
    } catch (const framework::ComponentError& e) {
        EXPECT_NE(std::string(e.what()).find("ZOLT_NESSUNO.CLSMG_NESSUNO"), std::string::npos);
    }
    const std::string lib = std::string(VELDRANO_BINARY_DIR) + "/lib/";
    for (const std::string& bad : {lib + "libnon_esiste.so", lib + "libveldrano_db.so"}) {
        try {
            framework::LoadComponentLibrary(bad);
            FAIL() << bad;
        } catch (const framework::ComponentError& e) {
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
        }
    }
    // The card's library registers its class; a folder scan finds it too.
    framework::LoadComponentLibrary(lib + "libzolt_veldrano.so");
    ASSERT_TRUE(framework::IsRegistered("ZOLT_VELDRANO.CLSMG_VELDRANO"));
    framework::UnregisterComponent("ZOLT_VELDRANO.CLSMG_VELDRANO");
    EXPECT_GE(framework::LoadComponentLibraries(lib), 1);
    auto card = framework::CreateObject("ZOLT_VELDRANO.CLSMG_VELDRANO");
    EXPECT_EQ(card->ActiveDll(), card.get());
    EXPECT_EQ(card->Cwindow(), nullptr);
    EXPECT_EQ(card->CloseForm(), db::Value(true));  // nothing shown yet
}

TEST(ComponentBase, SiblingsWriteOnlyTheirWindowAndNamedProperties) {
    framework::RegisterComponent("TEST.SIBLING", [] { return std::make_unique<Sibling>(); });
    auto created = framework::CreateObject("TEST.SIBLING");
    auto& s = static_cast<Sibling&>(*created);
    db::Connection cn;
    framework::Company company;
    company.SetCode("2");
    Sibling caller;
    framework::HandContext(s, &cn, &caller, &company, "2", "ITA");
    EXPECT_EQ(s.connection(), &cn);
    EXPECT_EQ(s.caller(), &caller);
    EXPECT_EQ(s.company(), &company);
    EXPECT_EQ(s.GetProperty("CodiceDitta"), db::Value("2"));
    EXPECT_TRUE(s.SetProperty("PosizioneVariante", db::Value("B3 ")));
    EXPECT_EQ(s.variant(), "B3");
    EXPECT_FALSE(s.SetProperty("Sconosciuta", db::Value(1)));
    EXPECT_TRUE(s.GetProperty("Sconosciuta").isEmpty());
    s.answer(db::Value("NEW-1"));
    EXPECT_EQ(s.GetProperty("NuovoCodice"), db::Value("NEW-1"));
    s.SetWindowState(70000);
    EXPECT_EQ(s.WindowState(), 0);

    // Modal: ShowForm returns once the dialog is closed.
    s.SetCaption(db::Value("Opzioni"));
    s.SetWindowModal(true);
    bool seen = false;
    pressLater("", &seen);
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QDialog*>(s.Form())) {
            EXPECT_EQ(d->windowTitle(), "Opzioni");
            d->accept();
        }
    });
    EXPECT_TRUE(s.ShowForm().isEmpty());
    EXPECT_TRUE(seen);
    EXPECT_FALSE(s.Form()->isVisible());
    // A plain window shown modally, closed from inside.
    s.dialog = false;
    QTimer::singleShot(0, [&] { EXPECT_EQ(s.CloseForm(), db::Value(true)); });
    s.ShowForm();
    EXPECT_FALSE(s.Form()->isVisible());
    // Modeless: shown, then closed.
    s.SetWindowModal(false);
    s.ShowForm();
    EXPECT_TRUE(s.Form()->isVisible());
    EXPECT_EQ(s.CloseForm(), db::Value(true));
    EXPECT_FALSE(s.Form()->isVisible());
    framework::UnregisterComponent("TEST.SIBLING");
}

TEST(NavigatorEvents, ChangeOfCompanyCanBeCancelled) {
    Navigator nav;
    bool cancel = true;
    int before = 0, after = 0, switched = 0;
    QObject::connect(&nav, &Navigator::BeforeChangeDitta, [&](bool& c) {
        ++before;
        c = cancel;
    });
    QObject::connect(&nav, &Navigator::ChangeDitta, [&](const db::Value& v) {
        ++after;
        EXPECT_EQ(v, db::Value("2"));
    });
    EXPECT_FALSE(nav.ChangeCompany(db::Value("2"), [&] { ++switched; }));
    EXPECT_EQ(switched + after, 0);
    cancel = false;
    EXPECT_TRUE(nav.ChangeCompany(db::Value("2"), [&] { ++switched; }));
    EXPECT_EQ(before, 2);
    EXPECT_EQ(switched, 1);
    EXPECT_EQ(after, 1);
}

TEST(NavigatorEvents, ButtonsGoToTheComponentThenToTheHost) {
    Navigator nav;
    std::vector<int> pressed, acted;
    QObject::connect(&nav, &Navigator::ButtonPressed, [&](const db::Value&, int& b) {
        pressed.push_back(b);
        if (b == Navigator::kMultimedia)
            b = 0;  // taken over
    });
    QObject::connect(&nav, &Navigator::ButtonAction, [&](int b) { acted.push_back(b); });
    nav.Press(Navigator::kNext);
    nav.Press(Navigator::kMultimedia);
    EXPECT_EQ(pressed, (std::vector<int>{Navigator::kNext, Navigator::kMultimedia}));
    EXPECT_EQ(acted, (std::vector<int>{Navigator::kNext}));

    // The toolbar follows the frame's status; its actions press the buttons.
    QWidget host;
    QToolBar* bar = nav.CreateToolBar(&host);
    ASSERT_NE(bar, nullptr);
    for (int b : {Navigator::kFirst, Navigator::kSave, Navigator::kMultimedia})
        EXPECT_FALSE(nav.Action(b)->isEnabled()) << b;  // no frame yet
    nav.SetStatus(0);
    EXPECT_TRUE(nav.Action(Navigator::kNew)->isEnabled());
    EXPECT_FALSE(nav.Action(Navigator::kSave)->isEnabled());
    nav.SetStatus(1);
    EXPECT_TRUE(nav.Action(Navigator::kSave)->isEnabled());
    EXPECT_FALSE(nav.Action(Navigator::kDelete)->isEnabled());
    nav.SetStatus(2);
    EXPECT_TRUE(nav.Action(Navigator::kUndo)->isEnabled());
    EXPECT_TRUE(nav.Action(Navigator::kSearch)->isEnabled());
    EXPECT_FALSE(nav.Action(Navigator::kNew)->isEnabled());
    nav.Action(Navigator::kLast)->trigger();
    EXPECT_EQ(acted.back(), Navigator::kLast);
    int refreshed = 0;
    QObject::connect(&nav, &Navigator::Refreshed, [&] { ++refreshed; });
    nav.Refresh();
    EXPECT_EQ(nav.Refreshes(), 1);
    EXPECT_EQ(refreshed, 1);
}

TEST(NavigatorEvents, AWindowHandedOverMeetsTheModelsAndTheFormEvents) {
    Navigator nav;
    QWidget form;
    // Without models nothing is raised.
    int raised = 0;
    QObject::connect(&nav, &Navigator::InitializeLayoutObjectModel,
                     [&](QObject*, framework::LayoutModel*&) { ++raised; });
    nav.SetForm(&form);
    EXPECT_EQ(raised, 0);
    framework::LayoutModel layout;
    framework::ScriptModel script;
    nav.SetLayoutModel(&layout);
    nav.SetScriptModel(&script);
    QObject::connect(&nav, &Navigator::InitializeScriptObjectModel,
                     [&](QObject* f, framework::ScriptModel*& m) {
                         EXPECT_EQ(m->Register(f, "FORM", 0, "Modulo"), f);
                     });
    nav.SetForm(&form);
    EXPECT_EQ(raised, 1);
    ASSERT_NE(script.Find("FORM"), nullptr);
    EXPECT_EQ(script.Find("FORM")->object, &form);

    framework::FormEvents* events = nav.FormEventObject();
    ASSERT_NE(events, nullptr);
    events->SetHandler([](const framework::FormEvent&) { return true; });
    events->Execute(&form, "F", "F", 0, true);
    EXPECT_FALSE(events->Cancel());  // an open is never refused
    events->Execute(&form, "F", "F", 0, false);
    EXPECT_TRUE(events->Cancel());
    EXPECT_EQ(events->History().size(), 2u);
    nav.SupplyFormEvents(false);
    EXPECT_EQ(nav.FormEventObject(), nullptr);
}

TEST(ErrorReport, TheDialogShowsEveryProviderErrorAndAnswersTheButton) {
    framework::ErrorReport report;
    report.SetError({-2147217873, "Violazione di vincolo", "SQLite"});
    report.SetProviderErrors({{"23000", 787, "FOREIGN KEY constraint failed", "SQLite"},
                              {"01000", 0, "L'istruzione è stata interrotta.", "SQLite"}});
    int rows = 0;
    bool retryDefault = false;
    QString labels;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        for (auto* l : modal->findChildren<QLabel*>())
            labels += l->text() + "|";
        if (auto* list = modal->findChild<QTreeWidget*>("LST_ERRORI"))
            rows = list->topLevelItemCount();
        for (auto* b : modal->findChildren<QPushButton*>())
            if (b->text().remove('&') == "Retry" || b->text().remove('&') == "Riprova")
                retryDefault = b->isDefault();
    });
    pressLater("Retry");
    EXPECT_EQ(report.Show("ZOLT_VELDRANO", "Scheda prodotto", "CMD_ELIMINA_Click", 4370), 4);
    EXPECT_EQ(rows, 2);
    EXPECT_TRUE(retryDefault);
    EXPECT_TRUE(labels.contains("CMD_ELIMINA_Click"));
    EXPECT_TRUE(labels.contains("Scheda prodotto"));
    EXPECT_TRUE(labels.contains("Violazione di vincolo"));
    const std::string text = framework::ReportText(report.Data());
    EXPECT_NE(text.find("[23000] 787 FOREIGN KEY constraint failed"), std::string::npos);
    // Closing the dialog without a button is an abort.
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            static_cast<QDialog*>(modal)->reject();
    });
    EXPECT_EQ(report.Show("ZOLT_VELDRANO", "Scheda prodotto", "Form_Load", 4370), 3);
}

TEST(LayoutModel, RemembersAWindowsGeometryBetweenRuns) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("layout.ini");
    {
        framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        QWidget window;
        EXPECT_EQ(model.Register(&window, "VELDRANO"), &window);
        window.resize(713, 457);
        window.show();
        window.hide();  // saved when hidden
    }
    framework::LayoutModel model(std::make_unique<QSettings>(ini, QSettings::IniFormat));
    QWidget window;
    window.resize(200, 100);
    model.Register(&window, "VELDRANO");
    EXPECT_EQ(window.size(), QSize(713, 457));
    // Another name starts from its own geometry.
    QWidget other;
    other.resize(300, 200);
    model.Register(&other, "ALTRO");
    EXPECT_EQ(other.size(), QSize(300, 200));
}

TEST(HyperMedia, StoresRealFilesAndTheirIdentifier) {
    db::Connection cn;
    cn.open("Data Source=:memory:");
    demo::createSchema(cn);
    QTemporaryDir dir;
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::blue);
    const QString picture = dir.filePath("blu.png");
    img.save(picture);

    struct Script : framework::MediaPresenter {
        std::function<void(framework::CHyperMedia&)> run;
        void Present(framework::CHyperMedia& m, const std::string&) override { run(m); }
    } script;
    framework::SetMediaPresenter(&script);
    framework::CHyperMedia media;
    media.SetMode(1);
    media.SetDatabase(&cn);
    media.SetReference("O'BRIEN");
    std::vector<db::Value> created;
    QObject::connect(&media, &framework::CHyperMedia::AfterMediaCreate,
                     [&](const db::Value& id) { created.push_back(id); });
    auto rows = [&] {
        return cn.run("SELECT COUNT(*) FROM CG99_MULTIMEDIA").resultSets[0].rows[0][0].toText();
    };

    // Read only, no folder, a missing file: clear errors, nothing recorded.
    script.run = [&](framework::CHyperMedia& m) {
        EXPECT_THROW(m.AddFile(picture.toStdString()), std::runtime_error);
    };
    media.Open(db::Value("1"), db::Value(""), dir.filePath("media").toStdString(), db::Value(), 0,
               "", framework::CHyperMedia::kSoloLettura);
    media.Open(db::Value("1"), db::Value(""), "", db::Value(), 0, "",
               framework::CHyperMedia::kModifica);
    script.run = [&](framework::CHyperMedia& m) {
        try {
            m.AddFile(dir.filePath("manca.png").toStdString());
            ADD_FAILURE();
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("manca.png"), std::string::npos);
        }
    };
    media.Open(db::Value("1"), db::Value(""), dir.filePath("media").toStdString(), db::Value(), 0,
               "", framework::CHyperMedia::kModifica);
    EXPECT_EQ(rows(), "0");
    EXPECT_TRUE(created.empty());

    // Two files: one identifier, created once; the copies are real images.
    script.run = [&](framework::CHyperMedia& m) {
        m.AddFile(picture.toStdString(), "Fronte");
        m.AddFile(picture.toStdString());
    };
    media.Open(db::Value("1"), db::Value(""), dir.filePath("media").toStdString(), db::Value(0), 0,
               "", framework::CHyperMedia::kModifica);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].toText(), "1");
    auto files = framework::CHyperMedia::FilesOf(cn, "1", 1, "O'BRIEN");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].description, "Fronte");
    EXPECT_FALSE(QImage(QString::fromStdString(files[1].path)).isNull());
    EXPECT_TRUE(framework::CHyperMedia::FilesOf(cn, "2", 1, "O'BRIEN").empty());
    EXPECT_THROW(framework::CHyperMedia::FilesOf(cn, "1 OR 1=1", 1, "X"), std::invalid_argument);

    // Removing one takes its copy away.
    script.run = [&](framework::CHyperMedia& m) { m.RemoveFile(files[0].progr); };
    media.Open(db::Value("1"), db::Value(""), dir.filePath("media").toStdString(), created[0], 0,
               "", framework::CHyperMedia::kModifica);
    EXPECT_EQ(rows(), "1");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files[0].path)));
    framework::SetMediaPresenter(nullptr);
}
