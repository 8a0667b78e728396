#pragma once
// The host's layout and script models. A component registers its window
// (and the objects the host's scripts may reach) by name; the model answers
// the object to use from then on.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QSettings;

namespace framework {

class MenuEntry;

// Remembers the geometry of each registered window between runs, by name,
// the bytes of its "layoutState" property when it has one, and each entry
// of its "layoutEntries" property (a map) under the entry's own name, which
// starts with the window's object name and "." ("FRMMG_VELDRANO.GRD_TRASCF").
class LayoutModel {
public:
    // Remembers nothing: registered windows keep their own geometry.
    LayoutModel();
    // Remembers geometries in settings (the host's QSettings, or an ini file).
    explicit LayoutModel(std::unique_ptr<QSettings> settings);
    ~LayoutModel();
    LayoutModel(const LayoutModel&) = delete;
    LayoutModel& operator=(const LayoutModel&) = delete;

    // Restores the window's saved geometry and saves it again whenever the
    // window is hidden; answers the window to use (the same one).
    QWidget* Register(QWidget* window, const std::string& name);
    // Saves the geometry of every registered window that is still there.
    void Save();
    std::vector<std::string> Names() const;

private:
    class Watcher;
    struct Entry {
        std::string name;
        QPointer<QWidget> window;
    };
    void save(const Entry& entry);
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<Watcher> watcher_;
    std::vector<Entry> entries_;
};

// What the host's scripts may reach: windows (kind 0) and record frames
// (kind 3) by name, with the menu entry of the launch as context.
class ScriptModel {
public:
    struct Entry {
        std::string name;
        int kind = 0;
        std::string description;
        QPointer<QObject> object;
    };

    void SetContext(MenuEntry* entry) { context_ = entry; }
    MenuEntry* Context() const { return context_; }
    // Registers (or replaces, by name) an object; answers the object to use.
    QObject* Register(QObject* object, const std::string& name, int kind,
                      const std::string& description);
    const std::vector<Entry>& Entries() const { return entries_; }
    const Entry* Find(const std::string& name) const;

private:
    MenuEntry* context_ = nullptr;
    std::vector<Entry> entries_;
};

}  // namespace framework
