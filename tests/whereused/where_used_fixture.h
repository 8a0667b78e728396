#pragma once
// The options tab of MAGLIA-001 on colours (A1: slot 4, 3 characters wide),
// with BLU used in every table that can hold it, and the means to count its
// uses in C++ from the raw rows, to open the where-used window as a user
// does (the list's context menu) and to photograph every table.

#include <QMenu>
#include <map>
#include <set>

#include "groupings/where_used.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/value.h"
#include "tests/groupings/options_fixture.h"

namespace wutest {

using Strings = std::vector<std::string>;

using db::rtrim;

// Every row of a query, each as "a|b|c", in the order given.
inline Strings rows(db::Connection& cn, const std::string& sql) {
    Strings out;
    for (const auto& set : cn.run(sql).resultSets)
        for (const auto& row : set.rows) {
            std::string line;
            for (const auto& v : row)
                line += (v.isNull() ? std::string("NULL") : v.toText()) + "|";
            out.push_back(line);
        }
    return out;
}

// One column's values, as stored.
inline Strings values(db::Connection& cn, const std::string& sql) {
    Strings out;
    for (const auto& set : cn.run(sql).resultSets)
        for (const auto& row : set.rows)
            out.push_back(row.front().isNull() ? std::string("\x01") : row.front().toText());
    return out;
}

// Every table a rename may touch, each as the sorted list of its rows.
inline const Strings kTables = {"MG5E_OPZIONI",   "MG5G_RAGGVAR",    "MG5H_COMPRAGVAR",
                                "MG6B_GESVARART", "MG5S_VARCLIFOR",  "MG5W_PROVSTATI",
                                "MG5U_VARSTAG",   "MG87_ARTDESC",    "MG73_ARTCLIFOR",
                                "MG70_MAGPROQTA", "MG7E_CLAVPROQTA", "PD95_DISBA"};
inline std::map<std::string, std::multiset<std::string>> photo(db::Connection& cn) {
    std::map<std::string, std::multiset<std::string>> out;
    for (const auto& t : kTables) {
        const Strings r = rows(cn, "SELECT * FROM " + t);
        out[t] = std::multiset<std::string>(r.begin(), r.end());
    }
    return out;
}

// Counts BLU-like uses without SQL's SUBSTRING: the variant's slot read in C++.
inline long long inSlot(const Strings& codes, std::size_t start, std::size_t size,
                        const std::string& option) {
    long long n = 0;
    for (const auto& c : codes)
        if (c.size() >= start && rtrim(c.substr(start - 1, size)) == option)
            ++n;
    return n;
}

struct WhereUsed : groupingstest::Options {
    void SetUp() override {
        groupingstest::Options::SetUp();
        // BLU also as the second option of a combination, in a season of
        // another item, in a subcontracting progressive.
        cn().execute(
            "INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODART_MG66, "
            "MG5W_CODICEVAR1_MG5F, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, "
            "MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V) SELECT 1, 'MAGLIA-001', 'A0', 'M', 'A1', "
            "'BLU', MIN(MG5V_IDSTATOVAR) FROM MG5V_STATIVAR WHERE MG5V_DITTA_CG18 = 1");
        open("MAGLIA-001");
        chooseVariant("A1");
        ASSERT_EQ(st.variante, "A1");
        cardtest::clearMessages();
    }
    // The window over an option of a list, opened from the list's context
    // menu as a right click does.
    groupings::WhereUsedDialog* openFrom(controls::DataGrid* grid, const char* field,
                                         const std::string& option) {
        const long r = rowOf(grid->DataSource(), field, option);
        EXPECT_GE(r, 0) << option;
        grid->SetCurrentRow(r);
        QMenu* menu = controls::GridExchange::Of(grid)->ContextMenu(grid);
        QAction* entry = menu->findChild<QAction*>(QStringLiteral("Dove \u00e8 usata\u2026"));
        EXPECT_NE(entry, nullptr);
        if (entry)
            entry->trigger();
        delete menu;
        auto all = card.widget()->findChildren<groupings::WhereUsedDialog*>();
        return all.empty() ? nullptr : all.back();
    }
    // Lines of the window: ORDINE -> RIGHE.
    std::map<int, long long> counts(groupings::WhereUsedDialog* w) {
        std::map<int, long long> out;
        db::Recordset* rs = w->recordset();
        for (long r = 0; r < rs->recordCount(); ++r)
            out[static_cast<int>(
                rs->valueAt(r, rs->fieldIndex("ORDINE")).toDecimal()->toInt64().value())] =
                rs->valueAt(r, rs->fieldIndex("RIGHE")).toDecimal()->toInt64().value();
        return out;
    }
    // The uses of an option of A1 of company 1 counted in C++, in the
    // window's order.
    std::map<int, long long> expected(const std::string& o) {
        auto plain = [&](const std::string& table, const std::string& var, const std::string& col) {
            long long n = 0;
            for (const auto& r : rows(cn(), "SELECT " + var + ", " + col + " FROM " + table +
                                                " WHERE " + table.substr(0, 4) + "_DITTA_CG18 = 1"))
                if (r == "A1|" + o + std::string(20 - o.size(), ' ') + "|" || r == "A1|" + o + "|")
                    ++n;
            return n;
        };
        auto slot = [&](const std::string& table, const std::string& col) {
            return inSlot(values(cn(), "SELECT " + col + " FROM " + table + " WHERE " +
                                           table.substr(0, 4) + "_DITTA_CG18 = 1"),
                          4, 3, o);
        };
        return {{1, plain("MG5H_COMPRAGVAR", "MG5H_CODICEVAR_MG5F", "MG5H_OPZIONE_MG5E")},
                {2, plain("MG6B_GESVARART", "MG6B_CODICEVAR_MG5F", "MG6B_VARDEFAULT")},
                {3, plain("MG5S_VARCLIFOR", "MG5S_CODICEVAR_MG5F", "MG5S_OPZIONE_MG5E")},
                {4, plain("MG5W_PROVSTATI", "MG5W_CODICEVAR1_MG5F", "MG5W_OPZIONE1_MG5E")},
                {5, plain("MG5W_PROVSTATI", "MG5W_CODICEVAR2_MG5F", "MG5W_OPZIONE2_MG5E")},
                {6, plain("MG5U_VARSTAG", "MG5U_CODICEVAR_MG5F", "MG5U_OPZIONE_MG5E")},
                {7, slot("MG87_ARTDESC", "MG87_OPZIONE_MG5E")},
                {8, slot("MG73_ARTCLIFOR", "MG73_OPZIONE_MG5E")},
                {9, slot("MG70_MAGPROQTA", "MG70_OPZIONE_MG5E")},
                {10, slot("MG7E_CLAVPROQTA", "MG7E_OPZIONE_MG5E")},
                {11, slot("PD95_DISBA", "PD95_OPZIONE")},
                {12, slot("PD95_DISBA", "PD95_OPZCOMP")}};
    }
    void closeAll() {
        for (auto* w : card.widget()->findChildren<groupings::WhereUsedDialog*>())
            delete w;
    }
};

}  // namespace wutest
