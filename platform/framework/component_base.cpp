#include "platform/framework/component_base.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>
#include <cmath>
#include <limits>

#include "platform/db/value.h"
#include "platform/framework/formatters.h"
#include "platform/framework/global.h"

namespace framework {

namespace {

// Quits a local loop when the watched window is hidden or destroyed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget& window, QEventLoop& loop) : loop_(loop) {
        window.installEventFilter(this);
        connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            loop_.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

const char* const kContextNames[] = {"ADOConnection", "ActiveInterface", "ClsDittaCorrente",
                                     "CodiceDitta", "CodiceLingua"};

using db::rtrim;

}  // namespace

bool FitsInShort(std::int32_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

void RunModal(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> guard(&window);
    const Qt::WindowModality before = window.windowModality();
    if (!window.isVisible()) {
        window.setWindowModality(Qt::ApplicationModal);
        window.show();
    }
    if (!guard || !guard->isVisible())
        return;
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(before);
    }
}

std::optional<std::int32_t> ComponentBase::ToLong(const db::Value& value) {
    std::optional<db::Decimal> number;
    switch (value.type()) {
        case db::Value::Type::Empty:
            return 0;
        case db::Value::Type::Null:
        case db::Value::Type::Date:
            return std::nullopt;
        case db::Value::Type::Text:
            number = CLSFW_Number::parse(value.asText());
            break;
        default:
            number = value.toDecimal();
            break;
    }
    if (!number)
        return std::nullopt;
    // Half to even, as the contract's conversion rounds.
    const double d = number->toDouble();
    double whole = std::floor(d);
    const double fraction = d - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

ComponentBase::ComponentBase() = default;

ComponentBase::~ComponentBase() {
    delete form_.data();
}

void ComponentBase::SetWindowState(std::int32_t state) {
    if (FitsInShort(state))
        windowState_ = state;
}

void ComponentBase::SetProgramMode(std::int32_t mode) {
    if (FitsInShort(mode))
        programMode_ = mode;
}

void ComponentBase::SetTop(const db::Value& value) {
    if (auto v = ToLong(value))
        top_ = *v;
}

void ComponentBase::SetLeft(const db::Value& value) {
    if (auto v = ToLong(value))
        left_ = *v;
}

db::Value ComponentBase::ShowForm() {
    try {
        if (form_ && !form_->isVisible()) {
            delete form_.data();
            form_ = nullptr;
        }
        if (!form_) {
            QWidget* parent = global_ ? global_->MainWindow() : nullptr;
            form_ = CreateForm(parent);
        }
        if (!form_)
            return {};
        if (form_->parentWidget() && !form_->isWindow())
            form_->setWindowFlag(Qt::Window, true);
        if (!caption_.isEmptyOrNull())
            form_->setWindowTitle(QString::fromStdString(caption_.toText()));
        if (windowModal_)
            RunModal(*form_);
        else
            form_->show();
    } catch (...) {
        // A member of the contract reports nothing to the host.
    }
    return {};
}

db::Value ComponentBase::CloseForm() {
    try {
        if (!form_ || !form_->isVisible())
            return db::Value(true);
        return db::Value(form_->close());
    } catch (...) {
        return db::Value(false);
    }
}

db::Value ComponentBase::TransferData(const db::Value& data) {
    try {
        OnTransferData(data);
    } catch (...) {
    }
    return {};
}

void ComponentBase::AcceptProperties(std::initializer_list<const char*> names) {
    for (const char* n : names)
        accepted_.insert(n);
}

bool ComponentBase::SetProperty(const std::string& name, const Property& value) {
    bool context = false;
    for (const char* n : kContextNames)
        context = context || name == n;
    if (!context && accepted_.count(name) == 0)
        return false;
    if (name == "ADOConnection") {
        const auto* p = std::get_if<db::Connection*>(&value);
        adoConnection_ = p ? *p : nullptr;
    } else if (name == "ActiveInterface") {
        const auto* p = std::get_if<Cinterface*>(&value);
        activeInterface_ = p ? *p : nullptr;
    } else if (name == "ClsDittaCorrente") {
        const auto* p = std::get_if<const Company*>(&value);
        company_ = p ? *p : nullptr;
    } else if (const auto* v = std::get_if<db::Value>(&value)) {
        values_[name] = *v;
    } else {
        return false;
    }
    return true;
}

db::Value ComponentBase::GetProperty(const std::string& name) const {
    auto it = values_.find(name);
    return it == values_.end() ? db::Value() : it->second;
}

db::Connection* ComponentBase::ADOConnection() const {
    return adoConnection_;
}
Cinterface* ComponentBase::ActiveInterface() const {
    return activeInterface_;
}
const Company* ComponentBase::ClsDittaCorrente() const {
    return company_;
}

std::string ComponentBase::TextProperty(const std::string& name) const {
    return rtrim(GetProperty(name).toText());
}

db::Value ComponentBase::ValueProperty(const std::string& name) const {
    return GetProperty(name);
}

}  // namespace framework
