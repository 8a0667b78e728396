#include "common/value_helpers.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "common/window_services.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"
#include "platform/framework/formatters.h"

namespace common {

namespace {

using db::rtrim;

std::string trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : rtrim(text.substr(first));
}

bool isEmptyText(const db::Value& v) {
    return v.isText() && v.asText().empty();
}

// The value's text without its trailing blanks; nothing when it is empty,
// null or only blanks.
std::optional<std::string> filledText(const db::Value& value) {
    if (value.isEmptyOrNull())
        return std::nullopt;
    std::string text = value.toText();
    if (trim(text).empty())
        return std::nullopt;
    return rtrim(std::move(text));
}

// Mid$ of VB: a 1-based slice that tolerates positions past the end.
std::string mid(const std::string& s, std::size_t start, std::size_t length) {
    if (start < 1 || start > s.size())
        return "";
    return s.substr(start - 1, length);
}

void setUltimoErrore(long number, std::string description) {
    UltimoErrore().Number = number;
    UltimoErrore().Description = std::move(description);
}

}  // namespace

ErroreTipo::ErroreTipo(const db::Value& value)
    : std::invalid_argument("Tipo non corrispondente: '" + value.toText() + "'") {}

std::string NzStringa(const db::Value& value) {
    if (value.isEmptyOrNull() || isEmptyText(value))
        return "";
    return rtrim(value.toText());
}

db::Value NzNumero(const db::Value& value) {
    if (value.isEmptyOrNull() || isEmptyText(value))
        return db::Value(0);
    if (value.type() == db::Value::Type::Date)
        throw ErroreTipo(value);
    std::optional<db::Decimal> d = value.toDecimal();
    if (!d || (value.isText() && value.asText().find('\0') != std::string::npos))
        throw ErroreTipo(value);
    return db::Value(*d);
}

db::Value NzValore(const db::Value& value, const db::Value& deflt) {
    try {
        auto text = filledText(value);
        return text ? db::Value(std::move(*text)) : deflt;
    } catch (...) {
        return db::Value();
    }
}

std::string NzValore(const db::Value& value, const std::string& deflt) {
    try {
        auto text = filledText(value);
        return text ? std::move(*text) : deflt;
    } catch (...) {
        return "";
    }
}

std::string NzValore(const db::Value& value, const char* deflt) {
    return NzValore(value, std::string(deflt ? deflt : ""));
}

bool IsNonZero(const db::Value& value) {
    const auto d = value.toDecimal();
    return d && !d->isZero();
}

std::string WithoutApostrophes(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\'')
            out += c;
    return out;
}

std::string RaddoppiaApici(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

ErroreFormato& UltimoErrore() {
    static ErroreFormato record;
    return record;
}

db::Value FormatoDB(const db::Value& value, int kind, bool nullAllowed) {
    db::Value result;
    try {
        const std::string text = value.toText();
        if (!rtrim(text).empty()) {
            switch (kind) {
                case kTesto:
                    result = "'" + RaddoppiaApici(text) + "'";
                    break;
                case kNumero:
                    if (value.type() == db::Value::Type::Date)
                        throw ErroreTipo(value);
                    if (auto d = value.toDecimal())
                        result = *d;
                    else
                        throw ErroreTipo(value);
                    break;
                case kNumeroDB: {
                    framework::CLSFW_Number number(value);
                    if (number.Status() == framework::kFormatValid)
                        result = number.DBFormat();
                    else
                        setUltimoErrore(3, "Errore nella conversione del numero '" + text +
                                               "' (PANX_ClsStd.CLSFW_Number, metodo DBFormat)");
                    break;
                }
                case kData: {
                    framework::CLSFW_Date date{db::Value(text)};
                    if (date.Status() == framework::kFormatValid)
                        result = "'" + date.DBFormat() + "'";
                    else
                        setUltimoErrore(3,
                                        "Errore nella conversione della data "
                                        "(PANX_ClsStd.CLSFW_Date, metodo DBFormat)");
                    break;
                }
                default:
                    break;
            }
        } else if (nullAllowed) {
            result = "null";
        } else if (kind == kTesto) {
            result = "''";
        } else if (kind == kNumero || kind == kNumeroDB) {
            setUltimoErrore(3,
                            "Si sta tentando di assegnare il valore (numerico) null a un campo "
                            "che non ammette null.");
        } else if (kind == kData) {
            setUltimoErrore(3,
                            "Si sta tentando di assegnare il valore (data) null a un campo che "
                            "non ammette null.");
        }
    } catch (const ErroreTipo& e) {
        setUltimoErrore(3,
                        std::to_string(e.number()) + " - " + e.what() + " nella routine FormatoDB");
    } catch (const std::exception& e) {
        setUltimoErrore(3, "5 - " + std::string(e.what()) + " nella routine FormatoDB");
    } catch (...) {
        setUltimoErrore(3, "5 - Errore sconosciuto nella routine FormatoDB");
    }
    return result;
}

std::string DateDB(const db::Value& value) {
    std::string result;
    try {
        std::string text = NzValore(value, "");
        if (text.empty())
            return "";
        framework::CLSFW_Date date(value);
        if (date.Status() == framework::kFormatValid) {
            result = date.DBFormat();
        } else {
            std::string raw = value.toText();
            result = "'" + mid(raw, 5, 2) + "/" + mid(raw, 2, 2) + "/" + mid(raw, 8, 2) + "'";
        }
    } catch (const std::exception& e) {
        try {
            dialoghi().KOVMsgBox(std::string("Error in DateDB\n5\n") + e.what(), vbCritical,
                                 "Informazione");
        } catch (...) {
        }
    }
    return result;
}

namespace {

// Closes an open recordset; what the close raises is dropped, as the
// recordset is let go of anyway.
void closeQuietly(db::Recordset* recordset) {
    try {
        if (recordset && recordset->state() == 1)
            recordset->close();
    } catch (...) {
    }
}

}  // namespace

void ChiudiRecordset(std::unique_ptr<db::Recordset>& recordset) {
    closeQuietly(recordset.get());
    recordset.reset();
}

void ChiudiRecordset(std::shared_ptr<db::Recordset>& recordset) {
    closeQuietly(recordset.get());
    recordset.reset();
}

void ChiudiRecordset(db::Recordset*& recordset) {
    try {
        if (recordset && recordset->state() == 1)
            recordset->close();
    } catch (...) {
    }
    recordset = nullptr;
}

int indiceVariante(const std::string& code) {
    std::string c = trim(code);
    if (c.size() != 2 || (c[0] != 'A' && c[0] != 'B') || c[1] < '0' || c[1] > '9')
        return -1;
    return (c[0] == 'B' ? 10 : 0) + (c[1] - '0');
}

std::string codiceVariante(int index) {
    if (index < 0 || index > 19)
        return "";
    return std::string(1, index < 10 ? 'A' : 'B') + static_cast<char>('0' + index % 10);
}

db::Value IndiceDaCodice(const db::Value& value) {
    try {
        if (value.isText()) {
            int index = indiceVariante(value.asText());
            if (index >= 0)
                return db::Value(index);
        }
    } catch (...) {
    }
    return value;
}

db::Value CodiceDaIndice(const db::Value& value) {
    try {
        if (value.isEmptyOrNull() || value.type() == db::Value::Type::Date ||
            value.type() == db::Value::Type::Bool)
            return value;
        std::optional<db::Decimal> d = value.toDecimal();
        if (d && d->isInteger())
            if (auto i = d->toInt64(); i && *i >= 0 && *i <= 19)
                return db::Value(codiceVariante(static_cast<int>(*i)));
    } catch (...) {
    }
    return value;
}

std::vector<SlotVariante> CalcolaSlot(std::vector<SlotVariante> variants) {
    std::sort(variants.begin(), variants.end(),
              [](const SlotVariante& a, const SlotVariante& b) { return a.codice < b.codice; });
    int start = 1;
    for (auto& v : variants) {
        v.size = std::max(v.size, 0);
        v.start = start;
        start += v.size;
    }
    return variants;
}

std::string OptionFromSlot(const std::string& code, int start, int size) {
    if (start < 1 || size <= 0)
        return "";
    return mid(code, static_cast<std::size_t>(start), static_cast<std::size_t>(size));
}

std::string EmptySlot(int size) {
    return std::string(static_cast<std::size_t>(std::max(size, 0)), ' ');
}

std::string WriteSlot(const std::string& code, int start, int size, const std::string& option) {
    if (start < 1 || size <= 0)
        return code;
    std::string out = code;
    std::size_t end = static_cast<std::size_t>(start - 1 + size);
    if (out.size() < end)
        out.resize(end, ' ');
    std::string slot = option.substr(0, static_cast<std::size_t>(size));
    slot.resize(static_cast<std::size_t>(size), ' ');
    out.replace(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(size), slot);
    return out;
}

std::string ClearSlot(const std::string& code, int start, int size) {
    return WriteSlot(code, start, size, "");
}

std::string SqlOptionFromSlot(const std::string& column, int start, int size) {
    return "SUBSTRING(" + column + ", " + std::to_string(start) + ", " + std::to_string(size) + ")";
}

std::string SqlEmptySlot(int size) {
    return "REPLICATE(' ', " + std::to_string(size) + ")";
}

std::string SqlClearSlot(const std::string& column, int start, int size) {
    return "STUFF(" + column + ", " + std::to_string(start) + ", " + std::to_string(size) + ", " +
           SqlEmptySlot(size) + ")";
}

std::string SqlVariantSizes(const std::string& ditta) {
    return "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_INDGRIGLIA, MG5F_SIZE,\n"
           "       (SELECT (CASE WHEN SUM(INIZIO.MG5F_SIZE) IS NULL\n"
           "                     THEN 1\n"
           "                     ELSE\n"
           "                     SUM (INIZIO.MG5F_SIZE) + 1\n"
           "                END)\n"
           "        FROM MG5F_DIMECONF AS INIZIO WITH (NOLOCK)\n"
           "        WHERE INIZIO.MG5F_DITTA_CG18 = MG5F_DIMECONF.MG5F_DITTA_CG18 AND\n"
           "              INIZIO.MG5F_CODICEVAR  < MG5F_DIMECONF.MG5F_CODICEVAR) AS MG5F_START\n"
           "FROM MG5F_DIMECONF WITH (NOLOCK)\n"
           "WHERE MG5F_DITTA_CG18 = " +
           ditta;
}

std::string SqlItemManagesVariants(const std::string& ditta, const std::string& codArt) {
    return "SELECT TOP 1 1 FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = " + ditta +
           " AND       MG6B_CODART_MG66 = '" + RaddoppiaApici(codArt) +
           "' AND       MG6B_FLGGESTVAR = 1";
}

}  // namespace common
