#include "common/window_services.h"

#include <QApplication>
#include <QTableView>
#include <QWidget>
#include <stdexcept>

#include "platform/controls/data_grid.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/error_report.h"
#include "platform/framework/form_events.h"
#include "platform/framework/global.h"
#include "platform/framework/multilingual.h"
#include "platform/framework/navigator.h"

namespace common {

namespace {

std::string doubled(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

// The framework's own dialogs, as one Dialoghi.
class FrameworkDialoghi : public Dialoghi {
public:
    int KOVMsgBox(const std::string& text, int style, const std::string& title) override {
        return framework::MessageBoxes().Show(text, style, title);
    }
    int errorReport(const RapportoErrore& report) override {
        return framework::ErrorReportPresenters().Present(report);
    }
};

// An installed Dialoghi answering for the framework's message boxes and
// error reports.
class ViaDialoghi : public framework::MessageBoxService, public framework::ErrorReportPresenter {
public:
    Dialoghi* target = nullptr;
    int Show(const std::string& text, int style, const std::string& title) override {
        return target->KOVMsgBox(text, style, title);
    }
    int Present(const framework::ErrorReportData& report) override {
        return target->errorReport(report);
    }
};

Dialoghi* g_dialoghi = nullptr;

ViaDialoghi& via() {
    static ViaDialoghi v;
    return v;
}

}  // namespace

void setDialoghi(Dialoghi* dialogs) {
    g_dialoghi = dialogs;
    via().target = dialogs;
    framework::SetMessageBoxService(dialogs ? &via() : nullptr);
    framework::SetErrorReportPresenter(dialogs ? &via() : nullptr);
}

Dialoghi& dialoghi() {
    static FrameworkDialoghi framework;
    return g_dialoghi ? *g_dialoghi : framework;
}

ErroreCorrente describeError(const std::exception_ptr& error) {
    ErroreCorrente e;
    if (!error)
        return e;
    try {
        std::rethrow_exception(error);
    } catch (const db::DbError& x) {
        e.description = x.what();
        if (!x.errors().empty()) {
            e.number = x.errors().front().nativeError;
            e.source = x.errors().front().source;
        }
    } catch (const std::out_of_range& x) {
        e.number = 3265;  // item not found in the collection
        e.description = x.what();
    } catch (const std::exception& x) {
        e.number = 5;
        e.description = x.what();
    } catch (...) {
        e.number = 1;
        e.description = "Errore sconosciuto";
    }
    return e;
}

std::string testoSenzaCatalogo(long number, const std::string& text) {
    return "[x" + std::to_string(number) + "x] " + text;
}

std::string countText(long count, const CountNoun& noun) {
    if (count == 1)
        return noun.singular;
    std::string text = noun.plural;
    const std::size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(count));
    return text;
}

WindowServices::WindowServices() = default;
WindowServices::~WindowServices() = default;

void WindowServices::createErrorReport() {
    if (!errorReport_)
        errorReport_ = std::make_unique<framework::ErrorReport>();
}

void WindowServices::releaseErrorReport() {
    errorReport_.reset();
}

void WindowServices::releaseMessageService() {
    messageService_.reset();
}

framework::Global& WindowServices::global() const {
    framework::Global* g = interface_ ? interface_->ClsGlobal() : nullptr;
    if (!g)
        throw std::logic_error("Oggetto globale dell'applicazione non disponibile");
    return *g;
}

int WindowServices::GestisciErrore(const std::string& procedure, const std::exception_ptr& error) {
    // An hourglass set by the failing procedure is cleared.
    if (qApp)
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    // A procedure may fail before the load made the window's report object.
    framework::ErrorReport local;
    framework::ErrorReport& report = errorReport_ ? *errorReport_ : local;
    report.SetError(describeError(error));
    std::vector<db::ProviderError> providers;
    if (connection_) {
        providers = connection_->errors();
        if (providers.empty() && error) {
            try {
                std::rethrow_exception(error);
            } catch (const db::DbError& x) {
                providers = x.errors();
            } catch (...) {
            }
        }
    }
    report.SetProviderErrors(std::move(providers));
    const std::string caption = window_ ? window_->windowTitle().toStdString() : std::string();
    const int answer = report.Show("ZOLT_VELDRANO", caption, procedure, kStileErrore);
    // The provider errors belong to this failure only.
    if (connection_)
        connection_->clearErrors();
    return answer;
}

int WindowServices::VisualizzaMessaggio(const std::string& text, long number, int style,
                                        const std::string& title, const Parametri& parameters) {
    try {
        if (!interface_) {
            if (!messageService_)
                messageService_ = std::make_unique<framework::CLSFW_MULTILINGUA>();
            return messageService_->KOVMsgBox(testoSenzaCatalogo(number, text), style, title);
        }
        const framework::Multilingual& m = global().Multilingua();
        if (number < 1)
            return m.ShowText(text, style, title);
        return m.ShowMessage(number, parameters.value_or(std::vector<db::Value>{}), style, title,
                             text);
    } catch (...) {
        return 0;
    }
}

std::string WindowServices::TraduciTesto(const std::string& text, long number,
                                         const Parametri& parameters, short raddoppiaApici) {
    std::string result;
    try {
        if (!interface_ || number < 1)
            result = testoSenzaCatalogo(number, text);
        else
            result = global().Multilingua().Text(
                number, parameters.value_or(std::vector<db::Value>{}), text);
    } catch (...) {
    }
    return raddoppiaApici == 1 ? doubled(result) : result;
}

std::string WindowServices::TraduciCaption(const std::string& text) {
    try {
        if (interface_)
            return global().Multilingua().Translate(text);
    } catch (...) {
    }
    return text;
}

std::string WindowServices::CountText(long count, const CountNoun& noun) {
    try {
        // A fragment of a message: a catalogue without it leaves the
        // Italian words, without a "[x...x]" of their own inside the message.
        const long number = count == 1 ? noun.singularNumber : noun.pluralNumber;
        if (interface_ && global().Multilingua().catalogue().Contains(number))
            return global().Multilingua().Text(number, {db::Value(count)});
    } catch (...) {
    }
    return countText(count, noun);
}

void WindowServices::TraduciColonne(QTableView* grid) {
    try {
        // The component's grids keep their captions in their columns.
        if (auto* data = qobject_cast<controls::DataGrid*>(grid)) {
            controls::GridColumns& columns = data->Columns();
            for (int i = 0; i < columns.Count(); ++i)
                columns[i].SetCaption(
                    QString::fromStdString(TraduciCaption(columns[i].Caption().toStdString())));
            return;
        }
        if (!grid || !grid->model())
            return;
        QAbstractItemModel* m = grid->model();
        for (int i = 0; i < m->columnCount(); ++i) {
            const std::string caption = m->headerData(i, Qt::Horizontal).toString().toStdString();
            m->setHeaderData(i, Qt::Horizontal, QString::fromStdString(TraduciCaption(caption)));
        }
    } catch (...) {
    }
}

void WindowServices::SyncNavigator() {
    if (!interface_)
        return;
    try {
        global().SetActiveComponent(interface_);
    } catch (...) {
    }
    try {
        framework::Navigator* navigator = interface_->ActiveNavigator();
        if (controls::RecordFrame* frame = interface_->ActiveFrame(); frame && navigator)
            navigator->SetStatus(frame->Status());
        if (navigator)
            navigator->Refresh();
    } catch (...) {
    }
}

void WindowServices::ExecuteFormEvent(const std::string& event) {
    try {
        if (!interface_ || (event != "tsOpen" && event != "tsClose"))
            return;
        framework::Navigator* navigator = interface_->ActiveNavigator();
        framework::FormEvents* formEvents = navigator ? navigator->FormEventObject() : nullptr;
        if (!formEvents)
            return;
        const std::string name = window_ ? window_->objectName().toStdString() : std::string();
        formEvents->Execute(window_, name, name, 0, event == "tsOpen");
    } catch (...) {
    }
}

bool WindowServices::CloseRefused() {
    try {
        framework::Navigator* navigator = interface_ ? interface_->ActiveNavigator() : nullptr;
        framework::FormEvents* formEvents = navigator ? navigator->FormEventObject() : nullptr;
        return formEvents && formEvents->Cancel();
    } catch (...) {
        return false;
    }
}

}  // namespace common
