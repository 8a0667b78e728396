#include "platform/framework/navigator.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QToolBar>

#include "platform/framework/form_events.h"

namespace framework {

namespace {

struct ButtonInfo {
    int id;
    const char* text;
    const char* tip;
    QStyle::StandardPixmap icon;
    QKeySequence shortcut;
};

std::vector<ButtonInfo> buttons() {
    return {
        {Navigator::kFirst, "Primo", "Primo record", QStyle::SP_MediaSkipBackward,
         QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {Navigator::kPrevious, "Precedente", "Record precedente", QStyle::SP_MediaSeekBackward,
         QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {Navigator::kNext, "Successivo", "Record successivo", QStyle::SP_MediaSeekForward,
         QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {Navigator::kLast, "Ultimo", "Ultimo record", QStyle::SP_MediaSkipForward,
         QKeySequence(Qt::CTRL | Qt::Key_End)},
        {Navigator::kNew, "Nuovo", "Nuovo record", QStyle::SP_FileIcon,
         QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Navigator::kSave, "Salva", "Salva le modifiche", QStyle::SP_DialogSaveButton,
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Navigator::kDelete, "Elimina", "Elimina il record", QStyle::SP_TrashIcon,
         QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {Navigator::kUndo, "Annulla", "Annulla le modifiche", QStyle::SP_DialogCancelButton,
         QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {Navigator::kSearch, "Ricerca", "Cerca un record", QStyle::SP_FileDialogContentsView,
         QKeySequence(Qt::Key_F3)},
        {Navigator::kMultimedia, "Multimedia", "Dati multimediali del record",
         QStyle::SP_DirOpenIcon, QKeySequence(Qt::CTRL | Qt::Key_M)},
    };
}

}  // namespace

Navigator::Navigator(QObject* parent)
    : QObject(parent), formEvents_(std::make_unique<FormEvents>()) {}

Navigator::~Navigator() = default;

void Navigator::SetStatus(short status) {
    status_ = status;
    applyEnabling();
}

bool Navigator::ButtonEnabled(int button) const {
    const bool frame = status_ >= 0;
    const bool shown = status_ == 0, editing = status_ == 1 || status_ == 2;
    switch (button) {
        case kFirst:
        case kPrevious:
        case kNext:
        case kLast:
        case kMultimedia:
            return frame;
        case kNew:
            return shown && allowInsert_;
        case kDelete:
            return shown && allowDelete_;
        case kSearch:
            return shown || status_ == 2;
        case kSave:
        case kUndo:
            return editing;
        default:
            return false;
    }
}

void Navigator::SetAllowed(bool insert, bool remove) {
    allowInsert_ = insert;
    allowDelete_ = remove;
    applyEnabling();
}

void Navigator::Refresh() {
    ++refreshes_;
    applyEnabling();
    emit Refreshed();
}

void Navigator::applyEnabling() {
    for (auto& [id, action] : actions_)
        if (action)
            action->setEnabled(ButtonEnabled(id));
}

void Navigator::SupplyFormEvents(bool supply) {
    if (supply && !formEvents_)
        formEvents_ = std::make_unique<FormEvents>();
    else if (!supply)
        formEvents_.reset();
}

void Navigator::SetForm(QWidget* form) {
    form_ = form;
    LayoutModel* layout = layout_;
    ScriptModel* script = script_;
    if (layout)
        emit InitializeLayoutObjectModel(form, layout);
    if (script)
        emit InitializeScriptObjectModel(form, script);
}

void Navigator::Press(int button) {
    int id = button;
    emit ButtonPressed(db::Value(), id);
    if (id != 0)
        emit ButtonAction(id);
}

bool Navigator::ChangeCompany(const db::Value& company,
                              const std::function<void()>& switchCompany) {
    bool cancel = false;
    emit BeforeChangeDitta(cancel);
    if (cancel)
        return false;
    if (switchCompany)
        switchCompany();
    emit ChangeDitta(company);
    return true;
}

QToolBar* Navigator::CreateToolBar(QWidget* parent) {
    auto* bar = new QToolBar(QStringLiteral("Navigatore"), parent);
    bar->setObjectName(QStringLiteral("ActiveNavigator"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QStyle* style = QApplication::style();
    for (const ButtonInfo& b : buttons()) {
        if (b.id == kNew || b.id == kSearch)
            bar->addSeparator();
        QAction* action = bar->addAction(style->standardIcon(b.icon), QString::fromUtf8(b.text));
        action->setToolTip(
            QStringLiteral("%1 (%2)").arg(QString::fromUtf8(b.tip), b.shortcut.toString()));
        action->setShortcut(b.shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setObjectName(QStringLiteral("NAV_%1").arg(b.id));
        const int id = b.id;
        connect(action, &QAction::triggered, this, [this, id] { Press(id); });
        actions_[id] = action;
    }
    applyEnabling();
    return bar;
}

QAction* Navigator::Action(int button) const {
    auto it = actions_.find(button);
    return it == actions_.end() ? nullptr : it->second.data();
}

}  // namespace framework
