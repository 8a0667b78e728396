#include "platform/framework/object_models.h"

#include <QEvent>
#include <QSettings>
#include <QVariantMap>

namespace framework {

namespace {
QString key(const std::string& name) {
    return QStringLiteral("layout/%1/geometry").arg(QString::fromStdString(name));
}
QString stateKey(const std::string& name) {
    return QStringLiteral("layout/%1/state").arg(QString::fromStdString(name));
}
// A window may hand the model more of its layout than its geometry (split
// positions and the like) as this property's bytes.
constexpr const char* kLayoutState = "layoutState";
// And named entries (a map of name to bytes), each kept under its own name:
// a window's grids under the window's name and the grid's joined by ".".
constexpr const char* kLayoutEntries = "layoutEntries";
QString entryKey(const QString& name) {
    return QStringLiteral("layout/%1").arg(name);
}
}  // namespace

// Saves a registered window's geometry when it is hidden.
class LayoutModel::Watcher : public QObject {
public:
    explicit Watcher(LayoutModel& model) : model_(model) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            for (const Entry& e : model_.entries_)
                if (e.window == watched)
                    model_.save(e);
        return QObject::eventFilter(watched, event);
    }

private:
    LayoutModel& model_;
};

LayoutModel::LayoutModel() : watcher_(std::make_unique<Watcher>(*this)) {}

LayoutModel::LayoutModel(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)), watcher_(std::make_unique<Watcher>(*this)) {}

LayoutModel::~LayoutModel() {
    for (const Entry& e : entries_)
        if (e.window)
            e.window->removeEventFilter(watcher_.get());
}

QWidget* LayoutModel::Register(QWidget* window, const std::string& name) {
    if (!window)
        return nullptr;
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!it->window || it->name == name || it->window == window) {
            if (it->window)
                it->window->removeEventFilter(watcher_.get());
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
    entries_.push_back({name, window});
    if (settings_) {
        const QByteArray saved = settings_->value(key(name)).toByteArray();
        if (!saved.isEmpty())
            window->restoreGeometry(saved);
        const QByteArray state = settings_->value(stateKey(name)).toByteArray();
        if (!state.isEmpty() && window->property(kLayoutState).isValid())
            window->setProperty(kLayoutState, state);
        if (window->property(kLayoutEntries).isValid() && !window->objectName().isEmpty()) {
            // The entries of this window: those named after it.
            QVariantMap entries;
            settings_->beginGroup(QStringLiteral("layout"));
            const QStringList keys = settings_->childKeys();
            settings_->endGroup();
            const QString prefix = window->objectName() + QLatin1Char('.');
            for (const QString& k : keys)
                if (k.startsWith(prefix))
                    entries.insert(k, settings_->value(entryKey(k)));
            if (!entries.isEmpty())
                window->setProperty(kLayoutEntries, entries);
        }
    }
    window->installEventFilter(watcher_.get());
    return window;
}

void LayoutModel::save(const Entry& entry) {
    if (!settings_ || !entry.window)
        return;
    settings_->setValue(key(entry.name), entry.window->saveGeometry());
    const QVariant state = entry.window->property(kLayoutState);
    if (state.isValid())
        settings_->setValue(stateKey(entry.name), state.toByteArray());
    const QVariantMap entries = entry.window->property(kLayoutEntries).toMap();
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        settings_->setValue(entryKey(it.key()), it.value());
    settings_->sync();
}

void LayoutModel::Save() {
    for (const Entry& e : entries_)
        save(e);
}

std::vector<std::string> LayoutModel::Names() const {
    std::vector<std::string> names;
    for (const Entry& e : entries_)
        if (e.window)
            names.push_back(e.name);
    return names;
}

QObject* ScriptModel::Register(QObject* object, const std::string& name, int kind,
                               const std::string& description) {
    if (!object)
        return nullptr;
    for (Entry& e : entries_)
        if (e.name == name) {
            e = {name, kind, description, object};
            return object;
        }
    entries_.push_back({name, kind, description, object});
    return object;
}

const ScriptModel::Entry* ScriptModel::Find(const std::string& name) const {
    for (const Entry& e : entries_)
        if (e.name == name && e.object)
            return &e;
    return nullptr;
}

}  // namespace framework
