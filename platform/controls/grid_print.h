#pragma once
// A grid on paper: its visible columns with their captions repeated on
// every page, a header line (company, item, tab, date) and the page number
// ("Pagina 2 di 5") at the foot; landscape when the columns are wider than
// a portrait page. Texts are the ones the exchange copies (codes for
// drop-down cells with codes).

#include <QString>

class QPrinter;

namespace controls {

class DataGrid;

// Rows that fit on one page of the printer as the grid is laid out there.
int PrintRowsPerPage(QPrinter& printer);
// Sets the printer's orientation for the grid and paints every page;
// answers the number of pages.
int PrintGrid(const DataGrid& grid, const QString& header, QPrinter& printer);
// To a PDF file; false with the reason when it cannot be written.
bool PrintGridToPdf(const DataGrid& grid, const QString& header, const QString& path,
                    QString* why = nullptr);
// Through the print dialog (printer or file).
void PrintGridWithDialog(DataGrid& grid, const QString& header);

}  // namespace controls
