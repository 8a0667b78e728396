#pragma once
// The options tab on the demo database for the groupings tests: the tab
// built on a test card, helpers to read the lists and the tables, to tick
// rows as a click does, and the check of the composition invariant on the
// table itself.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string>
#include <vector>

#include "groupings/gestione_varianti_tab.h"
#include "groupings/option_lists.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"

namespace groupingstest {

QApplication& app();

// Sequences 1..n without gaps or repeats, in one grouping: every command
// must leave the table so.
::testing::AssertionResult sequenzeContinue(db::Connection& cn, const std::string& var,
                                            const std::string& raggr, int ditta = 1);
#define EXPECT_INVARIANT(cn, var, raggr) \
    EXPECT_TRUE(groupingstest::sequenzeContinue(cn, var, raggr))

// The options of a grouping in position order, as stored.
std::vector<std::string> composizione(db::Connection& cn, const std::string& var,
                                      const std::string& raggr, int ditta = 1);

using Strings = std::vector<std::string>;
// The letter sizes of MAGLIA-001's grouping in their stored order.
inline const Strings kLettere = {"XS", "S", "M", "L", "XL", "XXL"};

struct Options : ::testing::Test {
    void SetUp() override { cardtest::clearMessages(); }
    cardtest::TestCard card;
    groupings::GestioneVariantiTab& tab =
        card.addTab<groupings::GestioneVariantiTab>(common::kTabGestioneVarianti);
    groupings::StatoOpzioni& st = tab.stato();

    db::Connection& cn() { return card.connection(); }
    // Shows the item and loads the tab; entry chooses a variant of the combo.
    void open(const std::string& item, int entry = 0);
    // Chooses the variant whose position is that of the code ("A1").
    void chooseVariant(const std::string& code);
    // Types a grouping code and leaves the box, as the user does.
    void typeGrouping(const std::string& code);

    std::vector<std::string> column(db::Recordset* rs, const char* field);
    std::vector<std::string> source(const char* field = "MG5E_OPZIONE") {
        return column(st.sorgente.get(), field);
    }
    std::vector<std::string> destination(const char* field = "MG5H_OPZIONE_MG5E") {
        return column(st.destinazione.get(), field);
    }
    long rowOf(db::Recordset* rs, const char* field, const std::string& code);
    // Ticks rows of the source or destination list through the grid.
    void tickSource(std::initializer_list<const char*> codes);
    void tickDestination(std::initializer_list<const char*> codes);
    // The destination row with that option becomes the current one.
    void currentDestination(const std::string& code);
    long long options(const std::string& var, const std::string& where = "1 = 1");
    std::string value(const std::string& sql) {
        return cardtest::text(cardtest::scalar(cn(), sql));
    }
    // A column of an option's row in a grouping (its own description by
    // default), and whether that description is Null.
    std::string descr(const std::string& raggr, const std::string& opz,
                      const char* col = "MG5H_DESCR") {
        return value(descrSql(raggr, opz, col));
    }
    bool isNull(const std::string& raggr, const std::string& opz) {
        return cardtest::scalar(cn(), descrSql(raggr, opz, "MG5H_DESCR")).isNull();
    }
    static std::string descrSql(const std::string& raggr, const std::string& opz, const char* col) {
        return std::string("SELECT ") + col + " FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = '" +
               raggr + "' AND MG5H_OPZIONE_MG5E = '" + opz + "'";
    }
};

// MAGLIA-001 on sizes: its grouping TG-LETTERE holds XS, S, M, L, XL, XXL.
struct OnLetterSizes : Options {
    void SetUp() override {
        Options::SetUp();
        open("MAGLIA-001");
        ASSERT_EQ(st.raggruppamento, "TG-LETTERE");
    }
    // The grouping's options in position order, as stored.
    Strings lettere() { return composizione(cn(), "A0", "TG-LETTERE"); }
};

}  // namespace groupingstest
