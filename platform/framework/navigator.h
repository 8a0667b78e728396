#pragma once
// The host's navigator (ActiveNavigator): the toolbar of record buttons the
// host shows for the active component. It raises the events a component
// answers (change of company, buttons, layout and script models), takes the
// active record frame's status to enable its buttons, and supplies the
// form-event object. Events are Qt signals for direct connections: a handler
// answers through the arguments passed by reference.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "platform/db/value.h"

class QToolBar;
class QAction;

namespace framework {

class FormEvents;
class LayoutModel;
class ScriptModel;

class Navigator : public QObject {
    Q_OBJECT
public:
    // Button identifiers of the toolbar.
    enum Button : int {
        kFirst = 1,
        kPrevious = 2,
        kNext = 3,
        kLast = 4,
        kNew = 5,
        kSave = 6,
        kDelete = 7,
        kUndo = 8,
        kSearch = 9,
        kMultimedia = 25,
    };

    explicit Navigator(QObject* parent = nullptr);
    ~Navigator() override;

    // ---- the active frame's state
    // Enables the buttons for a record-frame status (0 shown, 1 changed,
    // 2 being entered); -1: no frame, every button off.
    void SetStatus(short status);
    short Status() const { return status_; }
    bool ButtonEnabled(int button) const;
    // What the active frame allows: Nuovo and Elimina stay off where it
    // allows neither (a frame that only shows, or that cannot delete).
    void SetAllowed(bool insert, bool remove);
    // Redraws the toolbar from the current state; counted for the host.
    void Refresh();
    int Refreshes() const { return refreshes_; }

    // ---- the form-event object ("tsOpen" / "tsClose"); null when the host
    // supplies none
    FormEvents* FormEventObject() const { return formEvents_.get(); }
    void SupplyFormEvents(bool supply);

    // ---- models handed to components when a window is handed over
    void SetLayoutModel(LayoutModel* model) { layout_ = model; }
    LayoutModel* Layout() const { return layout_; }
    void SetScriptModel(ScriptModel* model) { script_ = model; }
    ScriptModel* Script() const { return script_; }
    // A window handed to the navigator: raises InitializeLayoutObjectModel
    // and InitializeScriptObjectModel with the host's models.
    void SetForm(QWidget* form);
    QWidget* Form() const { return form_; }

    // ---- what the host does through it
    // Raises ButtonPressed; unless a handler took the button over (set it to
    // 0), raises ButtonAction for the host to act on the active frame.
    void Press(int button);
    // Raises BeforeChangeDitta; unless cancelled runs switchCompany and
    // raises ChangeDitta. Answers whether the company changed.
    bool ChangeCompany(const db::Value& company, const std::function<void()>& switchCompany);

    // The toolbar: one action per button, enabled by the status; its
    // actions call Press. Owned by parent.
    QToolBar* CreateToolBar(QWidget* parent);
    QAction* Action(int button) const;

signals:
    void BeforeChangeDitta(bool& cancel);
    void ButtonPressed(const db::Value& argument, int& button);
    void ChangeDitta(const db::Value& company);
    void InitializeLayoutObjectModel(QObject* form, framework::LayoutModel*& model);
    void InitializeScriptObjectModel(QObject* form, framework::ScriptModel*& model);
    // A button nobody took over: the host acts on the active frame.
    void ButtonAction(int button);
    // Raised by Refresh, after the buttons were enabled again.
    void Refreshed();

private:
    void applyEnabling();

    bool allowInsert_ = true, allowDelete_ = true;
    short status_ = -1;
    int refreshes_ = 0;
    std::unique_ptr<FormEvents> formEvents_;
    LayoutModel* layout_ = nullptr;
    ScriptModel* script_ = nullptr;
    QPointer<QWidget> form_;
    std::map<int, QPointer<QAction>> actions_;
};

}  // namespace framework
