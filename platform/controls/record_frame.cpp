#include "platform/controls/record_frame.h"

#include "platform/controls/record_frame_impl.h"
#include "platform/controls/text_limit.h"

namespace controls {

RecordFrame::RecordFrame(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {
    d->q = this;
}

RecordFrame::~RecordFrame() {
    Release();
}

void RecordFrame::Bind(db::Connection* connection, db::Recordset* recordset, std::string keyField,
                       std::string listStatement) {
    d->detach();
    d->connection = connection;
    d->rs = recordset;
    d->keyField = std::move(keyField);
    d->listStatement = std::move(listStatement);
    d->list.reset();
    d->status = 0;
    d->attach();
    d->fill();
}

void RecordFrame::SetListStatement(std::string listStatement) {
    d->listStatement = std::move(listStatement);
    d->list.reset();
}
const std::string& RecordFrame::ListStatement() const {
    return d->listStatement;
}
const std::string& RecordFrame::KeyField() const {
    return d->keyField;
}
db::Connection* RecordFrame::Connection() const {
    return d->connection;
}

void RecordFrame::Release() {
    UnbindControls();
    d->detach();
    if (d->navigator)
        d->navigator->SetFrame(nullptr);
    disconnect(d->gridMove);
    if (d->grid)
        d->grid->removeEventFilter(this);
    d->grid = nullptr;
    d->navigator = nullptr;
    d->rs = nullptr;
    d->connection = nullptr;
    d->list.reset();
}

db::Recordset* RecordFrame::Recordset() const {
    return d->rs;
}
short RecordFrame::Status() const {
    return d->status;
}
QString RecordFrame::Name() const {
    return d->name;
}
void RecordFrame::SetName(const QString& name) {
    d->name = name;
}

void RecordFrame::SetStatus(short status) {
    if (status == 2) {
        if (!d->rs || !d->rs->isOpen())
            return;
        if (d->status == 2)
            return;
        // A key to look up (the host's search) leaves the record shown.
        if (d->hasRow()) {
            bool cancel = false;
            emit beforeMove(cancel);
            if (cancel)
                return;
        }
        {
            Impl::Busy guard(d.get());
            d->hasBeforeNew = d->hasRow();
            if (d->hasBeforeNew)
                d->beforeNew = d->rs->bookmark();
            d->rs->addNew();
        }
        d->fill();
        d->setStatus(2);
    } else if (status == 1) {
        Change();
    } else {
        d->fill();
        d->setStatus(0);
    }
}

void RecordFrame::BindControl(QWidget* control, std::string field, BindOptions options) {
    if (!control)
        return;
    d->bindings.push_back({control, std::move(field), std::move(options), {}});
    control->installEventFilter(this);
    const std::size_t at = d->bindings.size() - 1;
    Impl* impl = d.get();
    auto& conns = d->bindings.back().connections;
    auto binding = [impl, at]() -> Binding& { return impl->bindings[at]; };
    if (auto* box = qobject_cast<LookupBox*>(control)) {
        if (d->bindings.back().options.upperCase)
            box->SetUpperCase(true);
        conns.push_back(
            connect(box->LineEdit(), &QLineEdit::textEdited, this,
                    [impl, binding](const QString& t) { impl->writeText(binding(), t); }));
        conns.push_back(connect(box, &LookupBox::afterItem, this, [impl, binding, box]() {
            impl->writeText(binding(), box->Text());
        }));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        conns.push_back(
            connect(edit, &QLineEdit::textEdited, this, [impl, binding, edit](const QString& t) {
                if (binding().options.upperCase && t != t.toUpper()) {
                    const int pos = edit->cursorPosition();
                    edit->setText(t.toUpper());
                    edit->setCursorPosition(pos);
                }
                impl->writeText(binding(), t);
            }));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        // textChanged also follows setPlainText: the frame's own filling is
        // told apart by its loading flag, a program's text is an edit.
        conns.push_back(connect(
            plain, &QPlainTextEdit::textChanged, this,
            [impl, binding, plain]() { impl->writeText(binding(), plain->toPlainText()); }));
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        conns.push_back(connect(check, &QCheckBox::clicked, this, [impl, binding](bool on) {
            const Binding& b = binding();
            const int i = impl->rs ? impl->rs->fieldIndex(b.field) : -1;
            if (i < 0)
                return;
            const bool boolean = impl->rs->field(i).type == db::FieldType::Boolean;
            impl->write(b, boolean ? db::Value(on) : db::Value(on ? 1 : 0));
        }));
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        conns.push_back(connect(combo, &QComboBox::activated, this, [impl, binding, combo](int i) {
            const QVariant data = combo->itemData(i);
            if (data.isValid())
                impl->writeText(binding(), data.toString());
            else
                impl->write(binding(), db::Value(i));
        }));
    }
    // No box takes more than its column holds.
    if (d->rs && d->rs->isOpen()) {
        const int i = d->rs->fieldIndex(d->bindings.back().field);
        if (i >= 0 && (d->rs->field(i).type == db::FieldType::Text ||
                       d->rs->field(i).type == db::FieldType::FixedText))
            NarrowTextLimit(control, d->rs->field(i).size);
    }
    d->fill();
}

void RecordFrame::UnbindControls() {
    for (Binding& b : d->bindings) {
        for (auto& c : b.connections)
            disconnect(c);
        if (b.control)
            b.control->removeEventFilter(this);
    }
    d->bindings.clear();
}

void RecordFrame::RefreshControls() {
    d->fill();
}

void RecordFrame::SetGrid(DataGrid* grid) {
    disconnect(d->gridMove);
    if (d->grid)
        d->grid->removeEventFilter(this);
    d->grid = grid;
    if (!grid)
        return;
    grid->installEventFilter(this);
    d->gridMove =
        connect(grid, &DataGrid::beforeRowChange, this, [this, grid](long, long, bool& cancel) {
            if (d->concludeOnRowChange && d->rs && grid->DataSource() == d->rs)
                cancel = !SaveIfNeeded(true, false, true);
        });
}
void RecordFrame::SetConcludeOnRowChange(bool conclude) {
    d->concludeOnRowChange = conclude;
}
bool RecordFrame::ConcludeOnRowChange() const {
    return d->concludeOnRowChange;
}
DataGrid* RecordFrame::Grid() const {
    return d->grid;
}
void RecordFrame::SetNavigator(GridNavigator* navigator) {
    d->navigator = navigator;
    if (navigator) {
        navigator->SetFrame(this);
        if (d->grid)
            navigator->SetGrid(d->grid);
    }
}

void RecordFrame::SetAllowInsert(bool allow) {
    d->allowInsert = allow;
}
bool RecordFrame::AllowInsert() const {
    return d->allowInsert;
}
void RecordFrame::SetAllowDelete(bool allow) {
    d->allowDelete = allow;
}
bool RecordFrame::AllowDelete() const {
    return d->allowDelete;
}
void RecordFrame::SetRecordDescription(const QString& text) {
    d->description = text;
}
QString RecordFrame::RecordDescription() const {
    return d->description;
}
void RecordFrame::SetAskSave(AskSave ask) {
    d->ask = std::move(ask);
}
void RecordFrame::SetNotify(Notify notify) {
    d->notify = std::move(notify);
}

}  // namespace controls
