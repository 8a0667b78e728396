#include "platform/controls/grid_exchange.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QStackedWidget>
#include <algorithm>
#include <set>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_print.h"
#include "platform/controls/tab_control.h"
#include "platform/controls/value_text.h"
#include "platform/db/recordset.h"
#include "platform/exchange/xlsx_reader.h"
#include "platform/exchange/xlsx_writer.h"
#include "platform/framework/multilingual.h"

namespace controls {

namespace {

constexpr int kOkOnly = 0;
constexpr int kExclamation = 48;

// The window's host, kept as a child object of the window.
class HostHolder : public QObject {
public:
    HostHolder(QWidget* window, ExchangeHost host) : QObject(window), host(std::move(host)) {
        setObjectName(QStringLiteral("vld_exchange_host"));
    }
    ExchangeHost host;
};

const ExchangeHost* hostOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        for (QObject* child : w->children())
            if (auto* h = dynamic_cast<HostHolder*>(child))
                return &h->host;
    return nullptr;
}

FileChooser& chooser() {
    static FileChooser c;
    return c;
}

QString chooseFile(QWidget* parent, bool save, const QString& filter) {
    if (chooser())
        return chooser()(save, filter);
    return save ? QFileDialog::getSaveFileName(parent, {}, {}, filter)
                : QFileDialog::getOpenFileName(parent, {}, {}, filter);
}

QString withSuffix(QString path, const QString& suffix) {
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        path += "." + suffix;
    return path;
}

QString htmlEscaped(const QString& s) {
    return s.toHtmlEscaped();
}

// Why a file cannot be written, in the user's language: the system's reason
// as Qt tells it (folder missing, access denied), else ours. The libraries
// that write workbooks give theirs in English.
QString writeFailure(const QWidget* grid, const QString& path) {
    const bool existed = QFileInfo::exists(path);
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return probe.errorString();
    probe.close();
    if (!existed)
        probe.remove();
    return ExchangeCaption(grid, QStringLiteral("errore di scrittura"));
}

// Why a chosen file cannot be read, in the user's language.
QString readFailure(const QWidget* grid, const QString& path) {
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return probe.errorString();
    return ExchangeCaption(grid,
                           path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)
                               ? QStringLiteral("non è una cartella di lavoro Excel leggibile")
                               : QStringLiteral("non è un file di testo o CSV"));
}

}  // namespace

void SetExchangeHost(QWidget* window, ExchangeHost host) {
    for (QObject* child : window->children())
        if (auto* h = dynamic_cast<HostHolder*>(child)) {
            h->host = std::move(host);
            return;
        }
    new HostHolder(window, std::move(host));
}

void SetFileChooser(FileChooser c) {
    chooser() = std::move(c);
}

QString ExchangeCaption(const QWidget* widget, const QString& text) {
    const ExchangeHost* host = hostOf(widget);
    return host && host->caption ? host->caption(text) : text;
}

int ExchangeMessage(const QWidget* grid, long number, const QString& text,
                    const std::vector<db::Value>& parameters, int style) {
    QString shown = text;
    for (std::size_t i = parameters.size(); i > 0; --i)
        shown.replace("%" + QString::number(i), QString::fromStdString(parameters[i - 1].toText()));
    const ExchangeHost* host = hostOf(grid);
    if (host && host->message)
        return host->message(number, shown, parameters, style);
    shown = "[x" + QString::number(number) + "x] " + shown;
    return framework::MessageBoxes().Show(shown.toStdString(), style, "Scheda prodotto");
}

GridExchange::GridExchange(DataGrid* grid) : QObject(grid), grid_(grid) {
    setObjectName(QStringLiteral("vld_grid_exchange"));
    grid->installEventFilter(this);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = ContextMenu(grid_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(grid_->viewport()->mapToGlobal(at));
    });
}

GridExchange* GridExchange::Of(const DataGrid* grid) {
    return grid ? grid->findChild<GridExchange*>(QStringLiteral("vld_grid_exchange"),
                                                 Qt::FindDirectChildrenOnly)
                : nullptr;
}

void GridExchange::SetComboCodes(std::vector<ComboCode> codes, const QString& listName) {
    codes_ = std::move(codes);
    listName_ = listName;
}

QString GridExchange::CodeOf(const db::Value& value) const {
    if (value.isEmptyOrNull())
        return {};
    for (const auto& c : codes_)
        if (!c.value.isEmptyOrNull() && db::Value::compare(c.value, value) == 0)
            return c.code;
    if (auto d = value.toDecimal(); d && d->isZero())
        return {};
    return ValueText(value);
}

// ------------------------------------------------------------ cells

exchange::Cell GridExchange::cell(long row, int column) const {
    const GridColumn& c = grid_->Columns().Item(column);
    const db::Recordset* rs = grid_->DataSource();
    exchange::Cell out;
    if (text_ && !text_(row, column).isNull()) {
        const QString t = text_(row, column);
        db::Value v = c.Unbound()                   ? c.UnboundValue(row)
                      : (rs && c.FieldIndex() >= 0) ? rs->valueAt(row, c.FieldIndex())
                                                    : db::Value();
        out = v.isNumber() ? exchange::Cell::FromValue(v, c.Decimals())
                           : exchange::Cell::Text(exchange::RightTrimmed(t.toStdString()));
    } else {
        db::Value v;
        if (c.Unbound())
            v = c.UnboundValue(row);
        else if (rs && c.FieldIndex() >= 0)
            v = rs->valueAt(row, c.FieldIndex());
        if (c.Kind() == CellKind::Combo)
            out = exchange::Cell::Text(
                (codes_.empty() ? c.DisplayText(v) : CodeOf(v)).trimmed().toStdString());
        else if (c.Kind() == CellKind::Check)
            out = exchange::Cell::Number(ValueIsTrue(v) ? 1 : 0, 0);
        else if (v.isText() && c.Decimals() < 0)
            out = exchange::Cell::Text(exchange::RightTrimmed(v.asText()));
        else
            out = exchange::Cell::FromValue(v, c.Decimals());
    }
    out.bold = bold_ && bold_(row);
    return out;
}

// As shown, numbers with Italian separators: the column's text where it is
// already Italian, the decimal point made a comma where it is not.
QString GridExchange::cellText(long row, int column) const {
    const GridColumn& c = grid_->Columns().Item(column);
    const exchange::Cell x = cell(row, column);
    if (c.Kind() == CellKind::Combo || x.kind == exchange::Cell::Kind::Text)
        return QString::fromStdString(x.text);
    if (c.Kind() == CellKind::Check)
        return x.number.isZero() ? "0" : "1";
    if (x.kind == exchange::Cell::Kind::Number) {
        QString shown = text_ && !text_(row, column).isNull() ? text_(row, column)
                                                              : grid_->CellText(row, column);
        if (!shown.contains(','))
            shown.replace('.', ',');
        return shown.trimmed();
    }
    if (x.kind == exchange::Cell::Kind::Date)
        return grid_->CellText(row, column).trimmed();
    return {};
}

bool GridExchange::eventFilter(QObject* watched, QEvent* event) {
    // A cell being edited has the focus in its editor, which copies its own text.
    if (watched != grid_)
        return false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool copy = key->matches(QKeySequence::Copy);
    const bool paste = key->matches(QKeySequence::Paste) && Receives();
    if (!copy && !paste)
        return false;
    // The grid takes the keys before any shortcut of the window does.
    event->accept();
    if (event->type() == QEvent::ShortcutOverride)
        return true;
    if (copy)
        Copy(false);
    else
        Paste();
    return true;
}

QStringList GridExchange::RowTexts(long row, const std::vector<int>& columns) const {
    QStringList out;
    for (int c : columns)
        out << cellText(row, c);
    return out;
}

std::vector<long> GridExchange::CopiedRows() const {
    std::set<long> rows;
    for (const QModelIndex& i : grid_->selectionModel()->selectedIndexes())
        rows.insert(i.row());
    if (rows.empty() && grid_->CurrentRow() >= 0)
        rows.insert(grid_->CurrentRow());
    return {rows.begin(), rows.end()};
}

std::vector<int> GridExchange::CopiedColumns() const {
    std::set<int> columns;
    for (const QModelIndex& i : grid_->selectionModel()->selectedIndexes())
        if (!grid_->isColumnHidden(i.column()))
            columns.insert(i.column());
    std::vector<int> out;
    // A whole row selected, or nothing: every visible column, as laid out.
    const bool all = columns.empty() || grid_->selectionBehavior() == QAbstractItemView::SelectRows;
    for (int v = 0; v < grid_->horizontalHeader()->count(); ++v) {
        const int c = grid_->horizontalHeader()->logicalIndex(v);
        if (c < grid_->Columns().Count() && grid_->Columns().Item(c).Visible() &&
            !grid_->isColumnHidden(c) && (all || columns.count(c)))
            out.push_back(c);
    }
    return out;
}

QString GridExchange::CopyText(bool captions) const {
    const auto columns = CopiedColumns();
    QStringList lines;
    auto field = [](QString s) {
        s.replace('\t', ' ');
        if (s.contains('\n') || s.contains('\r') || s.contains('"'))
            s = '"' + s.replace('"', "\"\"") + '"';
        return s;
    };
    if (captions) {
        QStringList line;
        for (int c : columns)
            line << field(grid_->Columns().Item(c).Caption());
        lines << line.join('\t');
    }
    for (long r : CopiedRows()) {
        QStringList line;
        for (int c : columns)
            line << field(cellText(r, c));
        lines << line.join('\t');
    }
    return lines.join("\r\n") + "\r\n";
}

QString GridExchange::CopyHtml(bool captions) const {
    const auto columns = CopiedColumns();
    QString html = "<table>";
    if (captions) {
        html += "<tr>";
        for (int c : columns)
            html += "<th>" + htmlEscaped(grid_->Columns().Item(c).Caption()) + "</th>";
        html += "</tr>";
    }
    for (long r : CopiedRows()) {
        html += "<tr>";
        for (int c : columns) {
            const exchange::Cell x = cell(r, c);
            const bool number = x.kind == exchange::Cell::Kind::Number;
            QString text = htmlEscaped(cellText(r, c));
            if (x.bold)
                text = "<b>" + text + "</b>";
            // Codes stay text in a spreadsheet: "007" is not the number 7.
            html += QString(number ? "<td align=\"right\">"
                                   : "<td style=\"mso-number-format:'\\@'\">") +
                    text + "</td>";
        }
        html += "</tr>";
    }
    return html + "</table>";
}

void GridExchange::Copy(bool captions) {
    auto* data = new QMimeData;
    data->setText(CopyText(captions));
    data->setHtml(CopyHtml(captions));
    QApplication::clipboard()->setMimeData(data);
}

// ------------------------------------------------------------ sheets

// The caption of the tab control's page the grid is on, or the title of
// the stacked page it is on (the card titles its pages after the side bar).
QString GridExchange::TabCaption() const {
    for (QWidget* w = grid_->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<TabControl*>(w)) {
            for (int i = 0; i < tabs->Count(); ++i)
                if (tabs->Page(i) && tabs->Page(i)->isAncestorOf(grid_))
                    return tabs->Caption(i);
        }
        if (qobject_cast<QStackedWidget*>(w->parentWidget()) && !w->windowTitle().isEmpty() &&
            !w->isWindow())
            return w->windowTitle();
    }
    return {};
}

QString GridExchange::HeaderLine() const {
    QStringList parts;
    const ExchangeHost* host = hostOf(grid_);
    if (host && host->context)
        parts << host->context();
    else if (!grid_->window()->windowTitle().isEmpty())
        parts << grid_->window()->windowTitle();
    if (!TabCaption().isEmpty())
        parts << TabCaption();
    parts << QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" - "));
}

exchange::Sheet GridExchange::GridSheet() const {
    exchange::Sheet sheet;
    sheet.name =
        TabCaption().isEmpty() ? grid_->objectName().toStdString() : TabCaption().toStdString();
    std::vector<int> columns;
    for (int v = 0; v < grid_->horizontalHeader()->count(); ++v) {
        const int c = grid_->horizontalHeader()->logicalIndex(v);
        if (c < grid_->Columns().Count() && grid_->Columns().Item(c).Visible() &&
            !grid_->isColumnHidden(c))
            columns.push_back(c);
    }
    const int charWidth = std::max(1, grid_->fontMetrics().averageCharWidth());
    for (int c : columns)
        sheet.columns.push_back({grid_->Columns().Item(c).Caption().toStdString(),
                                 static_cast<double>(grid_->columnWidth(c)) / charWidth});
    const long rows = grid_->model()->rowCount();
    sheet.rows.reserve(static_cast<std::size_t>(rows));
    for (long r = 0; r < rows; ++r) {
        std::vector<exchange::Cell> line;
        line.reserve(columns.size());
        for (int c : columns)
            line.push_back(cell(r, c));
        sheet.rows.push_back(std::move(line));
    }
    return sheet;
}

std::vector<exchange::Sheet> GridExchange::Workbook() const {
    std::vector<exchange::Sheet> book{GridSheet()};
    bool combos = false;
    for (int c = 0; c < grid_->Columns().Count(); ++c)
        combos = combos || grid_->Columns().Item(c).Kind() == CellKind::Combo;
    if (!codes_.empty() && combos) {
        exchange::Sheet list;
        list.name = listName_.isEmpty() ? "Codici" : listName_.toStdString();
        list.columns = {{"Codice", 12}, {"Descrizione", 40}};
        for (const auto& c : codes_)
            if (!c.code.isEmpty())
                list.rows.push_back({exchange::Cell::Text(c.code.toStdString()),
                                     exchange::Cell::Text(c.description.toStdString())});
        book.push_back(std::move(list));
    }
    return book;
}

// ------------------------------------------------------------ commands

bool GridExchange::ExportXlsx(const QString& path) {
    try {
        exchange::WriteXlsx(path.toStdString(), Workbook());
        return true;
    } catch (const std::exception&) {
        ExchangeMessage(grid_, 91901, QStringLiteral("Impossibile scrivere il file %1: %2"),
                        {path.toStdString(), writeFailure(grid_, path).toStdString()},
                        kOkOnly + kExclamation);
        return false;
    }
}

bool GridExchange::ExportCsv(const QString& path) {
    QFile file(path);
    const std::string text = exchange::CsvText(GridSheet());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        ExchangeMessage(grid_, 91901, QStringLiteral("Impossibile scrivere il file %1: %2"),
                        {path.toStdString(), file.errorString().toStdString()},
                        kOkOnly + kExclamation);
        return false;
    }
    return true;
}

bool GridExchange::ExportPdf(const QString& path) {
    QString why;
    if (PrintGridToPdf(*grid_, HeaderLine(), path, &why))
        return true;
    ExchangeMessage(grid_, 91901, QStringLiteral("Impossibile scrivere il file %1: %2"),
                    {path.toStdString(), why.toStdString()}, kOkOnly + kExclamation);
    return false;
}

bool GridExchange::ExportXlsx() {
    const QString path =
        withSuffix(chooseFile(grid_, true, QStringLiteral("Excel (*.xlsx)")), "xlsx");
    return !path.isEmpty() && ExportXlsx(path);
}

bool GridExchange::ExportCsv() {
    const QString path = withSuffix(chooseFile(grid_, true, QStringLiteral("CSV (*.csv)")), "csv");
    return !path.isEmpty() && ExportCsv(path);
}

void GridExchange::Print() {
    if (chooser()) {
        const QString path = withSuffix(chooser()(true, QStringLiteral("PDF (*.pdf)")), "pdf");
        if (!path.isEmpty())
            ExportPdf(path);
        return;
    }
    PrintGridWithDialog(*grid_, HeaderLine());
}

void GridExchange::Paste() {
    if (!receiver_)
        return;
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const std::string bytes = text.toStdString();
    receiver_(exchange::ParseDelimited(bytes, '\t'), false);
}

void GridExchange::Import() {
    if (!receiver_)
        return;
    const QString path =
        chooseFile(grid_, false, QStringLiteral("Excel o CSV (*.xlsx *.csv *.txt)"));
    if (!path.isEmpty())
        ImportFile(path);
}

void GridExchange::ImportFile(const QString& path) {
    if (!receiver_)
        return;
    exchange::TextRows rows;
    try {
        rows = exchange::ReadTableFile(path.toStdString());
    } catch (const std::exception&) {
        ExchangeMessage(grid_, 91902, QStringLiteral("Impossibile leggere il file %1: %2"),
                        {path.toStdString(), readFailure(grid_, path).toStdString()},
                        kOkOnly + kExclamation);
        return;
    }
    receiver_(rows, true);
}

QMenu* GridExchange::ContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    QPointer<GridExchange> self(this);
    auto add = [&](const QString& text, std::function<void()> run) {
        QAction* a = menu->addAction(ExchangeCaption(grid_, text));
        a->setObjectName(text);
        connect(a, &QAction::triggered, this, [self, run] {
            if (self)
                run();
        });
        return a;
    };
    const bool rows = grid_->model()->rowCount() > 0;
    for (const auto& [text, run] : entries_)
        add(text, run)->setEnabled(rows);
    if (!entries_.empty())
        menu->addSeparator();
    add(QStringLiteral("Copia"), [this] { Copy(false); })->setEnabled(rows);
    add(QStringLiteral("Copia con intestazioni"), [this] { Copy(true); })->setEnabled(rows);
    if (receiver_) {
        menu->addSeparator();
        add(QStringLiteral("Incolla"), [this] {
            Paste();
        })->setEnabled(!QApplication::clipboard()->text().isEmpty());
        add(QStringLiteral("Importa\u2026"), [this] { Import(); });
    }
    menu->addSeparator();
    add(QStringLiteral("Esporta in Excel\u2026"), [this] { ExportXlsx(); });
    add(QStringLiteral("Esporta in CSV\u2026"), [this] { ExportCsv(); });
    add(QStringLiteral("Stampa / PDF\u2026"), [this] { Print(); });
    return menu;
}

}  // namespace controls
