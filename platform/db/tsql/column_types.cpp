#include "platform/db/tsql/column_types.h"

#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {

ColumnTypes::Known& ColumnTypes::known(const std::string& table) {
    std::string key = tsql::upper(table);
    if (auto it = tables_.find(key); it != tables_.end())
        return it->second;
    if (beforeRead_)
        beforeRead_();
    const bool temporary = !table.empty() && table[0] == '#';
    const std::string sql = std::string("PRAGMA ") + (temporary ? "temp" : "main") +
                            ".table_info(" + tsql::quoteName(table) + ")";
    Known k;
    for (const auto& row : engine_.query(sql, {}, sql, nullptr).rows) {
        if (!k.columns)
            k.columns.emplace();
        tsql::ColumnDef c;
        c.name = row[1].toText();
        c.type = tsql::typeOfDeclared(row[2].toText());
        c.notNull = row[3].toText() == "1";
        k.columns->push_back(std::move(c));
    }
    k.signature = tsql::signatureOf(k.columns ? &*k.columns : nullptr);
    return tables_.insert_or_assign(std::move(key), std::move(k)).first->second;
}

const std::vector<tsql::ColumnDef>* ColumnTypes::columnsOf(const std::string& table) {
    const Known& k = known(table);
    return k.columns ? &*k.columns : nullptr;
}

const std::string& ColumnTypes::signature(const std::string& table) {
    return known(table).signature;
}

void ColumnTypes::clear(bool workTablesOnly) {
    ++generation_;
    if (!workTablesOnly)
        return tables_.clear();
    std::erase_if(tables_, [](const auto& entry) { return entry.first.starts_with('#'); });
}

bool changesOnlyWorkTables(const tsql::Statement& st) {
    using Kind = tsql::Statement::Kind;
    switch (st.kind) {
        case Kind::SelectInto:
        case Kind::CreateTable:
        case Kind::AlterColumn:
        case Kind::AddPrimaryKey:
            return st.temporary && st.table.starts_with('#');
        case Kind::Query:
            // DROP TABLE of one work table, as the translation writes it.
            return (st.sql.starts_with("DROP TABLE \"#") ||
                    st.sql.starts_with("DROP TABLE IF EXISTS \"#")) &&
                   st.sql.find(',') == std::string::npos;
        default:
            return false;
    }
}

void applyResultTypes(ResultSet& rs, const std::vector<tsql::TypeSpec>& types, bool compound) {
    const std::size_t n = std::min(types.size(), rs.columns.size());
    for (std::size_t i = 0; i < n; ++i) {
        const tsql::TypeSpec& t = types[i];
        Column& col = rs.columns[i];
        if (!(t.isDecimal() || t.isMoney()) || (!col.baseTable.empty() && !compound))
            continue;
        const int scale = t.isMoney() ? 4 : t.scale;
        col.type = FieldType::Decimal;
        col.precision = t.isMoney() ? 19 : t.length;
        col.scale = scale;
        for (auto& row : rs.rows) {
            Value& v = row[i];
            switch (v.type()) {
                case Value::Type::Int:
                    v = Decimal(v.asInt()).rescaled(scale);
                    break;
                case Value::Type::Decimal:
                    v = v.asDecimal().rescaled(scale);
                    break;
                case Value::Type::Double:
                    v = Decimal::fromDouble(v.asDouble()).rescaled(scale);
                    break;
                case Value::Type::Text:
                    // Read as the first query's column declares it: a
                    // decimal of a later query comes as its text.
                    if (const auto d = Decimal::parse(v.asText()))
                        v = d->rescaled(scale);
                    break;
                default:
                    break;
            }
        }
    }
}

}  // namespace db::sqlite
