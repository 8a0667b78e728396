#include "component/clsmg_veldrano.h"

#include <QWidget>
#include <stdexcept>

#include "platform/controls/record_frame.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/global.h"
#include "platform/framework/hypermedia.h"
#include "platform/framework/navigator.h"
#include "platform/framework/object_models.h"
#include "window/frmmg_veldrano.h"

namespace component {

namespace {

// Runs one step of a member: a failing step is skipped, the member goes on.
template <class F>
void passo(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

using db::rtrim;

}  // namespace

void RegisterComponents() {
    framework::RegisterComponent(kProgIdVeldrano,
                                 [] { return std::make_unique<CLSMG_VELDRANO>(); });
}

CLSMG_VELDRANO::CLSMG_VELDRANO() {
    SetActiveDll(this);
}

CLSMG_VELDRANO::~CLSMG_VELDRANO() {
    // Teardown order: message service, menu entry, global object, the
    // window-object reference, the navigator, ActiveDll, the window.
    passo([&] { services_.reset(); });
    passo([&] { hyperMedia_.reset(); });
    passo([&] { SetClsVoceMenu(nullptr); });
    passo([&] {
        // The host must not serve a component that is gone.
        if (ClsGlobal() && ClsGlobal()->ActiveComponent() == this)
            ClsGlobal()->SetActiveComponent(nullptr);
        SetClsGlobal(nullptr);
    });
    passo([&] { cwindow_ = nullptr; });
    passo([&] { SetActiveNavigator(nullptr); });
    passo([&] { SetActiveDll(nullptr); });
    passo([&] { releaseWindow(); });
}

// The window is not unloaded here: a host closes it first with CloseForm.
// One still open is cut loose from the class and ends with its own close.
void CLSMG_VELDRANO::releaseWindow() {
    card::FRMMG_VELDRANO* window = window_;
    window_ = nullptr;
    if (!window)
        return;
    if (window->loaded() && !window->unloaded()) {
        window->setComponent(nullptr, nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        delete window;
    }
}

QWidget* CLSMG_VELDRANO::CreateForm(QWidget*) {
    return nullptr;  // ShowForm makes the item card window itself
}

common::WindowServices& CLSMG_VELDRANO::services() {
    if (!services_)
        services_ = std::make_unique<common::WindowServices>();
    services_->setInterface(ActiveDll());
    return *services_;
}

void CLSMG_VELDRANO::SetActiveNavigator(framework::Navigator* navigator) {
    for (auto& c : navigatorEvents_)
        QObject::disconnect(c);
    navigatorEvents_.clear();
    ComponentBase::SetActiveNavigator(navigator);
    if (!navigator)
        return;
    using framework::Navigator;
    navigatorEvents_ = {
        connect(navigator, &Navigator::BeforeChangeDitta, this,
                [this](bool& cancel) { ActiveNavigator_BeforeChangeDitta(cancel); }),
        connect(
            navigator, &Navigator::ButtonPressed, this,
            [this](const db::Value& a, int& button) { ActiveNavigator_ButtonPressed(a, button); }),
        connect(navigator, &Navigator::ChangeDitta, this,
                [this](const db::Value& a) { ActiveNavigator_ChangeDitta(a); }),
        connect(navigator, &Navigator::InitializeLayoutObjectModel, this,
                [this](QObject* a, framework::LayoutModel*& model) {
                    ActiveNavigator_InitializeLayoutObjectModel(a, model);
                }),
        connect(navigator, &Navigator::InitializeScriptObjectModel, this,
                [this](QObject* a, framework::ScriptModel*& model) {
                    ActiveNavigator_InitializeScriptObjectModel(a, model);
                }),
        // A navigator that goes away takes its events with it.
        connect(navigator, &QObject::destroyed, this,
                [this] { ComponentBase::SetActiveNavigator(nullptr); }),
    };
}

db::Value CLSMG_VELDRANO::ShowForm() {
    card::FRMMG_VELDRANO* window = nullptr;
    passo([&] {
        // A window of an earlier ShowForm: deleted once unloaded, cut loose if still open.
        releaseWindow();
        framework::Global* global = ClsGlobal();
        window = new card::FRMMG_VELDRANO(global ? global->MainWindow() : nullptr);
        window->setWindowFlag(Qt::Window, true);
        window_ = window;
    });
    if (!window)
        return {};
    passo([&] {
        Cinterface* dll = ActiveDll();
        window->setComponent(dll, dynamic_cast<ComponenteVeldrano*>(dll));
    });
    // The window state loads the window.
    passo([&] {
        window->Form_Load();
        switch (WindowState()) {
            case 1:
                window->setWindowState(Qt::WindowMinimized);
                break;
            case 2:
                window->setWindowState(Qt::WindowMaximized);
                break;
            default:
                window->setWindowState(Qt::WindowNoState);
                break;
        }
    });
    passo([&] {
        const db::Value caption = Caption();
        if (caption.isNull())
            throw std::invalid_argument("Caption Null");
        if (!caption.isEmpty())
            window->setWindowTitle(QString::fromStdString(caption.toText()));
    });
    passo([&] {
        if (WindowModal())
            framework::RunModal(*window);
        else
            window->show();
    });
    return {};
}

db::Value CLSMG_VELDRANO::CloseForm() {
    card::FRMMG_VELDRANO* window = window_;
    if (!window)
        return db::Value(true);
    passo([&] {
        if (window->loaded() && !window->unloaded())
            window->close();
    });
    return db::Value(window->Pcls_Componente_Interface() == nullptr);
}

bool CLSMG_VELDRANO::SetProperty(const std::string& name, const framework::Property& value) {
    if (name != "CodiceArticolo")
        return ComponentBase::SetProperty(name, value);
    const auto* v = std::get_if<db::Value>(&value);
    if (!v)
        return false;
    CodiceArticolo = v->toText();
    return true;
}

db::Value CLSMG_VELDRANO::GetProperty(const std::string& name) const {
    if (name == "CodiceArticolo")
        return db::Value(CodiceArticolo);
    return ComponentBase::GetProperty(name);
}

db::Value CLSMG_VELDRANO::TransferData(const db::Value& data) {
    passo([&] { emit DataTransfer(data); });
    return {};
}

void CLSMG_VELDRANO::ActiveNavigator_BeforeChangeDitta(bool& cancel) {
    passo([&] {
        if (window_ && window_->loaded() && !window_->unloaded())
            cancel = window_->Update();
    });
}

void CLSMG_VELDRANO::ActiveNavigator_ChangeDitta(const db::Value&) {
    passo([&] {
        if (window_ && window_->loaded() && !window_->unloaded())
            window_->FME_ART_Requery();
    });
}

void CLSMG_VELDRANO::ActiveNavigator_ButtonPressed(const db::Value&, int& button) {
    if (button != framework::Navigator::kMultimedia)
        return;  // the other buttons are the host's and the record frame's
    Cinterface* dll = ActiveDll();
    controls::RecordFrame* frame = nullptr;
    passo([&] {
        if (dll && dll->IsActive() && dll->ActiveFrame() && dll->ActiveFrame()->Recordset())
            frame = dll->ActiveFrame();
    });
    if (!frame)
        return;
    if (frame->Status() == 2) {
        passo([&] {
            common::WindowServices& s = services();
            s.VisualizzaMessaggio(
                "Il collegamento ai dati multimediali è possibile solamente in fase di variazione",
                30288, common::vbInformation, s.TraduciTesto("Avviso Utente", 8522));
        });
        return;
    }
    passo([&] {
        if (frame->Status() == 0)
            frame->Update();
    });
    passo([&] {
        if (!hyperMedia_) {
            hyperMedia_ = std::make_unique<framework::CHyperMedia>();
            connect(hyperMedia_.get(), &framework::CHyperMedia::AfterMediaCreate, this,
                    [this](const db::Value& id) { CHyperMedia_AfterMediaCreate(id); });
        }
        hyperMedia_->SetMode(framework::CHyperMedia::kArticoli);
    });
    if (!hyperMedia_)
        return;
    db::Value idMedia, codArt;
    passo([&] { idMedia = frame->Recordset()->value("MG66_IDMEDIA_CG99"); });
    passo([&] { codArt = frame->Recordset()->value("MG66_CODART"); });
    passo([&] {
        framework::Global* global = dll->ClsGlobal();
        if (!global)
            throw std::logic_error("ClsGlobal");
        db::Connection* database = global->HostConnection();
        hyperMedia_->SetDatabase(database ? database : frame->Connection());
        hyperMedia_->SetReference(rtrim(codArt.toText()));
        Cinterface* active = global->ActiveComponent();
        hyperMedia_->Open(db::Value(global->CurrentCompany().Code()), db::Value(global->Language()),
                          global->MediaFolder(), idMedia, active ? active->hwndParent() : 0,
                          "Articolo " + rtrim(codArt.toText()), framework::CHyperMedia::kModifica);
    });
}

void CLSMG_VELDRANO::CHyperMedia_AfterMediaCreate(const db::Value& idMedia) {
    Cinterface* dll = ActiveDll();
    controls::RecordFrame* frame = dll ? dll->ActiveFrame() : nullptr;
    db::Recordset* rs = frame ? frame->Recordset() : nullptr;
    if (!rs)
        return;
    passo([&] { rs->setValue("MG66_IDMEDIA_CG99", idMedia); });
    passo([&] { rs->updateBatch(db::Affect::Current); });
    // The row is stored again: the frame shows it as such.
    passo([&] {
        if (rs->status() == db::RecordStatus::Unchanged && frame->Status() == 1)
            frame->SetStatus(0);
    });
}

void CLSMG_VELDRANO::ActiveNavigator_InitializeLayoutObjectModel(QObject*,
                                                                 framework::LayoutModel*& model) {
    passo([&] {
        Cinterface* dll = ActiveDll();
        if (!dll || !dll->IsActive() || !model || !window_)
            return;
        QWidget* used = model->Register(window_, "VELDRANO");
        if (auto* w = qobject_cast<card::FRMMG_VELDRANO*>(used))
            window_ = w;
    });
}

void CLSMG_VELDRANO::ActiveNavigator_InitializeScriptObjectModel(QObject*,
                                                                 framework::ScriptModel*& model) {
    Cinterface* dll = ActiveDll();
    if (!dll || !dll->IsActive() || !model || !window_)
        return;
    passo([&] {
        framework::Cinterface* owner = window_->Pcls_Componente_Interface();
        model->SetContext(owner ? owner->ClsVoceMenu() : nullptr);
    });
    passo([&] {
        QObject* used =
            model->Register(window_, window_->objectName().toStdString(), 0, "Scheda prodotto");
        if (auto* w = qobject_cast<card::FRMMG_VELDRANO*>(used))
            window_ = w;
    });
    passo([&] {
        if (controls::RecordFrame* frame = dll->ActiveFrame()) {
            frame->SetName("DTS_Articoli_Magazzino");
            model->Register(window_->FME_ART(), "DTS_Articoli_Magazzino", 3,
                            "DTS_Articoli_Magazzino");
        }
    });
}

}  // namespace component
