// CLSMG_VELDRANO driven as a host drives it: created by identifier through
// the registry, properties set, navigator attached, shown and closed, on
// the demo database in a file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>

#include "common/window_services.h"
#include "component/clsmg_veldrano.h"
#include "component/media_images.h"
#include "demo/demo_database.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/form_events.h"
#include "platform/framework/global.h"
#include "platform/framework/hypermedia.h"
#include "platform/framework/menu_entry.h"
#include "platform/framework/navigator.h"
#include "platform/framework/object_models.h"
#include "tests/support/scripted_dialogs.h"
#include "window/frmmg_veldrano.h"

namespace {

using component::CLSMG_VELDRANO;
using framework::Navigator;

using Scripted = cardtest::ScriptedDialogs;

// The multimedia manager's window, scripted: records what it was opened
// with and adds the files the test gives it.
class Media : public framework::MediaPresenter {
public:
    int opened = 0;
    db::Value mediaId;
    std::string reference, folder;
    int mode = 0;
    std::vector<std::string> add;
    std::vector<std::string> errors;
    std::size_t files = 0;
    void Present(framework::CHyperMedia& m, const std::string&) override {
        ++opened;
        mediaId = m.MediaId();
        reference = m.Reference();
        folder = m.Folder();
        mode = m.Mode();
        for (const auto& f : add) {
            try {
                m.AddFile(f);
            } catch (const std::exception& e) {
                errors.push_back(e.what());
            }
        }
        files = m.Files().size();
    }
};

long long count(db::Connection& cn, const std::string& sql) {
    return cn.run(sql).resultSets.at(0).rows.at(0).at(0).toDecimal()->toInt64().value();
}

struct Component : ::testing::Test {
    static void SetUpTestSuite() { component::RegisterComponents(); }

    void SetUp() override {
        common::setDialoghi(&dialogs);
        framework::SetMediaPresenter(&media);
        path = dir.filePath("demo.db").toStdString();
        demo::createDemoDatabase(path);
        database.open("Data Source=" + path);
        global.SetConnectionString("Data Source=" + path);
        global.SetHostConnection(&database);
        global.SetCurrentCompany(framework::Company::Load(database, "1"));
        global.SetMediaFolder(dir.filePath("media").toStdString());
        framework::Catalogue catalogue =
            framework::Catalogue::FromFile(std::string(VELDRANO_SOURCE_DIR) + "/demo/messages.tsv");
        global.SetMultilingua(framework::Multilingual(std::move(catalogue)));
        global.SetNavigator(&navigator);
        navigator.SetLayoutModel(&layout);
        navigator.SetScriptModel(&script);
    }
    void TearDown() override {
        card.reset();
        framework::SetMediaPresenter(nullptr);
        common::setDialoghi(nullptr);
    }

    // Created by identifier and given what a host gives.
    void create(bool isCalled = false, const std::string& item = "") {
        card = framework::CreateObject(component::kProgIdVeldrano);
        card->SetClsGlobal(&global);
        card->SetConnection(&database);
        // The rights a host grants for a launch that may write.
        card->SetCanUpdate(true);
        card->SetCanInsert(true);
        card->SetCanDelete(true);
        card->SetCanQbe(true);
        card->SetCaption(db::Value("Scheda prodotto varianti"));
        card->SetClsVoceMenu(&entry);
        card->SetIsActive(true);
        card->SetIsCalled(isCalled);
        card->SetProperty("CodiceArticolo", db::Value(item));
        card->SetActiveNavigator(&navigator);
        global.SetActiveComponent(card.get());
    }
    card::FRMMG_VELDRANO* window() const {
        return static_cast<CLSMG_VELDRANO*>(card.get())->Finestra();
    }
    void choose(const std::string& code) {
        window()->TXT_CODART()->setText(QString::fromStdString(code));
        window()->TXT_CODART_Confirm(code);
    }
    db::Value itemMedia(const std::string& code) {
        return database
            .run(
                "SELECT MG66_IDMEDIA_CG99 FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = "
                "1 AND MG66_CODART = '" +
                code + "'")
            .resultSets.at(0)
            .rows.at(0)
            .at(0);
    }
    std::string image(const QString& name) {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString file = dir.filePath(name);
        img.save(file);
        return file.toStdString();
    }

    QTemporaryDir dir;
    std::string path;
    db::Connection database;
    framework::Global global;
    Navigator navigator;
    framework::LayoutModel layout;
    framework::ScriptModel script;
    framework::MenuEntry entry{"MG", "MG-ANAGRAFICHE", "ZOLT_VELDRANO.CLSMG_VELDRANO",
                               "Scheda prodotto varianti"};
    Scripted dialogs;
    Media media;
    std::unique_ptr<framework::Cinterface> card;
};

}  // namespace

TEST_F(Component, PropertiesFollowTheContractsRules) {
    card = framework::CreateObject(component::kProgIdVeldrano);
    EXPECT_EQ(card->ActiveDll(), card.get());  // itself, from creation
    EXPECT_EQ(card->Cwindow(), nullptr);

    card->SetWindowState(2);
    card->SetWindowState(40000);  // beyond 16 bits: the old value stays
    card->SetWindowState(-40000);
    EXPECT_EQ(card->WindowState(), 2);
    card->SetWindowState(-32768);
    EXPECT_EQ(card->WindowState(), -32768);
    card->SetProgramMode(7);
    card->SetProgramMode(1 << 20);
    EXPECT_EQ(card->ProgramMode(), 7);

    // Top and Left: converted to 32 bits, rounded half to even; what does
    // not convert leaves the old value.
    card->SetTop(db::Value("120"));
    EXPECT_EQ(card->Top(), db::Value(120));
    card->SetTop(db::Value(2.5));
    EXPECT_EQ(card->Top(), db::Value(2));
    card->SetLeft(db::Value(db::Decimal(35, 1)));
    EXPECT_EQ(card->Left(), db::Value(4));
    for (const db::Value& bad : {db::Value("abc"), db::Value::null(), db::Value(3000000000LL)}) {
        card->SetLeft(bad);
        EXPECT_EQ(card->Left(), db::Value(4));
    }

    // Variant properties keep copies of what was set.
    db::Value caption("Scheda");
    card->SetCaption(caption);
    caption = db::Value("cambiata");
    EXPECT_EQ(card->Caption(), db::Value("Scheda"));
    card->SetFiltro(db::Value::null());
    EXPECT_TRUE(card->Filtro().isNull());
    card->SetMenuModulo(db::Value("MG"));
    EXPECT_EQ(card->MenuModulo(), db::Value("MG"));

    // The default interface: the item code and the parameters, copied.
    auto* cls = dynamic_cast<CLSMG_VELDRANO*>(card.get());
    ASSERT_NE(cls, nullptr);
    EXPECT_TRUE(card->SetProperty("CodiceArticolo", db::Value("MAGLIA-001")));
    EXPECT_EQ(cls->CodiceArticolo, "MAGLIA-001");
    EXPECT_FALSE(card->SetProperty("NonEsiste", db::Value(1)));
    component::ActualParametersType p{db::Value("X")};
    cls->SetActualParameters(p);
    p.Codice = db::Value("Y");
    EXPECT_EQ(cls->ActualParameters().Codice, db::Value("X"));

    // TransferData raises DataTransfer with the data and answers Empty.
    std::vector<db::Value> received;
    QObject::connect(cls, &CLSMG_VELDRANO::DataTransfer,
                     [&](const db::Value& d) { received.push_back(d); });
    EXPECT_TRUE(card->TransferData(db::Value("ART-9")).isEmpty());
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], db::Value("ART-9"));
}

TEST_F(Component, ShownAndClosedAsAHostDoes) {
    create();
    card->SetWindowState(2);
    EXPECT_TRUE(card->ShowForm().isEmpty());
    QApplication::processEvents();
    card::FRMMG_VELDRANO* w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isMaximized());
    EXPECT_EQ(w->windowTitle().toStdString(), "Scheda prodotto varianti");
    EXPECT_EQ(w->connectionString(), "Data Source=" + path);
    EXPECT_EQ(w->companyCode(), "1");
    // Activation: the item frame is the active frame, waiting for a code.
    EXPECT_EQ(card->ActiveFrame(), w->FME_ART());
    EXPECT_EQ(w->FME_ART()->Status(), 2);
    EXPECT_EQ(navigator.Status(), 2);
    EXPECT_EQ(global.ActiveComponent(), card.get());
    EXPECT_EQ(card->Cwindow(), nullptr);  // never assigned, even when shown
    // The form-event object heard the opening, under the window's name.
    const auto& events = navigator.FormEventObject()->History();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].open);
    EXPECT_EQ(events[0].name, "FRMMG_VELDRANO");
    EXPECT_EQ(events[0].description, "FRMMG_VELDRANO");
    EXPECT_EQ(events[0].kind, 0);
    // Layout and script registration when the window was handed over.
    EXPECT_EQ(layout.Names(), std::vector<std::string>{"VELDRANO"});
    ASSERT_NE(script.Find("FRMMG_VELDRANO"), nullptr);
    EXPECT_EQ(script.Find("FRMMG_VELDRANO")->description, "Scheda prodotto");
    ASSERT_NE(script.Find("DTS_Articoli_Magazzino"), nullptr);
    EXPECT_EQ(script.Find("DTS_Articoli_Magazzino")->kind, 3);
    EXPECT_EQ(script.Find("DTS_Articoli_Magazzino")->object, w->FME_ART());
    EXPECT_EQ(w->FME_ART()->Name(), "DTS_Articoli_Magazzino");
    EXPECT_EQ(script.Context(), &entry);

    choose("MAGLIA-001");
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");
    // Each activation puts the navigator in step with the item frame.
    w->Form_Activate();
    EXPECT_EQ(navigator.Status(), 0);
    EXPECT_EQ(events.size(), 1u);  // opened once

    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_TRUE(w->unloaded());
    EXPECT_EQ(w->Pcls_Componente_Interface(), nullptr);
    EXPECT_FALSE(events.back().open);
    EXPECT_EQ(card->ActiveFrame(), nullptr);        // the frame went with the window
    EXPECT_EQ(card->CloseForm(), db::Value(true));  // closing again is harmless
}

TEST_F(Component, ACloseRefusedByTheHostKeepsTheWindowOpen) {
    create();
    card->ShowForm();
    bool refuse = true;
    navigator.FormEventObject()->SetHandler(
        [&](const framework::FormEvent& e) { return !e.open && refuse; });
    EXPECT_EQ(card->CloseForm(), db::Value(false));
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(window()->unloaded());
    EXPECT_EQ(window()->Pcls_Componente_Interface(), card.get());
    refuse = false;
    EXPECT_EQ(card->CloseForm(), db::Value(true));
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(Component, OpenedOnBehalfOfAnotherProgramShowsTheItem) {
    create(true, "MAGLIA-002");
    card->ShowForm();
    QApplication::processEvents();
    EXPECT_EQ(window()->currentItem(), "MAGLIA-002");
    EXPECT_FALSE(window()->TXT_CODART()->isEnabled());
    // A second activation does not look it up again.
    window()->CMD_NUOVO_Click();
    window()->Form_Activate();
    EXPECT_EQ(window()->currentItem(), common::kNessunArticolo);
    card->CloseForm();
}

TEST_F(Component, AModalShowReturnsOnlyOnceTheWindowIsClosed) {
    create();
    card->SetWindowModal(true);
    bool closedFromInside = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(window()->isVisible());
        closedFromInside = card->CloseForm() == db::Value(true);
    });
    card->ShowForm();
    EXPECT_TRUE(closedFromInside);
    EXPECT_TRUE(window()->unloaded());
}

TEST_F(Component, ChangeOfCompanyAsksThroughTheWindow) {
    create();
    card->ShowForm();
    choose("MAGLIA-003");
    // Pending edits: cancel keeps them and the company.
    auto* desc = window()->TXT_DESCART();
    desc->setText("Maglia cambiata");
    emit desc->textEdited(desc->text());
    dialogs.answers = {common::vbCancel};
    bool switched = false;
    EXPECT_FALSE(navigator.ChangeCompany(db::Value("2"), [&] { switched = true; }));
    EXPECT_FALSE(switched);
    EXPECT_EQ(window()->currentItem(), "MAGLIA-003");
    // Answer yes: saved, then the company changes and the item list with it.
    dialogs.answers = {common::vbYes};
    EXPECT_TRUE(navigator.ChangeCompany(db::Value("2"), [&] {
        global.SetCurrentCompany(framework::Company::Load(database, "2"));
    }));
    EXPECT_EQ(count(database,
                    "SELECT COUNT(*) FROM MG66_ANAGRART WHERE MG66_CODART = "
                    "'MAGLIA-003' AND MG66_DESCART = 'Maglia cambiata'"),
              1);
    EXPECT_EQ(window()->companyCode(), "2");
    EXPECT_EQ(window()->currentItem(), common::kNessunArticolo);
    EXPECT_TRUE(window()->TXT_CODART()->isEnabled());
    // Company 1's item is no longer found; the first item of company 2 is.
    dialogs.shown.clear();
    choose("MAGLIA-001");
    EXPECT_EQ(window()->currentItem(), common::kNessunArticolo);
    EXPECT_FALSE(dialogs.shown.empty());
    window()->FME_ART()->MoveFirst();
    EXPECT_EQ(window()->company().Code(), "2");
    EXPECT_NE(window()->currentItem(), common::kNessunArticolo);
    card->CloseForm();
}

TEST_F(Component, TheMultimediaButtonLinksImagesToTheItem) {
    create();
    card->ShowForm();
    // Waiting for a code (status 2): the message, and nothing opened.
    navigator.Press(Navigator::kMultimedia);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0],
              "Il collegamento ai dati multimediali è possibile solamente in fase di variazione");
    EXPECT_EQ(dialogs.titles[0], "Avviso Utente");
    EXPECT_EQ(media.opened, 0);

    choose("MAGLIA-001");
    // Other buttons, or the component not active: the class does nothing.
    for (int b : {int(Navigator::kFirst), int(Navigator::kSave), 24, 26})
        navigator.Press(b);
    card->SetIsActive(false);
    navigator.Press(Navigator::kMultimedia);
    EXPECT_EQ(media.opened, 0);
    card->SetIsActive(true);

    // A file that is not there: a clear error, nothing linked.
    dialogs.shown.clear();
    media.add = {dir.filePath("manca.png").toStdString()};
    navigator.Press(Navigator::kMultimedia);
    EXPECT_EQ(media.opened, 1);
    EXPECT_EQ(media.reference, "MAGLIA-001");
    EXPECT_EQ(media.mode, 1);
    EXPECT_TRUE(media.mediaId.isNull());
    ASSERT_EQ(media.errors.size(), 1u);
    EXPECT_NE(media.errors[0].find("manca.png"), std::string::npos);
    EXPECT_TRUE(itemMedia("MAGLIA-001").isNull());
    EXPECT_EQ(count(database, "SELECT COUNT(*) FROM CG99_MULTIMEDIA"), 0);

    // The first image creates the media identifier, stored in the item row.
    media.add = {image("fronte.png")};
    media.errors.clear();
    navigator.Press(Navigator::kMultimedia);
    EXPECT_TRUE(media.errors.empty());
    const db::Value id = itemMedia("MAGLIA-001");
    ASSERT_FALSE(id.isNull());
    EXPECT_EQ(window()->FME_ART()->Status(), 0);  // stored: nothing pending
    // A second image joins the same identifier.
    media.add = {image("retro.png")};
    navigator.Press(Navigator::kMultimedia);
    EXPECT_EQ(db::Value::compare(media.mediaId, id), 0);
    EXPECT_EQ(media.files, 2u);
    EXPECT_EQ(db::Value::compare(itemMedia("MAGLIA-001"), id), 0);
    // The images tab reads them back as real files.
    auto images = component::mediaImages().immagini("Data Source=" + path, "1", 1, "MAGLIA-001");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_FALSE(QImage(QString::fromStdString(images[0].percorso)).isNull());
    EXPECT_TRUE(component::mediaImages().immagini("Data Source=" + path, "1", 1, "O'NEIL").empty());
    card->CloseForm();
}

TEST_F(Component, TeardownLeavesAnOpenWindowWorkingOnItsOwn) {
    create();
    card->ShowForm();
    QPointer<card::FRMMG_VELDRANO> w = window();
    card.reset();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Pcls_Componente_Interface(), nullptr);
    // The navigator no longer reaches the class.
    navigator.Press(Navigator::kMultimedia);
    bool cancel = false;
    emit navigator.BeforeChangeDitta(cancel);
    EXPECT_FALSE(cancel);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
}
