#include "platform/db/tsql/descriptions.h"

#include "platform/db/tsql/column_types.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {

std::vector<DescribedColumn> Descriptions::columns(Engine& engine, ColumnTypes& types,
                                                   const std::string& sql,
                                                   const std::string& source) {
    if (const auto it = kept_.find(sql); it != kept_.end()) {
        bool same = true;
        for (const auto& [name, signature] : it->second.sources)
            same = same && types.signature(name) == signature;
        if (same)
            return it->second.columns;
        kept_.erase(it);
    }
    std::vector<std::string> sources;
    auto described = engine.describeReading(sql, source, sources);
    Kept kept{described, {}};
    for (const auto& name : sources) {
        // Only what the column types can tell again is kept: a table
        // function's columns, or an object that is no table, are not.
        const std::string& signature = name.empty() ? "-" : types.signature(name);
        if (signature == "-")
            return described;
        kept.sources.emplace_back(name, signature);
    }
    if (kept_.size() > 200)
        kept_.clear();
    kept_.insert_or_assign(sql, std::move(kept));
    return described;
}

}  // namespace db::sqlite
