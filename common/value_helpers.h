#pragma once
// The value procedures of MODMG_VELDRANO: what a control or a recordset field
// holds, turned into text for SQL built by concatenation, and recordsets
// released. Free functions; the only state is the last-error record of
// FormatoDB.
//
// The blank tests differ on purpose: NzStringa and NzNumero treat only
// Empty, Null and "" as missing; NzValore also treats blank text as missing;
// FormatoDB looks at the text with trailing blanks removed.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/db/value.h"

namespace db {
class Recordset;
}

namespace common {

// A value that is not of the kind a conversion needs ("Tipo non
// corrispondente", error 13). The message names the value.
class ErroreTipo : public std::invalid_argument {
public:
    explicit ErroreTipo(const db::Value& value);
    long number() const { return 13; }
};

// The single character of code 255: the default of NzValore for a key that
// must match no row.
inline constexpr const char* kChr255 = "\xC3\xBF";

// ---- blanks and conversions
// Empty, Null and "" give ""; otherwise the text with trailing blanks removed.
std::string NzStringa(const db::Value& value);
// Empty, Null and "" give the integer 0; otherwise the exact decimal of the
// value. Text that is not a number ('.' separator; blanks only included)
// throws ErroreTipo.
db::Value NzNumero(const db::Value& value);
// Empty, Null and text blank on both sides give the default unchanged;
// otherwise the value as text with trailing blanks removed. Never throws.
db::Value NzValore(const db::Value& value, const db::Value& deflt);
std::string NzValore(const db::Value& value, const std::string& deflt);
std::string NzValore(const db::Value& value, const char* deflt);
inline std::string NzValore(const db::Value& value) {
    return NzValore(value, std::string());
}
// A number other than 0: a ticked selection column, a set flag. Empty, Null
// and text that is no number are not. Never throws.
bool IsNonZero(const db::Value& value);

// ---- SQL text
// Every "'" doubled; no quotes added.
std::string RaddoppiaApici(const std::string& text);
// Every "'" dropped: a code typed or handed back, before it is looked up.
std::string WithoutApostrophes(const std::string& text);

// The last error of FormatoDB; a successful call leaves it as it was.
struct ErroreFormato {
    long Number = 0;
    std::string Description;
};
ErroreFormato& UltimoErrore();

// Kinds of FormatoDB.
enum TipoFormato : int { kTesto = 0, kNumero = 1, kNumeroDB = 2, kData = 3 };
// The SQL literal of a value: kind 0 "'...'" with apostrophes doubled, kind 1
// the decimal number, kind 2 the number formatter's text, kind 3 "'" + the
// date formatter's text + "'". A blank value gives "null" when allowed,
// otherwise "''" (kind 0) or Empty with UltimoErrore set. Failures give Empty
// and set UltimoErrore (number 3); never throws.
db::Value FormatoDB(const db::Value& value, int kind, bool nullAllowed);
// FormatoDB's result as it is concatenated into a statement.
inline std::string FormatoDBTesto(const db::Value& value, int kind, bool nullAllowed) {
    return FormatoDB(value, kind, nullAllowed).toText();
}

// A date as database text (no quotes); "" for a missing value. Text that is
// not a date is cut into "'" + chars 5-6 + "/" + chars 2-3 + "/" + chars 8-9
// + "'", as the database would read a day-first date.
std::string DateDB(const db::Value& value);

// ---- recordsets
// Closes an open recordset and empties the reference; never throws.
void ChiudiRecordset(std::unique_ptr<db::Recordset>& recordset);
void ChiudiRecordset(std::shared_ptr<db::Recordset>& recordset);
// For a recordset owned elsewhere: closed, and the pointer set to null.
void ChiudiRecordset(db::Recordset*& recordset);

// ---- variant codes "A0".."A9", "B0".."B9" <-> positions 0..19
// The position (an integer) of a code trimmed on both sides, compared
// case-sensitively; any other value comes back unchanged.
db::Value IndiceDaCodice(const db::Value& value);
// The code of a position 0..19 (a number, or text holding one); any other
// value comes back unchanged.
db::Value CodiceDaIndice(const db::Value& value);
// The same, typed: -1 and "" when there is no such code or position.
int indiceVariante(const std::string& code);
std::string codiceVariante(int index);

// ---- composed option codes: one fixed slot per variant of the company
struct SlotVariante {
    std::string codice;  // MG5F_CODICEVAR
    int size = 0;        // MG5F_SIZE
    int start = 0;       // MG5F_START, 1-based
};
// Slots in ascending order of code, each starting after the previous ones
// (the first at 1). Sizes below zero count as zero.
std::vector<SlotVariante> CalcolaSlot(std::vector<SlotVariante> variants);
// SUBSTRING(code, start, size): what fits of the slot (1-based start).
std::string OptionFromSlot(const std::string& code, int start, int size);
// REPLICATE(' ', size).
std::string EmptySlot(int size);
// STUFF(code, start, size, blanks): the slot blanked; a code too short for
// the slot is padded with blanks first.
std::string ClearSlot(const std::string& code, int start, int size);
// The option written into its slot, padded or cut to the slot's width.
std::string WriteSlot(const std::string& code, int start, int size, const std::string& option);
// The same rules as SQL expressions over a column.
std::string SqlOptionFromSlot(const std::string& column, int start, int size);
std::string SqlEmptySlot(int size);
std::string SqlClearSlot(const std::string& column, int start, int size);
// The company's variant dimensions with the start of each slot (MG5F_START).
std::string SqlVariantSizes(const std::string& ditta);
// A row when the item manages some variant (the window's side bar and the
// activation tab ask it).
std::string SqlItemManagesVariants(const std::string& ditta, const std::string& codArt);

}  // namespace common
