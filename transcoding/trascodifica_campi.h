#pragma once
// Fields of the transcoding list and the reading of the tab's boxes, shared
// by the tab's source files.

#include <QString>
#include <string>

#include "common/value_helpers.h"

namespace transcoding {

inline constexpr const char* kOpzione = "MG5S_OPZIONE_MG5E";
inline constexpr const char* kDescrizione = "MG5S_DESCR";
// Widths of MG5S_OPZIONE_MG5E and MG5S_DESCR, when the recordset does not say.
inline constexpr int kLarghezzaOpzione = 20;
inline constexpr int kLarghezzaDescrizione = 80;

// A box's text as a code: trailing blanks removed.
inline std::string testo(const QString& text) {
    return common::NzStringa(db::Value(text.toStdString()));
}

// Codes compare as the database does: blanks around and case do not count.
inline std::string chiave(const std::string& code) {
    return QString::fromStdString(code).trimmed().toUpper().toStdString();
}

}  // namespace transcoding
