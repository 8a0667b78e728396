#include "platform/controls/lookup_box.h"

#include <QAbstractTableModel>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "platform/controls/grid_exchange.h"
#include "platform/controls/value_text.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "platform/framework/error_report.h"

namespace controls {

namespace {

// Read-only view of chosen fields of a recordset, by row.
class RowsModel : public QAbstractTableModel {
public:
    RowsModel(db::Recordset& rows, std::vector<int> fields, QStringList captions, QObject* parent)
        : QAbstractTableModel(parent),
          rows_(rows),
          fields_(std::move(fields)),
          captions_(std::move(captions)) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.recordCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(fields_.size());
    }
    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid() || role != Qt::DisplayRole)
            return {};
        const db::Value& v = rows_.valueAt(i.row(), fields_[static_cast<std::size_t>(i.column())]);
        if (v.type() == db::Value::Type::Date && !v.asDate().hasTime())
            return QString::fromStdString(v.asDate().toIsoDate());
        return ValueText(v);
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section < captions_.size())
            return captions_[section];
        if (o == Qt::Vertical)
            return {};
        return QAbstractTableModel::headerData(section, o, role);
    }

private:
    db::Recordset& rows_;
    std::vector<int> fields_;
    QStringList captions_;
};

// Abort, retry and ignore, critical, retry as default, system-modal: the
// style of the window's own error reports.
constexpr int kErrorStyle = 4096 + 256 + 16 + 2;
constexpr int kRetry = 4;

}  // namespace

// ---------------------------------------------------------------- dialog

struct LookupDialog::Impl {
    QLineEdit* filter = nullptr;
    QTableView* view = nullptr;
    QSortFilterProxyModel* proxy = nullptr;
    long chosen = -1;
};

LookupDialog::LookupDialog(db::Recordset& rows, const QStringList& fields,
                           const QStringList& captions, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Impl>()) {
    std::vector<int> indices;
    QStringList titles;
    if (fields.isEmpty()) {
        for (int i = 0; i < rows.fieldCount(); ++i) {
            indices.push_back(i);
            titles << (i < captions.size() ? captions[i]
                                           : QString::fromStdString(rows.field(i).name));
        }
    } else {
        for (int k = 0; k < fields.size(); ++k) {
            const int i = rows.fieldIndex(fields[k].toStdString());
            if (i < 0)
                throw std::invalid_argument("lookup column " + fields[k].toStdString() +
                                            " is not in the lookup query");
            indices.push_back(i);
            titles << (k < captions.size() && !captions[k].isEmpty() ? captions[k] : fields[k]);
        }
    }
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(ExchangeCaption(parent, QStringLiteral("Cerca:")), this));
    d->filter = new QLineEdit(this);
    d->filter->setObjectName(QStringLiteral("TXT_FILTRO"));
    d->filter->setClearButtonEnabled(true);
    searchRow->addWidget(d->filter, 1);
    layout->addLayout(searchRow);
    d->view = new QTableView(this);
    d->proxy = new QSortFilterProxyModel(this);
    d->proxy->setSourceModel(new RowsModel(rows, std::move(indices), titles, this));
    d->proxy->setFilterKeyColumn(-1);
    d->proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    d->view->setModel(d->proxy);
    d->view->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->view->setSelectionMode(QAbstractItemView::SingleSelection);
    d->view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->view->verticalHeader()->hide();
    d->view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    d->view->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(d->view, 1);
    resize(560, 420);
    auto selectFirst = [this]() {
        if (d->proxy->rowCount() > 0)
            d->view->setCurrentIndex(d->proxy->index(0, 0));
    };
    connect(d->filter, &QLineEdit::textChanged, this, [this, selectFirst](const QString& t) {
        d->proxy->setFilterFixedString(t);
        selectFirst();
    });
    connect(d->view, &QTableView::doubleClicked, this, [this](const QModelIndex&) { Choose(); });
    d->filter->installEventFilter(this);
    d->view->installEventFilter(this);
    selectFirst();
    d->filter->setFocus();
}

LookupDialog::~LookupDialog() = default;

QLineEdit* LookupDialog::FilterEdit() const {
    return d->filter;
}
QTableView* LookupDialog::View() const {
    return d->view;
}
int LookupDialog::VisibleRowCount() const {
    return d->proxy->rowCount();
}
long LookupDialog::ChosenRow() const {
    return d->chosen;
}

void LookupDialog::Choose() {
    const QModelIndex i = d->view->currentIndex();
    if (!i.isValid())
        return;
    d->chosen = d->proxy->mapToSource(i).row();
    accept();
}

void LookupDialog::SelectRow(long row) {
    const QModelIndex i =
        d->proxy->mapFromSource(d->proxy->sourceModel()->index(static_cast<int>(row), 0));
    if (!i.isValid())
        return;
    d->view->setCurrentIndex(i);
    d->view->scrollTo(i, QAbstractItemView::PositionAtCenter);
}

bool LookupDialog::eventFilter(QObject* watched, QEvent* event) {
    // The search given from the box goes on as typed: the cursor after it,
    // not the selection a focus by Tab or activation makes, which the next
    // letter would replace.
    if (event->type() == QEvent::FocusIn && watched == d->filter && !d->filter->text().isEmpty()) {
        static_cast<QObject*>(d->filter)->event(event);
        d->filter->deselect();
        d->filter->end(false);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Choose();
                return true;
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                if (watched == d->filter) {
                    QKeyEvent copy(key->type(), key->key(), key->modifiers());
                    QCoreApplication::sendEvent(d->view, &copy);
                    return true;
                }
                break;
            case Qt::Key_Escape:
                reject();
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- box

struct LookupBox::Impl {
    QLineEdit* edit = nullptr;
    QToolButton* button = nullptr;
    db::Connection* connection = nullptr;
    QString kind = QStringLiteral("Lookup standard");
    std::string lookupQuery;
    QString title;
    QStringList fields;
    QStringList captions;
    QString returnField;
    std::string decodeQuery;
    bool found = true;
    bool upper = false;
    std::vector<std::string> itemFields;
    std::vector<db::Value> itemValues;
    std::vector<std::pair<QString, QString>> menu;
    QString confirmed;  // text last validated, so leaving twice decodes once
    // Typed into since then: a code edited and typed back to what it was is
    // no longer known to be found, and is decided again.
    bool edited = false;
    bool deciding = false;
    bool listing = false;  // the list is open: the box losing the focus to it decides nothing

    void take(const db::Recordset& rows, long row) {
        itemFields.clear();
        itemValues.clear();
        for (int i = 0; i < rows.fieldCount(); ++i) {
            itemFields.push_back(rows.field(i).name);
            itemValues.push_back(rows.valueAt(row, i));
        }
    }
    // The column that holds the box's code: the return field, else the
    // first column listed, else the first; -1 when the rows lack it.
    int codeColumn(const db::Recordset& rows) const {
        if (!returnField.isEmpty())
            if (const int index = rows.fieldIndex(returnField.toStdString()); index >= 0)
                return index;
        return fields.isEmpty() ? 0 : rows.fieldIndex(fields.front().toStdString());
    }
    void clearItem() {
        itemFields.clear();
        itemValues.clear();
    }
};

LookupBox::LookupBox(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    d->edit = new QLineEdit(this);
    d->button = new QToolButton(this);
    d->button->setText(QStringLiteral("..."));
    d->button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(d->edit, 1);
    layout->addWidget(d->button);
    setFocusProxy(d->edit);
    d->edit->installEventFilter(this);
    connect(d->button, &QToolButton::clicked, this,
            [this]() { trapped("StartLookup", [this] { OpenLookup(); }); });
    connect(d->edit, &QLineEdit::editingFinished, this, [this]() {
        if (!d->listing && (d->edit->text() != d->confirmed || d->edited))
            trapped("StartDecode", [this] { Decode(); });
    });
    connect(d->edit, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (d->upper && t != t.toUpper()) {
            const int pos = d->edit->cursorPosition();
            d->edit->setText(t.toUpper());
            d->edit->setCursorPosition(pos);
        }
        d->found = d->edit->text().trimmed().isEmpty();
        d->edited = true;
    });
}

LookupBox::~LookupBox() = default;

QString LookupBox::Text() const {
    return d->edit->text();
}
void LookupBox::SetText(const QString& text) {
    d->edit->setText(d->upper ? text.toUpper() : text);
    d->edit->setCursorPosition(0);
    d->confirmed = d->edit->text();
    d->edited = false;
}
QLineEdit* LookupBox::LineEdit() const {
    return d->edit;
}
void LookupBox::SetMaxLength(int length) {
    d->edit->setMaxLength(length > 0 ? length : 32767);
}
int LookupBox::MaxLength() const {
    return d->edit->maxLength();
}
void LookupBox::SetUpperCase(bool upper) {
    d->upper = upper;
}
void LookupBox::SetReadOnly(bool readOnly) {
    d->edit->setReadOnly(readOnly);
    d->button->setEnabled(!readOnly);
}

void LookupBox::SetConnection(db::Connection* connection) {
    d->connection = connection;
}
db::Connection* LookupBox::Connection() const {
    return d->connection;
}
void LookupBox::SetLookupKind(const QString& kind) {
    d->kind = kind;
}
QString LookupBox::LookupKind() const {
    return d->kind;
}
void LookupBox::SetLookupQuery(std::string sql) {
    d->lookupQuery = std::move(sql);
}
const std::string& LookupBox::LookupQuery() const {
    return d->lookupQuery;
}
void LookupBox::SetLookupTitle(const QString& title) {
    d->title = title;
}
void LookupBox::SetLookupColumns(const QStringList& fields, const QStringList& captions) {
    d->fields = fields;
    d->captions = captions;
}
void LookupBox::SetReturnField(const QString& field) {
    d->returnField = field;
}
void LookupBox::SetDecodeQuery(std::string sql) {
    d->decodeQuery = std::move(sql);
}
const std::string& LookupBox::DecodeQuery() const {
    return d->decodeQuery;
}

bool LookupBox::Found() const {
    return d->found || d->edit->text().trimmed().isEmpty();
}
void LookupBox::SetFound(bool found) {
    d->found = found;
}

db::Value LookupBox::ItemValue(const QString& field) const {
    for (std::size_t i = 0; i < d->itemFields.size(); ++i)
        if (QString::fromStdString(d->itemFields[i]).compare(field, Qt::CaseInsensitive) == 0)
            return d->itemValues[i];
    return {};
}
const std::vector<std::string>& LookupBox::ItemFields() const {
    return d->itemFields;
}

void LookupBox::AddMenuEntry(const QString& key, const QString& caption) {
    d->menu.emplace_back(key, caption);
}
void LookupBox::ClearMenuEntries() {
    d->menu.clear();
}
void LookupBox::TriggerMenuEntry(const QString& key) {
    for (const auto& entry : d->menu)
        if (entry.first == key) {
            emit menuEntry(key);
            return;
        }
}

bool LookupBox::OpenLookup() {
    if (d->edit->isReadOnly() || !isEnabled())
        return false;
    bool cancel = false;
    emit startLookup(cancel);
    if (cancel || d->lookupQuery.empty())
        return false;
    if (!d->connection)
        throw std::logic_error("lookup box without a connection");
    db::Recordset rows;
    rows.open(d->lookupQuery, *d->connection);
    // The list speaks the window's language: its title and column captions.
    QStringList captions;
    for (const QString& c : d->captions)
        captions << ExchangeCaption(this, c);
    LookupDialog dialog(rows, d->fields, captions, this);
    dialog.setWindowTitle(ExchangeCaption(this, d->title.isEmpty() ? d->kind : d->title));
    // What the box holds is where the list starts: a code being typed is
    // the search, a code already found is the current row.
    const QString held = d->edit->text().trimmed();
    const int returnIndex = std::max(0, d->codeColumn(rows));
    if (!held.isEmpty() && !d->found) {
        dialog.FilterEdit()->setText(held);
    } else if (!held.isEmpty()) {
        for (long r = 0; r < rows.recordCount(); ++r)
            if (ValueText(rows.valueAt(r, returnIndex)).trimmed() == held) {
                dialog.SelectRow(r);
                break;
            }
    }
    d->listing = true;
    const int answer = dialog.exec();
    d->listing = false;
    if (answer != QDialog::Accepted || dialog.ChosenRow() < 0)
        return false;
    const long row = dialog.ChosenRow();
    d->take(rows, row);
    SetText(ValueText(rows.valueAt(row, returnIndex)).trimmed());
    d->found = true;
    emit afterItem();
    return true;
}

bool LookupBox::DecodePending() {
    return d->edit->text() == d->confirmed && !d->edited ? Found() : Decode();
}

bool LookupBox::Decode() {
    if (d->deciding)
        return Found();
    d->deciding = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{d->deciding};
    bool cancel = false;
    emit validate(cancel);
    if (cancel) {
        d->edit->setFocus();
        return Found();
    }
    d->confirmed = d->edit->text();
    d->edited = false;
    // A decode that fails leaves the text to be decoded again.
    struct Pending {
        Impl& impl;
        int before = std::uncaught_exceptions();
        ~Pending() {
            if (std::uncaught_exceptions() > before) {
                impl.confirmed.clear();
                impl.edited = true;
            }
        }
    } pending{*d};
    if (d->edit->text().trimmed().isEmpty()) {
        d->found = true;
        d->clearItem();
        emit afterItem();
        return true;
    }
    d->decodeQuery.clear();
    emit startDecode(cancel);
    if (cancel)
        return Found();
    if (!d->decodeQuery.empty()) {
        if (!d->connection)
            throw std::logic_error("lookup box without a connection");
        db::Recordset rows;
        rows.open(d->decodeQuery, *d->connection);
        d->found = rows.recordCount() > 0;
        if (d->found) {
            d->take(rows, 0);
            // The code as stored: "xs" typed is the option XS, and the row
            // the box writes to takes it so.
            const int code = d->codeColumn(rows);
            if (code >= 0) {
                const QString stored = ValueText(rows.valueAt(0, code)).trimmed();
                if (stored != d->edit->text() &&
                    stored.compare(d->edit->text().trimmed(), Qt::CaseInsensitive) == 0)
                    SetText(stored);
            }
        } else {
            d->clearItem();
        }
    }
    emit afterItem();
    return Found();
}

// What the user starts from the box (its button, F3/F4, leaving it) runs
// from Qt's event loop, which an exception must not reach: a failure of the
// list or decode query, or of a handler, is shown in the framework's error
// report under the box's name and the event; retry runs the action again,
// any other answer leaves the box as it is and the program goes on.
void LookupBox::trapped(const char* event, const std::function<void()>& action) {
    const std::string procedure =
        (objectName().isEmpty() ? std::string("LookupBox") : objectName().toStdString()) + "_" +
        event;
    for (;;) {
        framework::ErrorReport report;
        try {
            action();
            return;
        } catch (const db::DbError& e) {
            const auto& providers = e.errors();
            report.SetError({providers.empty() ? 0 : providers.front().nativeError, e.what(),
                             providers.empty() ? std::string() : providers.front().source});
            report.SetProviderErrors(providers);
        } catch (const std::exception& e) {
            report.SetError({5, e.what(), procedure});
        }
        if (d->connection)
            d->connection->clearErrors();
        const QWidget* top = window();
        const int answer = report.Show(QCoreApplication::applicationName().toStdString(),
                                       top ? top->windowTitle().toStdString() : std::string(),
                                       procedure, kErrorStyle);
        emit failed(QString::fromStdString(procedure),
                    QString::fromStdString(report.Data().error.description));
        if (answer != kRetry)
            return;
    }
}

void LookupBox::contextMenuEvent(QContextMenuEvent* event) {
    if (d->menu.empty()) {
        QWidget::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    for (const auto& [key, caption] : d->menu) {
        QAction* a = menu.addAction(ExchangeCaption(this, caption));
        a->setData(key);
    }
    if (QAction* chosen = menu.exec(event->globalPos()))
        emit menuEntry(chosen->data().toString());
}

bool LookupBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == d->edit) {
        if (event->type() == QEvent::ContextMenu && !d->menu.empty()) {
            contextMenuEvent(static_cast<QContextMenuEvent*>(event));
            return true;
        }
        // F3 and F4 belong to the box that has the focus: a shortcut of the
        // host (the toolbar's search on F3) must not take them.
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_F3 || key->key() == Qt::Key_F4) &&
                key->modifiers() == Qt::NoModifier) {
                event->accept();
                return true;
            }
        }
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F3 || key->key() == Qt::Key_F4) {
                trapped("StartLookup", [this] { OpenLookup(); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

QStringList toList(const std::vector<std::string>& v) {
    QStringList out;
    for (const auto& s : v)
        out << QString::fromStdString(s);
    return out;
}

}  // namespace

void ApplyLookup(LookupBox& box, const framework::LookupRequest& request) {
    box.SetLookupQuery(request.sql);
    box.SetLookupColumns(toList(request.fields), toList(request.captions));
    box.SetReturnField(QString::fromStdString(request.returnField));
    box.SetLookupTitle(QString::fromStdString(request.title));
}

void ApplyDecode(LookupBox& box, const framework::LookupRequest& request) {
    box.SetDecodeQuery(request.sql);
    box.SetReturnField(QString::fromStdString(request.returnField));
}

}  // namespace controls
