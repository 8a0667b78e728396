#include "platform/exchange/xlsx_reader.h"

#include <zip.h>

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>

namespace exchange {

namespace {

struct Archive {
    zip_t* zip = nullptr;
    ~Archive() {
        if (zip)
            zip_discard(zip);
    }
};

[[noreturn]] void refuse(const std::string& path, const std::string& why) {
    throw std::runtime_error("cannot read " + path + ": " + why);
}

// An entry's bytes; empty when the package has no such entry.
QByteArray entry(const Archive& a, const std::string& name, bool required,
                 const std::string& path) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(a.zip, name.c_str(), 0, &st) != 0) {
        if (required)
            refuse(path, "no " + name + " in the package");
        return {};
    }
    zip_file_t* f = zip_fopen(a.zip, name.c_str(), 0);
    if (!f)
        refuse(path, "cannot open " + name);
    QByteArray bytes(static_cast<qsizetype>(st.size), '\0');
    const zip_int64_t got = zip_fread(f, bytes.data(), st.size);
    zip_fclose(f);
    if (got < 0 || static_cast<zip_uint64_t>(got) != st.size)
        refuse(path, "cannot read " + name);
    return bytes;
}

std::vector<std::string> sharedStrings(const QByteArray& xml) {
    std::vector<std::string> out;
    QXmlStreamReader r(xml);
    QString current;
    bool inSi = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"si") {
            inSi = true;
            current.clear();
        } else if (r.isStartElement() && r.name() == u"t" && inSi) {
            current += r.readElementText();
        } else if (r.isEndElement() && r.name() == u"si") {
            inSi = false;
            out.push_back(current.toStdString());
        }
    }
    return out;
}

// "BC12" -> column 54 (0-based), row 11 (0-based).
bool reference(const QString& ref, int& row, int& column) {
    column = 0;
    int i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i)
        column = column * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
    bool ok = false;
    row = ref.mid(i).toInt(&ok) - 1;
    --column;
    return ok && i > 0 && row >= 0 && column >= 0;
}

std::string numberText(const QString& v) {
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return v.toStdString();
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", d);
    return text;
}

TextRows sheetRows(const QByteArray& xml, const std::vector<std::string>& shared) {
    TextRows rows;
    QXmlStreamReader r(xml);
    int nextRow = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"row") {
            bool ok = false;
            const int at = r.attributes().value("r").toInt(&ok);
            nextRow = ok ? at - 1 : nextRow;
        } else if (r.isEndElement() && r.name() == u"row") {
            ++nextRow;
        } else if (r.isStartElement() && r.name() == u"c") {
            int row = nextRow, column = -1;
            const QString ref = r.attributes().value("r").toString();
            if (!ref.isEmpty() && !reference(ref, row, column))
                column = -1;
            if (column < 0) {
                row = nextRow;
                column = rows.size() > static_cast<std::size_t>(row)
                             ? static_cast<int>(rows[static_cast<std::size_t>(row)].size())
                             : 0;
            }
            const QString type = r.attributes().value("t").toString();
            QString value;
            bool hasValue = false;
            while (!(r.isEndElement() && r.name() == u"c") && !r.atEnd()) {
                r.readNext();
                if (r.isStartElement() && (r.name() == u"v" || r.name() == u"t")) {
                    value += r.readElementText();
                    hasValue = true;
                }
            }
            if (!hasValue)
                continue;
            std::string text;
            if (type == u"s") {
                const auto index = static_cast<std::size_t>(value.toLongLong());
                text = index < shared.size() ? shared[index] : std::string();
            } else if (type == u"str" || type == u"inlineStr" || type == u"e") {
                text = value.toStdString();
            } else if (type == u"b") {
                text = std::string(1, value == u"1" ? '1' : '0');
            } else {
                text = numberText(value);
            }
            if (rows.size() <= static_cast<std::size_t>(row))
                rows.resize(static_cast<std::size_t>(row) + 1);
            auto& line = rows[static_cast<std::size_t>(row)];
            if (line.size() <= static_cast<std::size_t>(column))
                line.resize(static_cast<std::size_t>(column) + 1);
            line[static_cast<std::size_t>(column)] = text;
        }
    }
    if (r.hasError())
        throw std::runtime_error(r.errorString().toStdString());
    return rows;
}

// Code page 1252's characters at 0x80..0x9F (0 where it has none); the
// others are Latin-1's.
constexpr char16_t kCp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string fromCp1252(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        const char16_t mapped = c >= 0x80 && c <= 0x9F ? kCp1252[c - 0x80] : char16_t(c);
        text += QChar(mapped ? mapped : char16_t(0xFFFD));
    }
    return text.toStdString();
}

// The bytes of a delimited file as UTF-8 text: UTF-16 with its byte-order
// mark ("Testo Unicode" of Excel), UTF-8, or else code page 1252, as a CSV
// saved by an Italian Excel is. A file with a zero byte is no text.
std::string decodedText(std::string bytes, const std::string& path) {
    const auto utf16 = [&](QStringConverter::Encoding encoding) {
        QStringDecoder decode(encoding);
        const QString text =
            decode(QByteArrayView(bytes.data() + 2, static_cast<qsizetype>(bytes.size()) - 2));
        if (decode.hasError())
            refuse(path, "not UTF-16 text");
        return text.toStdString();
    };
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        bytes = utf16(QStringConverter::Utf16LE);
    else if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF')
        bytes = utf16(QStringConverter::Utf16BE);
    if (bytes.find('\0') != std::string::npos)
        refuse(path, "not a text file");
    QStringDecoder utf8(QStringConverter::Utf8);
    // Decoded only to learn whether the bytes are UTF-8.
    const QString probe = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? fromCp1252(bytes) : bytes;
}

}  // namespace

std::vector<ReadSheet> ReadXlsx(const std::string& path) {
    Archive a;
    int error = 0;
    a.zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!a.zip) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        const std::string why = zip_error_strerror(&e);
        zip_error_fini(&e);
        refuse(path, why);
    }
    // Sheet names and their parts, in the workbook's order.
    std::map<QString, QString> targets;
    {
        QXmlStreamReader r(entry(a, "xl/_rels/workbook.xml.rels", true, path));
        while (!r.atEnd())
            if (r.readNext() == QXmlStreamReader::StartElement && r.name() == u"Relationship")
                targets[r.attributes().value("Id").toString()] =
                    r.attributes().value("Target").toString();
    }
    const std::vector<std::string> shared =
        sharedStrings(entry(a, "xl/sharedStrings.xml", false, path));
    std::vector<ReadSheet> sheets;
    QXmlStreamReader r(entry(a, "xl/workbook.xml", true, path));
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement || r.name() != u"sheet")
            continue;
        QString id;
        for (const auto& attribute : r.attributes())
            if (attribute.name() == u"id")
                id = attribute.value().toString();
        QString target = targets[id];
        if (target.startsWith('/'))
            target = target.mid(1);
        else
            target = "xl/" + target;
        ReadSheet sheet;
        sheet.name = r.attributes().value("name").toString().toStdString();
        try {
            sheet.rows = sheetRows(entry(a, target.toStdString(), true, path), shared);
        } catch (const std::runtime_error& e) {
            refuse(path, e.what());
        }
        sheets.push_back(std::move(sheet));
    }
    if (r.hasError())
        refuse(path, r.errorString().toStdString());
    if (sheets.empty())
        refuse(path, "the workbook has no sheet");
    return sheets;
}

TextRows ReadTableFile(const std::string& path) {
    const std::string lower = QString::fromStdString(path).toLower().toStdString();
    if (lower.size() > 5 && lower.compare(lower.size() - 5, 5, ".xlsx") == 0)
        return ReadXlsx(path).front().rows;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        refuse(path, "the file cannot be opened");
    const std::string text = decodedText(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), path);
    return ParseDelimited(text, GuessSeparator(text));
}

}  // namespace exchange
