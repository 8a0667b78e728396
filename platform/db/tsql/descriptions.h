#pragma once
// The result columns of the queries SELECT ... INTO fills its tables from,
// kept while the tables and views they read keep their columns: a work
// table made anew on every opening of a list would otherwise have its
// query prepared once more only to learn the columns.

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace db::sqlite {

class ColumnTypes;
class Engine;
struct DescribedColumn;

class Descriptions {
public:
    // The columns of `sql` as the engine prepares it (no row read).
    std::vector<DescribedColumn> columns(Engine& engine, ColumnTypes& types, const std::string& sql,
                                         const std::string& source);

private:
    struct Kept {
        std::vector<DescribedColumn> columns;
        // Each table or view read, with its columns' signature then.
        std::vector<std::pair<std::string, std::string>> sources;
    };
    std::unordered_map<std::string, Kept> kept_;
};

}  // namespace db::sqlite
