#include "platform/controls/grid_print.h"

#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <vector>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/exchange/sheet.h"

namespace controls {

namespace {

constexpr int kFontPoints = 8;
constexpr double kLineFactor = 1.5;  // a row's height in lines of the font

struct Layout {
    QRect page;      // printable area, in device pixels
    int line = 0;    // one row's height
    int top = 0;     // where the first row of a page starts (under header and captions)
    int bottom = 0;  // where the foot starts
    int rows() const { return std::max(1, (bottom - top) / line); }
};

QFont printFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(kFontPoints);
    return f;
}

Layout layoutFor(QPrinter& printer) {
    Layout l;
    l.page = printer.pageLayout().paintRectPixels(printer.resolution());
    l.page.moveTo(0, 0);
    const QFontMetrics m(printFont(), &printer);
    l.line = static_cast<int>(m.height() * kLineFactor);
    l.top = 3 * l.line;  // header line, a gap, captions
    l.bottom = l.page.height() - 2 * l.line;
    return l;
}

std::vector<int> visibleColumns(const DataGrid& grid) {
    std::vector<int> out;
    for (int v = 0; v < grid.horizontalHeader()->count(); ++v) {
        const int c = grid.horizontalHeader()->logicalIndex(v);
        if (c < grid.Columns().Count() && grid.Columns().Item(c).Visible() &&
            !grid.isColumnHidden(c))
            out.push_back(c);
    }
    return out;
}

}  // namespace

int PrintRowsPerPage(QPrinter& printer) {
    return layoutFor(printer).rows();
}

int PrintGrid(const DataGrid& grid, const QString& header, QPrinter& printer) {
    const std::vector<int> columns = visibleColumns(grid);
    // Wider than a portrait page at the grid's proportions: landscape.
    int screenWidth = 0;
    for (int c : columns)
        screenWidth += grid.columnWidth(c);
    printer.setPageOrientation(QPageLayout::Portrait);
    const double portraitDots =
        printer.pageLayout().paintRect(QPageLayout::Point).width() * 96.0 / 72.0;
    if (screenWidth > portraitDots)
        printer.setPageOrientation(QPageLayout::Landscape);

    const Layout l = layoutFor(printer);
    const double scale = screenWidth > 0 ? static_cast<double>(l.page.width()) / screenWidth : 1;
    std::vector<int> x{0};
    for (int c : columns)
        x.push_back(x.back() + static_cast<int>(grid.columnWidth(c) * scale));

    GridExchange* exchange = GridExchange::Of(&grid);
    const long rows = grid.model()->rowCount();
    const int perPage = l.rows();
    const int pages = static_cast<int>(std::max<long>(1, (rows + perPage - 1) / perPage));
    QPainter p(&printer);
    const QFont normal = printFont();
    QFont bold = normal;
    bold.setBold(true);
    auto cellRect = [&](std::size_t i, int y) {
        return QRect(x[i] + 2, y, x[i + 1] - x[i] - 4, l.line);
    };
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        p.setFont(bold);
        p.drawText(QRect(0, 0, l.page.width(), l.line), Qt::AlignLeft | Qt::AlignVCenter, header);
        const int captions = 2 * l.line;
        for (std::size_t i = 0; i < columns.size(); ++i)
            p.drawText(cellRect(i, captions), Qt::AlignLeft | Qt::AlignVCenter,
                       grid.Columns().Item(columns[i]).Caption());
        p.drawLine(0, l.top - 1, x.back(), l.top - 1);
        for (long r = static_cast<long>(page) * perPage;
             r < rows && r < static_cast<long>(page + 1) * perPage; ++r) {
            const int y = l.top + static_cast<int>(r - static_cast<long>(page) * perPage) * l.line;
            QStringList texts;
            bool strong = false;
            if (exchange) {
                texts = exchange->RowTexts(r, columns);
                strong = exchange->RowIsBold(r);
            }
            p.setFont(strong ? bold : normal);
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const QString text = i < static_cast<std::size_t>(texts.size())
                                         ? texts[static_cast<qsizetype>(i)]
                                         : grid.CellText(r, columns[i]);
                const bool right = grid.Columns().Item(columns[i]).Alignment() & Qt::AlignRight;
                p.drawText(cellRect(i, y),
                           (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
            }
        }
        p.setFont(normal);
        p.drawText(QRect(0, l.bottom + l.line, l.page.width(), l.line),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(pages));
    }
    return pages;
}

bool PrintGridToPdf(const DataGrid& grid, const QString& header, const QString& path,
                    QString* why) {
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (why)
                *why = probe.errorString();
            return false;
        }
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(header);
    PrintGrid(grid, header, printer);
    return true;
}

void PrintGridWithDialog(DataGrid& grid, const QString& header) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, &grid);
    if (dialog.exec() == QDialog::Accepted)
        PrintGrid(grid, header, printer);
}

}  // namespace controls
