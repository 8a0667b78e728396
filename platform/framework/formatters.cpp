#include "platform/framework/formatters.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace framework {

namespace {

std::string trimmed(const std::string& s) {
    std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos)
        return "";
    std::size_t b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

bool allDigits(const std::string& s) {
    if (s.empty())
        return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// "HH:MM[:SS]" into d; false when it is not a time of day.
bool parseTime(const std::string& text, db::DateTime& d) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : text) {
        if (c == ':') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    for (const auto& p : parts)
        if (!allDigits(p) || p.size() > 2)
            return false;
    d.hour = std::stoi(parts[0]);
    d.minute = std::stoi(parts[1]);
    d.second = parts.size() == 3 ? std::stoi(parts[2]) : 0;
    return d.hour < 24 && d.minute < 60 && d.second < 60;
}

std::optional<db::DateTime> parseDayFirst(const std::string& text) {
    std::string datePart = text, timePart;
    if (std::size_t sp = text.find(' '); sp != std::string::npos) {
        datePart = text.substr(0, sp);
        timePart = trimmed(text.substr(sp + 1));
    }
    char sep = 0;
    for (char c : datePart)
        if (c == '/' || c == '-' || c == '.') {
            sep = c;
            break;
        }
    if (!sep)
        return std::nullopt;
    std::vector<std::string> parts;
    std::string cur;
    for (char c : datePart) {
        if (c == sep) {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    if (parts.size() != 3)
        return std::nullopt;
    for (const auto& p : parts)
        if (!allDigits(p))
            return std::nullopt;
    if (parts[0].size() > 2 || parts[1].size() > 2 ||
        (parts[2].size() != 2 && parts[2].size() != 4))
        return std::nullopt;
    db::DateTime d;
    d.day = std::stoi(parts[0]);
    d.month = std::stoi(parts[1]);
    d.year = std::stoi(parts[2]);
    if (parts[2].size() == 2)
        d.year += d.year < 30 ? 2000 : 1900;
    if (!timePart.empty() && !parseTime(timePart, d))
        return std::nullopt;
    if (!d.isValid())
        return std::nullopt;
    return d;
}

}  // namespace

std::optional<db::DateTime> CLSFW_Date::parse(const std::string& raw) {
    std::string text = trimmed(raw);
    if (text.empty())
        return std::nullopt;
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    // ISO forms start with four digits.
    if (text.size() >= 8 && allDigits(text.substr(0, 4)))
        if (auto d = db::DateTime::parseIso(text))
            return d;
    return parseDayFirst(text);
}

void CLSFW_Date::setValue(const db::Value& value) {
    date_.reset();
    if (value.type() == db::Value::Type::Date) {
        date_ = value.asDate();
    } else if (value.isText()) {
        if (trimmed(value.asText()).empty()) {
            status_ = kFormatBlank;
            return;
        }
        date_ = parse(value.asText());
    } else if (value.isEmptyOrNull()) {
        status_ = kFormatBlank;
        return;
    }
    status_ = date_ && date_->isValid() ? kFormatValid : kFormatInvalid;
    if (status_ != kFormatValid)
        date_.reset();
}

std::string CLSFW_Date::DBFormat() const {
    if (!date_)
        return "";
    char buf[32];
    if (date_->hasTime())
        std::snprintf(buf, sizeof buf, "%04d%02d%02d %02d:%02d:%02d", date_->year, date_->month,
                      date_->day, date_->hour, date_->minute, date_->second);
    else
        std::snprintf(buf, sizeof buf, "%04d%02d%02d", date_->year, date_->month, date_->day);
    return buf;
}

std::string CLSFW_Date::DisplayFormat() const {
    if (!date_)
        return "";
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", date_->day, date_->month, date_->year);
    return buf;
}

std::optional<db::Decimal> CLSFW_Number::parse(const std::string& raw) {
    std::string text = trimmed(raw);
    if (text.empty() || text.find('\0') != std::string::npos)
        return std::nullopt;
    std::size_t commas = 0, dots = 0;
    for (char c : text) {
        commas += c == ',';
        dots += c == '.';
    }
    if (commas == 0)
        return db::Decimal::parse(text);
    if (commas > 1)
        return std::nullopt;
    std::size_t comma = text.find(',');
    std::string integral = text.substr(0, comma);
    if (dots > 0) {
        // Italian grouping: every '.' followed by exactly three digits, all
        // before the decimal comma.
        std::string plain;
        std::size_t start = (integral[0] == '-' || integral[0] == '+') ? 1 : 0;
        std::size_t lastDot = std::string::npos;
        for (std::size_t i = start; i < integral.size(); ++i) {
            if (integral[i] == '.') {
                if (i == start || (lastDot != std::string::npos && i - lastDot != 4) ||
                    (lastDot == std::string::npos && i - start > 3))
                    return std::nullopt;
                lastDot = i;
            } else {
                plain += integral[i];
            }
        }
        if (lastDot == std::string::npos || integral.size() - lastDot != 4)
            return std::nullopt;
        integral = integral.substr(0, start) + plain;
    }
    std::string decimals = text.substr(comma + 1);
    if (!allDigits(decimals))
        return std::nullopt;
    return db::Decimal::parse(integral + "." + decimals);
}

void CLSFW_Number::setValue(const db::Value& value) {
    number_.reset();
    if (value.isEmptyOrNull() || (value.isText() && trimmed(value.asText()).empty())) {
        status_ = kFormatBlank;
        return;
    }
    if (value.isText())
        number_ = parse(value.asText());
    else if (value.type() != db::Value::Type::Date)
        number_ = value.toDecimal();
    status_ = number_ ? kFormatValid : kFormatInvalid;
}

std::string CLSFW_Number::DBFormat() const {
    return number_ ? number_->normalized().toString() : "";
}

}  // namespace framework
