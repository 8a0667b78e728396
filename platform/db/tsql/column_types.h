#pragma once
// The column types of the database's tables as the translator asks for
// them, read once and kept until a statement may change a table; and the
// result columns of a query shown with the types SQL Server gives them.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/db/backend.h"
#include "platform/db/tsql/plan.h"

namespace db::sqlite {

class Engine;

class ColumnTypes final : public tsql::Schema {
public:
    // `beforeRead` runs before a table is read (columns still waiting to be added go in).
    ColumnTypes(Engine& engine, std::function<void()> beforeRead)
        : engine_(engine), beforeRead_(std::move(beforeRead)) {}
    const std::vector<tsql::ColumnDef>* columnsOf(const std::string& table) override;
    const std::string& signature(const std::string& table) override;
    std::uint64_t generation() const override { return generation_; }
    // Forgets every table, or only the work tables ("#X"): after a
    // statement that may change one.
    void clear(bool workTablesOnly = false);

private:
    struct Known {
        std::optional<std::vector<tsql::ColumnDef>> columns;
        std::string signature;
    };
    Known& known(const std::string& table);

    Engine& engine_;
    std::function<void()> beforeRead_;
    std::map<std::string, Known> tables_;
    std::uint64_t generation_ = 1;
};

// Whether `st` can change work tables only (makes, alters or drops a "#"
// table): the permanent tables' columns stay as they were read.
bool changesOnlyWorkTables(const tsql::Statement& st);

// Gives computed decimal columns of `rs` the precision and scale of `types`
// (by position; an empty name leaves a column as it is): 7.0 / 2 shows 3.500000.
// `compound`: the rows come from queries joined by UNION and the like, and
// columns of tables take the types too.
void applyResultTypes(ResultSet& rs, const std::vector<tsql::TypeSpec>& types,
                      bool compound = false);

}  // namespace db::sqlite
