#pragma once
// The standard-class formatters PANX_ClsStd.CLSFW_Date and CLSFW_Number: each
// takes a value as the user or a control holds it, says whether it is a valid
// date (number) and gives the text the database accepts for it.

#include <optional>
#include <string>

#include "platform/db/date_time.h"
#include "platform/db/decimal.h"
#include "platform/db/value.h"

namespace framework {

// Status of a formatter: 0 when the value is valid.
enum FormatStatus : int { kFormatValid = 0, kFormatBlank = 1, kFormatInvalid = 2 };

class CLSFW_Date {
public:
    CLSFW_Date() = default;
    explicit CLSFW_Date(const db::Value& value) { setValue(value); }

    // Accepts a date value, ISO text ("2024-12-06", "20241206", with an
    // optional time) and Italian day-first text ("06/12/2024", "6-12-24",
    // "06.12.2024 10:30"); two-digit years are 1930..2029.
    void setValue(const db::Value& value);
    int Status() const { return status_; }
    // "YYYYMMDD", or "YYYYMMDD HH:MM:SS" when the value carries a time: the
    // unambiguous form the database reads inside quotes. "" unless valid.
    std::string DBFormat() const;
    // "DD/MM/YYYY": the form shown to users. "" unless valid.
    std::string DisplayFormat() const;
    std::optional<db::DateTime> date() const { return date_; }

    static std::optional<db::DateTime> parse(const std::string& text);

private:
    int status_ = kFormatBlank;
    std::optional<db::DateTime> date_;
};

class CLSFW_Number {
public:
    CLSFW_Number() = default;
    explicit CLSFW_Number(const db::Value& value) { setValue(value); }

    // Accepts numbers and text with either '.' or ',' as the decimal
    // separator ("12.5", "12,5", "-3"), and Italian grouping with a decimal
    // comma ("1.234,56"). Text mixing the two another way is invalid.
    void setValue(const db::Value& value);
    int Status() const { return status_; }
    // Canonical text with '.' and no grouping ("12.5", "-3"); "" unless valid.
    std::string DBFormat() const;
    std::optional<db::Decimal> number() const { return number_; }

    static std::optional<db::Decimal> parse(const std::string& text);

private:
    int status_ = kFormatBlank;
    std::optional<db::Decimal> number_;
};

}  // namespace framework
