#include "platform/controls/value_text.h"

#include <QDate>
#include <stdexcept>

#include "platform/db/value.h"

namespace controls {

QString ValueText(const db::Value& value) {
    // CHAR columns come back padded: a code is shown as typed ("XS", not
    // "XS   "), wherever it is shown.
    const std::string text = value.toText();
    return QString::fromStdString(value.type() == db::Value::Type::Text ? db::rtrim(text) : text);
}

namespace {

[[noreturn]] void refuse(const QString& text, const char* what) {
    throw std::invalid_argument("\"" + text.toStdString() + "\" is not " + what);
}

db::Value dateFromText(const QString& text) {
    if (auto iso = db::DateTime::parseIso(text.toStdString()))
        return *iso;
    for (const char* format : {"dd/MM/yyyy", "d/M/yyyy", "dd/MM/yy", "dd.MM.yyyy"}) {
        QDate date = QDate::fromString(text, QString::fromLatin1(format));
        if (date.isValid()) {
            if (date.year() < 1950 && QString::fromLatin1(format).endsWith("yy") &&
                !QString::fromLatin1(format).endsWith("yyyy"))
                date = date.addYears(100);
            db::DateTime d;
            d.year = date.year();
            d.month = date.month();
            d.day = date.day();
            return d;
        }
    }
    refuse(text, "a date");
}

}  // namespace

db::Value ValueFromText(const QString& raw, db::FieldType type) {
    const QString text = raw.trimmed();
    if (text.isEmpty() && type != db::FieldType::Text && type != db::FieldType::FixedText)
        return db::Value::null();
    switch (type) {
        case db::FieldType::Boolean:
            if (text == "1" || text.compare("true", Qt::CaseInsensitive) == 0 || text == "-1")
                return true;
            if (text == "0" || text.compare("false", Qt::CaseInsensitive) == 0)
                return false;
            refuse(text, "a boolean");
        case db::FieldType::Integer: {
            bool ok = false;
            const qlonglong n = text.toLongLong(&ok);
            if (!ok)
                refuse(text, "an integer");
            return static_cast<long long>(n);
        }
        case db::FieldType::Decimal: {
            QString t = text;
            t.replace(',', '.');
            auto d = db::Decimal::parse(t.toStdString());
            if (!d)
                refuse(text, "a number");
            return *d;
        }
        case db::FieldType::Double: {
            QString t = text;
            t.replace(',', '.');
            bool ok = false;
            const double v = t.toDouble(&ok);
            if (!ok)
                refuse(text, "a number");
            return v;
        }
        case db::FieldType::Date:
            return dateFromText(text);
        case db::FieldType::Text:
        case db::FieldType::FixedText:
            if (raw.isEmpty())
                return db::Value::null();
            return raw.toStdString();
        default:
            return raw.toStdString();
    }
}

bool ValueIsTrue(const db::Value& value) {
    if (value.isEmptyOrNull())
        return false;
    if (auto d = value.toDecimal())
        return !d->isZero();
    return false;
}

}  // namespace controls
