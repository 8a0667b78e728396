#pragma once
// What the two files of the customer and supplier item codes tab share: the
// widths of the row editor's columns, today's date, whole numbers of values,
// and the common names both use.

#include <QDate>

#include "common/procedure.h"
#include "common/value_helpers.h"
#include "platform/db/value.h"

namespace itemcodes::artclifor_parts {

using common::NzNumero;
using common::NzStringa;
using common::NzValore;
using common::Procedure;

// Widths of the row editor's columns.
inline constexpr int kLunghezzaOpzione = 40;
inline constexpr int kLunghezzaArtCliFor = 25;
inline constexpr int kLunghezzaCodCliFor = 8;
inline constexpr int kLunghezzaRagSoc = 40;
inline constexpr int kLunghezzaDescrizione = 72;
inline constexpr int kLunghezzaNote = 240;
inline constexpr int kLunghezzaDescrizioneAggiuntiva = 3500;

// Today's date without the time of day.
inline db::Value oggi() {
    const QDate d = QDate::currentDate();
    db::DateTime t;
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    return t;
}

// A whole number of a value through NzNumero (which raises on text that is
// not a number).
inline long long intero(const db::Value& v) {
    return db::integerOf(NzNumero(v));
}

}  // namespace itemcodes::artclifor_parts
