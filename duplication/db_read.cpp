#include "duplication/db_read.h"

#include <algorithm>

#include "common/value_helpers.h"
#include "platform/db/connection.h"

namespace duplication {

std::vector<std::vector<db::Value>> readRows(db::Connection& connection, const std::string& sql) {
    db::BatchResult result = connection.run(sql);
    if (result.resultSets.empty())
        return {};
    return std::move(result.resultSets.back().rows);
}

bool returnsRow(db::Connection& connection, const std::string& sql) {
    return !readRows(connection, sql).empty();
}

std::string quoted(const std::string& text) {
    return "'" + common::RaddoppiaApici(text) + "'";
}

std::vector<VariantSlot> companySlots(db::Connection& connection, const std::string& company) {
    std::vector<VariantSlot> dims;
    for (const auto& row :
         readRows(connection, common::SqlVariantSizes(company) + " ORDER BY MG5F_CODICEVAR")) {
        VariantSlot s;
        s.code = common::NzStringa(row.at(0));
        s.description = common::NzStringa(row.at(1));
        s.size = static_cast<int>(db::integerOf(row.at(3), 0));
        s.start = static_cast<int>(db::integerOf(row.at(4), 1));
        dims.push_back(std::move(s));
    }
    return dims;
}

int fullWidth(const std::vector<VariantSlot>& dims) {
    int width = 0;
    for (const auto& s : dims)
        width = std::max(width, s.start + s.size - 1);
    return width;
}

std::string padded(const std::string& code, int width) {
    if (static_cast<int>(code.size()) >= width)
        return code;
    return code + std::string(static_cast<std::size_t>(width) - code.size(), ' ');
}

}  // namespace duplication
