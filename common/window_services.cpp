#include "common/window_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QTableView>
#include <QWidget>
#include <stdexcept>

#include "platform/db/connection.h"
#include "platform/db/errors.h"

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

std::vector<ErroreProvider> providerErrors(const std::vector<db::ProviderError>& errors) {
    std::vector<ErroreProvider> out;
    for (const auto& e : errors)
        out.push_back({e.sqlState, e.nativeError, e.message, e.source});
    return out;
}

// Qt's message box with the usual buttons and icon of the style bits.
int qtMessageBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box;
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(QString::fromStdString(title));
    switch (style & 0x70) {
        case vbCritical:
            box.setIcon(QMessageBox::Critical);
            break;
        case vbQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case vbExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    struct B {
        QMessageBox::StandardButton qt;
        int answer;
    };
    std::vector<B> buttons;
    switch (style & 0x7) {
        case vbOKCancel:
            buttons = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
            break;
        case vbAbortRetryIgnore:
            buttons = {{QMessageBox::Abort, vbAbort},
                       {QMessageBox::Retry, vbRetry},
                       {QMessageBox::Ignore, vbIgnore}};
            break;
        case vbYesNoCancel:
            buttons = {{QMessageBox::Yes, vbYes},
                       {QMessageBox::No, vbNo},
                       {QMessageBox::Cancel, vbCancel}};
            break;
        case vbYesNo:
            buttons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
            break;
        case vbRetryCancel:
            buttons = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
            break;
        default:
            buttons = {{QMessageBox::Ok, vbOK}};
            break;
    }
    QMessageBox::StandardButtons all;
    for (auto& b : buttons)
        all |= b.qt;
    box.setStandardButtons(all);
    std::size_t def = (style & 0x300) / 256;
    if (def < buttons.size())
        box.setDefaultButton(buttons[def].qt);
    int chosen = box.exec();
    for (auto& b : buttons)
        if (chosen == b.qt)
            return b.answer;
    return buttons.size() == 1 ? vbOK : vbCancel;
}

class QtDialoghi : public Dialoghi {
public:
    int KOVMsgBox(const std::string& text, int style, const std::string& title) override {
        return qtMessageBox(text, style, title);
    }
    int errorReport(const RapportoErrore& r) override {
        std::string text = r.application + "\n" + r.caption + "\n\nProcedura: " + r.procedure +
                           "\n\nErrore " + std::to_string(r.error.number) + ": " +
                           r.error.description;
        if (!r.error.source.empty())
            text += "\nOrigine: " + r.error.source;
        for (const auto& e : r.providerErrors)
            text += "\n[" + e.sqlState + "] " + std::to_string(e.nativeError) + " " + e.message +
                    (e.source.empty() ? "" : " (" + e.source + ")");
        return qtMessageBox(text, r.style, r.caption);
    }
};

Dialoghi* g_dialoghi = nullptr;

}  // namespace

void setDialoghi(Dialoghi* dialogs) {
    g_dialoghi = dialogs;
}

Dialoghi& dialoghi() {
    static QtDialoghi qt;
    return g_dialoghi ? *g_dialoghi : qt;
}

ErroreCorrente describeError(std::exception_ptr error) {
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

WindowServices::WindowServices() = default;
WindowServices::~WindowServices() = default;

int WindowServices::GestisciErrore(const std::string& procedure, std::exception_ptr error) {
    // An hourglass set by the failing procedure is cleared.
    if (qApp)
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    RapportoErrore r;
    r.error = describeError(error);
    if (connection_) {
        r.providerErrors = providerErrors(connection_->errors());
        if (r.providerErrors.empty() && error) {
            try {
                std::rethrow_exception(error);
            } catch (const db::DbError& x) {
                r.providerErrors = providerErrors(x.errors());
            } catch (...) {
            }
        }
    }
    r.application = "ZOLT_VELDRANO";
    r.caption = window_ ? window_->windowTitle().toStdString() : std::string();
    r.procedure = procedure;
    r.style = kStileErrore;
    int answer = hostServices_ ? hostServices_->errorReport(r) : dialoghi().errorReport(r);
    // The provider errors belong to this failure only.
    if (connection_)
        connection_->clearErrors();
    return answer;
}

int WindowServices::VisualizzaMessaggio(const std::string& text, long number, int style,
                                        const std::string& title, const Parametri& parameters) {
    try {
        if (!hostServices_)
            return dialoghi().KOVMsgBox(testoSenzaCatalogo(number, text), style, title);
        if (number < 1)
            return hostServices_->messageBox(text, style, title);
        return hostServices_->catalogueMessage(
            number, parameters.value_or(std::vector<db::Value>{}), style, title);
    } catch (...) {
        return 0;
    }
}

std::string WindowServices::TraduciTesto(const std::string& text, long number,
                                         const Parametri& parameters, short raddoppiaApici) {
    std::string result;
    try {
        if (!hostServices_ || number < 1)
            result = testoSenzaCatalogo(number, text);
        else
            result =
                hostServices_->catalogueText(number, parameters.value_or(std::vector<db::Value>{}));
    } catch (...) {
    }
    return raddoppiaApici == 1 ? doubled(result) : result;
}

std::string WindowServices::TraduciCaption(const std::string& text) {
    try {
        if (hostServices_)
            return hostServices_->translate(text);
    } catch (...) {
    }
    return text;
}

void WindowServices::TraduciColonne(QTableView* grid) {
    if (!grid || !grid->model())
        return;
    QAbstractItemModel* m = grid->model();
    for (int i = 0; i < m->columnCount(); ++i) {
        std::string caption = m->headerData(i, Qt::Horizontal).toString().toStdString();
        m->setHeaderData(i, Qt::Horizontal, QString::fromStdString(TraduciCaption(caption)));
    }
}

void WindowServices::SyncNavigator() {
    try {
        if (hostServices_)
            hostServices_->syncNavigator();
    } catch (...) {
    }
}

void WindowServices::ExecuteFormEvent(const std::string& event) {
    try {
        if (!hostServices_)
            return;
        std::string name = window_ ? window_->objectName().toStdString() : std::string();
        if (event == "tsOpen")
            hostServices_->formEvent(name, true);
        else if (event == "tsClose")
            hostServices_->formEvent(name, false);
    } catch (...) {
    }
}

}  // namespace common
