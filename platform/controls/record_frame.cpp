#include "platform/controls/record_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>
#include <cctype>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/text_limit.h"
#include "platform/controls/value_text.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"

namespace controls {

namespace {

struct Binding {
    QPointer<QWidget> control;
    std::string field;
    BindOptions options;
    std::vector<QMetaObject::Connection> connections;
};

// Position of a top-level keyword (outside quotes and parentheses), or npos.
std::size_t findTopLevel(const std::string& sql, std::string_view word, std::size_t from = 0) {
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (quoted) {
            if (c == '\'')
                quoted = false;
            continue;
        }
        if (c == '\'')
            quoted = true;
        else if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (depth == 0 && i >= from && i + word.size() <= sql.size()) {
            bool match = (i == 0 || !std::isalnum(static_cast<unsigned char>(sql[i - 1])));
            for (std::size_t k = 0; match && k < word.size(); ++k)
                match = std::toupper(static_cast<unsigned char>(sql[i + k])) == word[k];
            const std::size_t end = i + word.size();
            if (match && (end == sql.size() || !std::isalnum(static_cast<unsigned char>(sql[end]))))
                return i;
        }
    }
    return std::string::npos;
}

std::string sqlLiteral(const db::Value& v) {
    if (v.isEmptyOrNull())
        return "NULL";
    if (v.isNumber())
        return v.toText();
    std::string text = v.toText();
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}

}  // namespace

// The list statement narrowed to one key: the condition joins the statement's
// own WHERE (or starts one) ahead of any GROUP BY / ORDER BY.
std::string KeyFilteredStatement(const std::string& sql, const std::string& keyField,
                                 const db::Value& key) {
    std::size_t tail = std::min(findTopLevel(sql, "GROUP"), findTopLevel(sql, "ORDER"));
    if (tail == std::string::npos)
        tail = sql.size();
    std::string head = sql.substr(0, tail);
    while (!head.empty() && std::isspace(static_cast<unsigned char>(head.back())))
        head.pop_back();
    const std::size_t from = findTopLevel(head, "FROM");
    const bool hasWhere =
        findTopLevel(head, "WHERE", from == std::string::npos ? 0 : from) != std::string::npos;
    head += hasWhere ? " AND " : " WHERE ";
    head += keyField + " = " + sqlLiteral(key);
    if (tail < sql.size())
        head += " " + sql.substr(tail);
    return head;
}

struct RecordFrame::Impl {
    RecordFrame* q;
    db::Connection* connection = nullptr;
    db::Recordset* rs = nullptr;
    std::string keyField;
    std::string listStatement;
    QString name;
    short status = 0;
    bool allowInsert = true;
    bool allowDelete = true;
    QString description;
    AskSave ask;
    Notify notify;
    std::vector<Binding> bindings;
    QPointer<DataGrid> grid;
    QMetaObject::Connection gridMove;
    bool concludeOnRowChange = true;
    QPointer<GridNavigator> navigator;
    int listener = 0;
    int busy = 0;                         // the frame's own work on the recordset
    bool loading = false;                 // controls being filled from the row
    bool writing = false;                 // a control writing its edit
    std::unique_ptr<db::Recordset> list;  // navigation list, read on demand
    db::Recordset::Bookmark beforeNew = 0;
    bool hasBeforeNew = false;

    struct Busy {
        Impl* d;
        explicit Busy(Impl* i) : d(i) { ++d->busy; }
        ~Busy() { --d->busy; }
    };

    bool hasRow() const { return rs && rs->isOpen() && !rs->eof() && !rs->bof(); }

    void setStatus(short s, bool always = false) {
        if (s == status && !always)
            return;
        status = s;
        emit q->changeStatus(s);
    }

    void say(const QString& text) {
        if (notify)
            notify(text);
        else
            QMessageBox::warning(nullptr, name.isEmpty() ? QStringLiteral("Attenzione") : name,
                                 text);
    }

    QString recordName() const {
        return description.isEmpty() ? QStringLiteral("il record") : description;
    }

    void attach() {
        if (!rs)
            return;
        listener = rs->addListener([this](db::Recordset::Change change, long) {
            if (busy)
                return;
            switch (change) {
                case db::Recordset::Change::ValueChanged:
                    if (!writing)
                        fill();
                    if (status == 0 && hasRow() && rs->status() == db::RecordStatus::Modified)
                        setStatus(1);
                    break;
                case db::Recordset::Change::CurrentMoved:
                case db::Recordset::Change::Reset:
                case db::Recordset::Change::RowRemoved:
                    fill();
                    followRow();
                    break;
                default:
                    break;
            }
        });
    }
    void detach() {
        if (rs && listener)
            rs->removeListener(listener);
        listener = 0;
    }

    // The status a row moved to from outside the frame implies.
    void followRow() {
        if (!hasRow()) {
            setStatus(0);
            return;
        }
        switch (rs->status()) {
            case db::RecordStatus::New:
                setStatus(2);
                break;
            case db::RecordStatus::Modified:
                setStatus(1);
                break;
            default:
                setStatus(0);
                break;
        }
    }

    const db::Value* current(const std::string& field) const {
        if (!hasRow())
            return nullptr;
        const int i = rs->fieldIndex(field);
        return i < 0 ? nullptr : &rs->value(i);
    }

    void fill() {
        loading = true;
        for (Binding& b : bindings) {
            if (!b.control)
                continue;
            const db::Value* v = current(b.field);
            const db::Value none;
            const db::Value& value = v ? *v : none;
            QWidget* w = b.control;
            if (auto* box = qobject_cast<LookupBox*>(w)) {
                box->SetText(ValueText(value));
            } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                edit->setText(ValueText(value));
                edit->setCursorPosition(0);
            } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
                const QString text = ValueText(value);
                if (plain->toPlainText() != text)
                    plain->setPlainText(text);
            } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
                check->setChecked(ValueIsTrue(value));
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                int at = -1;
                const QString text = ValueText(value);
                for (int i = 0; i < combo->count() && at < 0; ++i) {
                    const QVariant data = combo->itemData(i);
                    if (data.isValid() && data.toString() == text)
                        at = i;
                }
                if (at < 0 && !combo->itemData(0).isValid()) {
                    bool ok = false;
                    const int n = text.toInt(&ok);
                    if (ok && n >= 0 && n < combo->count())
                        at = n;
                }
                combo->setCurrentIndex(at);
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                label->setText(ValueText(value));
            }
        }
        loading = false;
    }

    // A control's edit goes into the current row.
    void write(const Binding& b, const db::Value& value) {
        if (loading || !hasRow())
            return;
        const int i = rs->fieldIndex(b.field);
        if (i < 0)
            return;
        writing = true;
        {
            Busy guard(this);
            rs->setValue(i, value);
        }
        writing = false;
        if (status == 0)
            setStatus(1);
    }
    void writeText(const Binding& b, QString text) {
        if (loading || !hasRow())
            return;
        const int i = rs->fieldIndex(b.field);
        if (i < 0)
            return;
        if (b.options.upperCase)
            text = text.toUpper();
        try {
            write(b, ValueFromText(text, rs->field(i).type));
        } catch (const std::invalid_argument&) {
            // Partial input ("-", "1,2,"): kept in the box until it parses.
        }
    }

    QWidget* firstEditable() const {
        for (const Binding& b : bindings)
            if (b.control && b.control->isEnabled() && !qobject_cast<QLabel*>(b.control.data()))
                return b.control;
        return nullptr;
    }

    // The bound control whose value is missing although required.
    QWidget* missingRequired() const {
        for (const Binding& b : bindings) {
            if (!b.control || !b.options.required)
                continue;
            const db::Value* v = current(b.field);
            if (!v || v->isEmptyOrNull() || QString::fromStdString(v->toText()).trimmed().isEmpty())
                return b.control;
        }
        return nullptr;
    }
    QString captionOf(QWidget* w) const {
        for (const Binding& b : bindings)
            if (b.control == w)
                return b.options.caption.isEmpty() ? QString::fromStdString(b.field)
                                                   : b.options.caption;
        return w ? w->objectName() : QString();
    }

    db::Recordset& navigationList() {
        if (!list) {
            list = std::make_unique<db::Recordset>();
            list->open(listStatement, *connection);
        }
        return *list;
    }
    bool usesList() const {
        return !listStatement.empty() && connection && rs && rs->source() != listStatement;
    }

    // Shows the record with the key by reopening the recordset narrowed to it.
    bool load(const db::Value& key) {
        Busy guard(this);
        const std::string sql = KeyFilteredStatement(listStatement, keyField, key);
        db::Recordset probe;
        probe.open(sql, *connection);
        if (probe.recordCount() == 0)
            return false;
        rs->close();
        rs->open(sql, *connection);
        rs->moveFirst();
        return true;
    }

    // Drops a new row quietly and returns to where the cursor was before it.
    void dropNewRow() {
        Busy guard(this);
        if (hasRow() && rs->status() == db::RecordStatus::New)
            rs->deleteCurrent();
        if (hasBeforeNew) {
            try {
                rs->setBookmark(beforeNew);
            } catch (const std::exception&) {
                if (rs->recordCount() > 0)
                    rs->moveFirst();
            }
        }
        hasBeforeNew = false;
    }

    void shown() {
        fill();
        if (grid)
            grid->Refresh();
        setStatus(0, true);
    }
};

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
    for (Binding& b : d->bindings)
        for (auto& c : b.connections)
            disconnect(c);
    d->bindings.clear();
}

void RecordFrame::RefreshControls() {
    d->fill();
}

void RecordFrame::SetGrid(DataGrid* grid) {
    disconnect(d->gridMove);
    d->grid = grid;
    if (!grid)
        return;
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

bool RecordFrame::Update() {
    if (!d->hasRow())
        return false;
    if (d->status == 0 && d->rs->status() == db::RecordStatus::Unchanged)
        return true;
    QWidget* invalid = d->missingRequired();
    bool cancel = false;
    if (invalid) {
        d->say(QStringLiteral("Il campo \"%1\" è obbligatorio.").arg(d->captionOf(invalid)));
        invalid->setFocus();
        return false;
    }
    emit validateRecord(invalid, cancel);
    if (invalid || cancel) {
        if (invalid)
            invalid->setFocus();
        return false;
    }
    emit beforeUpdate(cancel);
    if (cancel)
        return false;
    try {
        Impl::Busy guard(d.get());
        d->rs->updateBatch(db::Affect::Current);
    } catch (const std::exception& e) {
        d->say(QStringLiteral("Impossibile salvare %1:\n%2")
                   .arg(d->recordName(), QString::fromStdString(e.what())));
        emit afterUpdate(false);
        return false;
    }
    d->hasBeforeNew = false;
    d->list.reset();
    d->fill();
    if (d->grid)
        d->grid->Refresh();
    d->setStatus(0);
    emit afterUpdate(true);
    return true;
}

QString WithPrepositionA(const QString& text) {
    // The article joins the preposition: "a il" is "al", "a l'" is "all'".
    struct Forma {
        const char* articolo;
        const char* articolata;
    };
    static const Forma forme[] = {{"il ", "al "},   {"lo ", "allo "}, {"la ", "alla "},
                                  {"l'", "all'"},   {"i ", "ai "},    {"gli ", "agli "},
                                  {"le ", "alle "}};
    for (const Forma& f : forme) {
        const QString a = QString::fromUtf8(f.articolo);
        if (text.startsWith(a, Qt::CaseInsensitive))
            return QString::fromUtf8(f.articolata) + text.mid(a.size());
    }
    return QStringLiteral("a ") + text;
}

bool RecordFrame::SaveIfNeeded(bool ask, bool discardWithoutAsking, bool allowCancel) {
    if (d->status == 0)
        return true;
    // An entry row of a frame that cannot insert is a search, not an edit.
    if (d->status == 2 && !d->allowInsert)
        return true;
    if (!ask) {
        if (discardWithoutAsking) {
            Undo();
            return true;
        }
        return Update();
    }
    const QString question =
        QStringLiteral("Salvare le modifiche apportate %1?").arg(WithPrepositionA(d->recordName()));
    SaveAnswer answer;
    if (d->ask) {
        answer = d->ask(question, allowCancel);
    } else {
        auto buttons = QMessageBox::Yes | QMessageBox::No;
        if (allowCancel)
            buttons |= QMessageBox::Cancel;
        const auto r = QMessageBox::question(nullptr, d->name, question, buttons);
        answer = r == QMessageBox::Yes  ? SaveAnswer::Save
                 : r == QMessageBox::No ? SaveAnswer::Discard
                                        : SaveAnswer::Cancel;
    }
    if (answer == SaveAnswer::Cancel && !allowCancel)
        answer = SaveAnswer::Discard;
    switch (answer) {
        case SaveAnswer::Save:
            return Update();
        case SaveAnswer::Discard:
            Undo();
            return true;
        default:
            return false;
    }
}

bool RecordFrame::AddNew() {
    if (!d->allowInsert || !d->rs || !d->rs->isOpen()) {
        emit afterAddNew(false);
        return false;
    }
    if (!SaveIfNeeded(true, false, true)) {
        emit afterAddNew(false);
        return false;
    }
    {
        Impl::Busy guard(d.get());
        d->hasBeforeNew = d->hasRow();
        if (d->hasBeforeNew)
            d->beforeNew = d->rs->bookmark();
        d->rs->addNew();
    }
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    d->setStatus(2);
    emit afterAddNew(true);
    d->fill();
    if (QWidget* first = d->firstEditable())
        first->setFocus();
    return true;
}

bool RecordFrame::Delete() {
    if (!d->allowDelete || !d->hasRow())
        return false;
    if (d->status == 2) {
        Undo();
        return true;
    }
    bool cancel = false;
    emit beforeDelete(cancel);
    if (cancel)
        return false;
    bool ok = true;
    try {
        Impl::Busy guard(d.get());
        d->rs->deleteCurrent();
        d->rs->updateBatch(db::Affect::All);
    } catch (const std::exception& e) {
        ok = false;
        Impl::Busy guard(d.get());
        d->rs->cancelBatch();
        d->say(QStringLiteral("Impossibile eliminare %1:\n%2")
                   .arg(d->recordName(), QString::fromStdString(e.what())));
    }
    d->list.reset();
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    d->setStatus(0, ok);
    emit afterDelete(ok);
    return ok;
}

void RecordFrame::Undo() {
    if (!d->rs || !d->rs->isOpen())
        return;
    {
        // Whatever came before, every pending change goes (a new row, edits
        // of the row shown or of rows left behind), and the frame shows the
        // stored record it was on: the row shown, or the one shown before a
        // new row was started.
        Impl::Busy guard(d.get());
        const bool onStored = d->hasRow() && d->rs->status() != db::RecordStatus::New;
        const bool marked = onStored || d->hasBeforeNew;
        const auto mark = onStored ? d->rs->bookmark() : d->beforeNew;
        d->rs->cancelBatch();
        bool placed = false;
        if (marked) {
            try {
                d->rs->setBookmark(mark);
                placed = d->hasRow();
            } catch (const std::exception&) {
            }
        }
        if (!placed && d->rs->recordCount() > 0)
            d->rs->moveFirst();
        d->hasBeforeNew = false;
    }
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    // Said even when the frame thought it was there: the controls follow.
    d->setStatus(0, true);
    emit afterUndo();
}

void RecordFrame::Change(int, int, int) {
    if (!d->hasRow() || d->status != 0)
        return;
    d->setStatus(1);
}

bool RecordFrame::LookupRecord(bool notFoundMessage, bool keepEntry) {
    const db::Value* keyValue = d->current(d->keyField);
    if (!keyValue || keyValue->isEmptyOrNull())
        return false;
    const db::Value key = *keyValue;
    const bool entering = d->rs->status() == db::RecordStatus::New;
    const auto self = d->rs->bookmark();
    // Already among the recordset's rows?
    const int keyIndex = d->rs->fieldIndex(d->keyField);
    for (long row = 0; row < d->rs->recordCount(); ++row) {
        if (d->rs->bookmarkAt(row) == self)
            continue;
        if (d->rs->statusAt(row) == db::RecordStatus::New)
            continue;
        if (db::Value::compare(d->rs->valueAt(row, keyIndex), key) != 0)
            continue;
        const auto target = d->rs->bookmarkAt(row);
        {
            Impl::Busy guard(d.get());
            if (entering)
                d->rs->deleteCurrent();
            d->rs->setBookmark(target);
        }
        d->hasBeforeNew = false;
        d->shown();
        return true;
    }
    if (d->usesList()) {
        bool found = false;
        try {
            found = d->load(key);
        } catch (const std::exception& e) {
            d->say(QString::fromStdString(e.what()));
            return false;
        }
        if (found) {
            d->hasBeforeNew = false;
            d->shown();
            return true;
        }
    }
    if (notFoundMessage)
        d->say(QStringLiteral("Non esiste %1 con codice \"%2\".")
                   .arg(d->recordName(), QString::fromStdString(key.toText())));
    if (!keepEntry && entering) {
        d->dropNewRow();
        d->fill();
        d->setStatus(0);
    }
    return false;
}

namespace {
enum class Step { First, Previous, Next, Last };
}

bool RecordFrame::Move(int stepCode) {
    RecordFrame& frame = *this;
    Impl& d = *this->d;
    const Step step = static_cast<Step>(stepCode);
    if (!d.rs || !d.rs->isOpen())
        return false;
    if (!frame.SaveIfNeeded(true, false, true))
        return false;
    if (d.usesList()) {
        try {
            db::Recordset& list = d.navigationList();
            if (list.recordCount() == 0)
                return false;
            const int keyIndex = list.fieldIndex(d.keyField);
            if (keyIndex < 0)
                return false;
            long at = -1;
            if (const db::Value* key = d.current(d.keyField))
                for (long row = 0; row < list.recordCount() && at < 0; ++row)
                    if (db::Value::compare(list.valueAt(row, keyIndex), *key) == 0)
                        at = row;
            const long last = list.recordCount() - 1;
            long target = 0;
            switch (step) {
                case Step::First:
                    target = 0;
                    break;
                case Step::Last:
                    target = last;
                    break;
                case Step::Next:
                    target = at < 0 ? 0 : at + 1;
                    break;
                case Step::Previous:
                    target = at < 0 ? last : at - 1;
                    break;
            }
            if (target < 0 || target > last || target == at)
                return false;
            if (d.status == 2)
                d.dropNewRow();
            if (!d.load(list.valueAt(target, keyIndex)))
                return false;
        } catch (const std::exception& e) {
            d.say(QString::fromStdString(e.what()));
            return false;
        }
        d.shown();
        return true;
    }
    if (d.rs->recordCount() == 0)
        return false;
    const auto before = d.hasRow() ? d.rs->absolutePosition() : 0;
    {
        Impl::Busy guard(&d);
        switch (step) {
            case Step::First:
                d.rs->moveFirst();
                break;
            case Step::Last:
                d.rs->moveLast();
                break;
            case Step::Next:
                d.rs->moveNext();
                if (d.rs->eof())
                    d.rs->moveLast();
                break;
            case Step::Previous:
                d.rs->movePrevious();
                if (d.rs->bof())
                    d.rs->moveFirst();
                break;
        }
    }
    if (d.rs->absolutePosition() == before)
        return false;
    if (d.grid)
        d.grid->SetCurrentRow(d.rs->absolutePosition() - 1);
    d.shown();
    return true;
}

bool RecordFrame::MoveFirst() {
    return Move(static_cast<int>(Step::First));
}
bool RecordFrame::MovePrevious() {
    return Move(static_cast<int>(Step::Previous));
}
bool RecordFrame::MoveNext() {
    return Move(static_cast<int>(Step::Next));
}
bool RecordFrame::MoveLast() {
    return Move(static_cast<int>(Step::Last));
}

void RecordFrame::Requery() {
    if (d->rs && d->rs->isOpen() && d->rs->connection()) {
        Impl::Busy guard(d.get());
        d->rs->requery();
    }
    d->list.reset();
    d->hasBeforeNew = false;
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    d->setStatus(0);
    emit requery();
}

void RecordFrame::Reset() {
    if (d->rs && d->rs->isOpen()) {
        Impl::Busy guard(d.get());
        d->rs->cancelBatch();
    }
    d->list.reset();
    d->hasBeforeNew = false;
    d->status = 0;
    d->fill();
}

}  // namespace controls
