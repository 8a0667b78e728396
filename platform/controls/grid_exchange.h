#pragma once
// What every DataGrid offers to take data out of it and put data into it:
// Ctrl+C copies the selected cells (the current row when nothing is
// selected) as tab-separated text and as an HTML table, as shown; the
// context menu copies with or without captions, exports to Excel and CSV,
// prints or writes a PDF. A grid whose owner takes data in (SetReceiver)
// also pastes (Ctrl+V) and imports a file.
//
// Drop-down cells whose values have codes (SetComboCodes: the state cells)
// go out as their code, so that what was copied can be pasted back.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "platform/db/value.h"
#include "platform/exchange/csv.h"
#include "platform/exchange/sheet.h"

class QMenu;
class QWidget;

namespace controls {

class DataGrid;

struct ComboCode {
    db::Value value;
    QString code;
    QString description;
};

// What the window tells the grids it holds: the header line of a print
// (company, item) and how to show a numbered message.
struct ExchangeHost {
    std::function<QString()> context;  // "Ditta 1 - Articolo MAGLIA-001 Maglia girocollo"
    // Shows catalogue message number (text: the Italian default with the
    // parameters already in place of %1, %2...) with the message-box style
    // bits; answers the button pressed.
    std::function<int(long number, const QString& text, const std::vector<db::Value>& parameters,
                      int style)>
        message;
    // The window's caption in the user's language (the Italian text itself
    // when missing): the grids' menus and the look-up lists speak it.
    std::function<QString(const QString& text)> caption;
};
void SetExchangeHost(QWidget* window, ExchangeHost host);
// A caption of ours through the host of widget's window (see ExchangeHost).
QString ExchangeCaption(const QWidget* widget, const QString& text);

// Where the files of exports and imports are chosen: a dialog unless a
// chooser is installed (tests). save: a file to write; filter as Qt's dialogs.
using FileChooser = std::function<QString(bool save, const QString& filter)>;
void SetFileChooser(FileChooser chooser);

// A numbered message through the grid's window (see ExchangeHost); without
// one, the text after "[x" number "x] " in the framework's message box.
int ExchangeMessage(const QWidget* grid, long number, const QString& text,
                    const std::vector<db::Value>& parameters, int style);

class GridExchange : public QObject {
    Q_OBJECT
public:
    explicit GridExchange(DataGrid* grid);
    // The grid's exchange (every DataGrid has one).
    static GridExchange* Of(const DataGrid* grid);

    // Codes of the values of the grid's drop-down cells, and the name of the
    // sheet that lists them in an export ("Stati").
    void SetComboCodes(std::vector<ComboCode> codes, const QString& listName);
    const std::vector<ComboCode>& ComboCodes() const { return codes_; }
    // The code of a drop-down value; empty for the empty entry (0 or Null).
    QString CodeOf(const db::Value& value) const;
    // Rows shown bold (the totals of a warehouse), as the grid paints them.
    void SetBoldRows(std::function<bool(long row)> bold) { bold_ = std::move(bold); }
    // Cells the grid paints with a text of its own rather than the column's.
    void SetCellText(std::function<QString(long row, int column)> text) { text_ = std::move(text); }

    // Text rows pasted (fromFile false) or read from a file (true).
    using Receiver = std::function<void(const exchange::TextRows& rows, bool fromFile)>;
    void SetReceiver(Receiver receiver) { receiver_ = std::move(receiver); }
    bool Receives() const { return static_cast<bool>(receiver_); }

    // ---- what goes out
    // Rows and visible columns copied: the selection, else the current row.
    std::vector<long> CopiedRows() const;
    std::vector<int> CopiedColumns() const;
    // The copied cells as tab-separated text and as an HTML table.
    QString CopyText(bool captions) const;
    QString CopyHtml(bool captions) const;
    // Both on the clipboard.
    void Copy(bool captions);
    // A row's cells as copied, and whether it is shown bold.
    QStringList RowTexts(long row, const std::vector<int>& columns) const;
    bool RowIsBold(long row) const { return bold_ && bold_(row); }
    // The whole grid (visible columns, every row) as a sheet named after
    // the tab; the workbook adds the sheet of codes when cells have codes.
    exchange::Sheet GridSheet() const;
    std::vector<exchange::Sheet> Workbook() const;
    // The tab the grid is on ("" when none).
    QString TabCaption() const;
    // Company, item, tab and date, as a print's header line.
    QString HeaderLine() const;

    // ---- commands; errors are shown as a numbered message. Answer whether
    // the file was written.
    bool ExportXlsx(const QString& path);
    bool ExportCsv(const QString& path);
    bool ExportPdf(const QString& path);
    // Asks for a file, then exports; whether a file was written.
    bool ExportXlsx();
    bool ExportCsv();
    void Print();
    // Clipboard text or a chosen file to the receiver.
    void Paste();
    void Import();
    void ImportFile(const QString& path);

    // The context menu of the grid (the caller owns it).
    QMenu* ContextMenu(QWidget* parent);
    // An entry of the grid's owner, shown first in the context menu.
    void AddMenuEntry(const QString& text, std::function<void()> run) {
        entries_.emplace_back(text, std::move(run));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    exchange::Cell cell(long row, int column) const;
    QString cellText(long row, int column) const;
    DataGrid* grid_;
    std::vector<ComboCode> codes_;
    QString listName_;
    std::function<bool(long)> bold_;
    std::function<QString(long, int)> text_;
    Receiver receiver_;
    std::vector<std::pair<QString, std::function<void()>>> entries_;
};

}  // namespace controls
