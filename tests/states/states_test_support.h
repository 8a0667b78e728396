#pragma once
// Helpers of the state tab tests: cells of a grid found by field and by the
// value of a row's key field, and the rows of MG5W_PROVSTATI.

#include <QApplication>
#include <QString>
#include <string>

#include "platform/controls/data_grid.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"

namespace statestest {

// The application every widget needs; main makes it.
inline QApplication& app() {
    return *qApp;
}

// Index of the grid column over the field; -1 when none.
inline int colonna(const controls::DataGrid& grid, const std::string& field) {
    return grid.Columns().IndexOf(QString::fromStdString(field));
}

// Row (0-based) whose field, right-trimmed, is the text; -1 when none.
inline long riga(const db::Recordset& rs, const std::string& field, const std::string& text) {
    const int f = rs.fieldIndex(field);
    for (long r = 0; f >= 0 && r < rs.recordCount(); ++r)
        if (cardtest::text(rs.valueAt(r, f)) == text)
            return r;
    return -1;
}

// The value of a cell as text ("" for NULL).
inline std::string cella(const db::Recordset& rs, long row, const std::string& field) {
    return cardtest::text(rs.valueAt(row, rs.fieldIndex(field)));
}

inline long long provstati(db::Connection& cn, const std::string& where) {
    return cardtest::count(cn, "MG5W_PROVSTATI", where);
}

}  // namespace statestest
