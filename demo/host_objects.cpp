#include "demo/host_objects.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/db/host_objects.h"
#include "platform/db/value.h"

namespace demo {
namespace {

using db::Backend;
using db::Column;
using db::FieldType;
using db::Value;
using Rows = std::vector<std::vector<Value>>;

using db::rtrim;

bool isBlank(const Value& v) {
    return v.isEmptyOrNull() || rtrim(v.toText()).empty();
}

// A value as a T-SQL literal: numbers bare, text quoted with apostrophes
// doubled, nothing as NULL.
std::string literal(const Value& v) {
    if (v.isEmptyOrNull())
        return "NULL";
    if (v.isNumber())
        return v.toText();
    std::string out = "'";
    for (char c : v.toText()) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}

Column textColumn(std::string name, int size, FieldType type = FieldType::Text) {
    Column c;
    c.name = std::move(name);
    c.type = type;
    c.size = size;
    return c;
}

Column decimalColumn(std::string name, int precision) {
    Column c;
    c.name = std::move(name);
    c.type = FieldType::Decimal;
    c.precision = precision;
    return c;
}

// The first row of a query, as the functions return at most one.
Rows firstRow(Backend& backend, const std::string& sql) {
    auto result = backend.run(sql);
    for (auto& set : result.resultSets) {
        if (!set.rows.empty())
            return {std::move(set.rows.front())};
    }
    return {};
}

// A description looked up by its own code and, optionally, by the codes of
// its parent levels; a blank parent matches any parent.
struct Level {
    std::string function;
    std::string table;
    std::string description;
    std::vector<std::string> parentColumns;  // in argument order
    std::string codeColumn;
};

void registerLevel(const Level& level) {
    db::TableFunction f;
    f.name = level.function;
    f.columns = {textColumn(level.description, 40)};
    f.parameterCount = static_cast<int>(level.parentColumns.size()) + 2;
    f.body = [level](Backend& backend, const std::vector<Value>& args) -> Rows {
        const std::size_t parents = level.parentColumns.size();
        if (args.size() != parents + 2)
            return {};
        const Value& code = args[parents];
        const Value& company = args[parents + 1];
        if (isBlank(code) || company.isEmptyOrNull())
            return {};
        const std::string prefix = level.table.substr(0, 4);
        std::string sql = "SELECT " + level.description + " FROM " + level.table +
                          " WITH (NOLOCK) WHERE " + prefix + "_DITTA_CG18 = " + literal(company) +
                          " AND " + level.codeColumn + " = " + literal(Value(rtrim(code.toText())));
        for (std::size_t i = 0; i < parents; ++i) {
            if (!isBlank(args[i]))
                sql += " AND " + level.parentColumns[i] + " = " +
                       literal(Value(rtrim(args[i].toText())));
        }
        if (parents > 0) {
            sql += " ORDER BY ";
            for (std::size_t i = 0; i < parents; ++i)
                sql += (i ? ", " : "") + level.parentColumns[i];
        }
        return firstRow(backend, sql);
    };
    db::registerTableFunction(std::move(f));
}

// ---- SPMG_COMBIVAR

constexpr int kPreviewVariants = 10;  // A0..A9

struct VariantOptions {
    std::vector<Value> codes;
    std::vector<Value> descriptions;
};

std::vector<Column> combivarColumns() {
    std::vector<Column> cols;
    cols.push_back(decimalColumn("NREC", 6));
    cols.push_back(textColumn("ARTICOLO", 25, FieldType::FixedText));
    for (int i = 0; i < kPreviewVariants; ++i) {
        const std::string code = "A" + std::to_string(i);
        cols.push_back(textColumn(code, 20, FieldType::FixedText));
        cols.push_back(textColumn("DESCRI_" + code, 160));
        cols.push_back(decimalColumn("SELEZ_" + code, 1));
    }
    return cols;
}

VariantOptions readOptions(Backend& backend, const std::string& company, const std::string& variant,
                           const Value& grouping) {
    std::string sql;
    if (isBlank(grouping)) {
        sql =
            "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK)"
            " WHERE MG5E_DITTA_CG18 = " +
            company + " AND MG5E_CODICEVAR_MG5F = '" + variant + "' ORDER BY MG5E_OPZIONE";
    } else {
        sql =
            "SELECT MG5H_OPZIONE_MG5E,"
            " (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS DESCRI"
            " FROM MG5H_COMPRAGVAR WITH (NOLOCK)"
            " INNER JOIN MG5E_OPZIONI WITH (NOLOCK)"
            " ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND"
            " MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND"
            " MG5E_OPZIONE = MG5H_OPZIONE_MG5E"
            " WHERE MG5H_DITTA_CG18 = " +
            company + " AND MG5H_CODICEVAR_MG5F = '" + variant + "'" +
            " AND MG5H_RAGGR_MG5G = " + literal(Value(rtrim(grouping.toText()))) +
            " ORDER BY MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E";
    }
    VariantOptions out;
    for (auto& set : backend.run(sql).resultSets) {
        for (auto& row : set.rows) {
            out.codes.push_back(Value(rtrim(row.at(0).toText())));
            out.descriptions.push_back(row.at(1).isEmptyOrNull() ? Value(std::string())
                                                                 : row.at(1));
        }
    }
    return out;
}

db::ResultSet combivar(Backend& backend, const std::vector<Value>& args) {
    db::ResultSet result;
    result.columns = combivarColumns();
    if (args.size() < 2 || args[0].isEmptyOrNull())
        return result;
    const std::string company = literal(args[0]);
    const std::string item = rtrim(args[1].toText());

    std::vector<VariantOptions> variants(kPreviewVariants);
    auto managed = backend.run(
        "SELECT MG6B_CODICEVAR_MG5F, MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WITH (NOLOCK)"
        " WHERE MG6B_DITTA_CG18 = " +
        company + " AND MG6B_CODART_MG66 = " + literal(Value(item)) +
        " AND MG6B_FLGGESTVAR = 1 ORDER BY MG6B_CODICEVAR_MG5F");
    std::size_t rows = 0;
    for (auto& set : managed.resultSets) {
        for (auto& row : set.rows) {
            const std::string code = rtrim(row.at(0).toText());
            if (code.size() != 2 || code[0] != 'A' || code[1] < '0' || code[1] > '9')
                continue;
            auto& v = variants[code[1] - '0'];
            v = readOptions(backend, company, code, row.at(1));
            rows = std::max(rows, v.codes.size());
        }
    }

    for (std::size_t n = 0; n < rows; ++n) {
        std::vector<Value> row;
        row.reserve(result.columns.size());
        row.emplace_back(db::Decimal(static_cast<std::int64_t>(n + 1)));
        row.emplace_back(item);
        for (const auto& v : variants) {
            const bool has = n < v.codes.size();
            row.push_back(has ? v.codes[n] : Value(std::string()));
            row.push_back(has ? v.descriptions[n] : Value(std::string()));
            row.emplace_back(db::Decimal(0));
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

}  // namespace

void registerHostObjects() {
    registerLevel({"FNMG53_FAMIGLIE", "MG53_FAMIGLIE", "MG53_DESCRFAM", {}, "MG53_CODFAM"});
    registerLevel(
        {"FNMG54_SOTTOFAM", "MG54_SOTTOFAM", "MG54_DESCRSFAM", {"MG54_FAM_MG53"}, "MG54_CODSFAM"});
    registerLevel({"FNMG55_GRUPPI",
                   "MG55_GRUPPI",
                   "MG55_DESCRGRUPPO",
                   {"MG55_FAM_MG53", "MG55_SFAM_MG54"},
                   "MG55_CODGRUPPO"});
    registerLevel({"FNMG56_SOTTOGRUPPI",
                   "MG56_SOTTOGRUPPI",
                   "MG56_DESCRSGRUPPO",
                   {"MG56_FAM_MG53", "MG56_SFAM_MG54", "MG56_GRUPPO_MG55"},
                   "MG56_CODSGRUPPO"});
    registerLevel({"FNMG61_GRUPPIFIS", "MG61_GRUPPIFIS", "MG61_DESCRGRUFIS", {}, "MG61_CODGRUFIS"});
    registerLevel({"FNMG64_MARCHEART", "MG64_MARCHEART", "MG64_DESCRMARCA", {}, "MG64_CODMARCA"});
    registerLevel({"FNMG74_GRUSTAT1", "MG74_GRUSTAT1", "MG74_DESGRUSTAT1", {}, "MG74_CODGRUSTAT1"});
    registerLevel({"FNMG75_GRUSTAT2", "MG75_GRUSTAT2", "MG75_DESGRUSTAT2", {}, "MG75_CODGRUSTAT2"});
    registerLevel({"FNMG76_GRUSTAT3", "MG76_GRUSTAT3", "MG76_DESGRUSTAT3", {}, "MG76_CODGRUSTAT3"});
    registerLevel({"FNMG77_GRUSTAT4", "MG77_GRUSTAT4", "MG77_DESGRUSTAT4", {}, "MG77_CODGRUSTAT4"});
    registerLevel({"FNCG28_TABCODIVA", "CG28_TABCODIVA", "CG28_DESCR", {}, "CG28_CODIVA"});

    db::Procedure p;
    p.name = "SPMG_COMBIVAR";
    p.body = combivar;
    db::registerProcedure(std::move(p));
}

}  // namespace demo
