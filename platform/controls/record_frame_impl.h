#pragma once
// The record frame's state, shared by its source files (setup and bindings,
// edits, navigation). Private to platform/controls.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/controls/value_text.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace controls {

struct Binding {
    QPointer<QWidget> control;
    std::string field;
    BindOptions options;
    std::vector<QMetaObject::Connection> connections;
};

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

    bool hasRow() const { return rs && rs->hasCurrentRow(); }

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

}  // namespace controls
