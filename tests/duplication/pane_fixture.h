#pragma once
// The "Duplica distinte" pane on a small test card over the demo database,
// with helpers that drive its grids as a user does.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "common/card_pane.h"
#include "duplication/dupl_pane.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/progress.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"

namespace dupltest {

using cardtest::count;
using cardtest::scalar;
using cardtest::shown;
using cardtest::text;

struct PaneFixture : ::testing::Test {
    explicit PaneFixture(const std::string& ditta = "1", const std::string& database = "")
        : card(ditta, database) {}

    cardtest::TestCard card;
    QWidget frame;
    std::unique_ptr<common::CardPane> owned;
    duplication::DuplPane* pane = nullptr;

    void SetUp() override {
        cardtest::clearMessages();
        owned = common::createCardPane(card, "FRAME_DUPL", &frame);
        pane = dynamic_cast<duplication::DuplPane*>(owned.get());
        ASSERT_NE(pane, nullptr) << "no pane registered for FRAME_DUPL";
    }
    void TearDown() override {
        owned.reset();
        cardtest::clearMessages();
    }

    // Shows the item and opens the pane on it, as the launcher does.
    void open(const std::string& item) {
        card.showItem(item);
        ASSERT_TRUE(common::runPaneProcedure(card, "CreazioneDistinte"));
    }
    // The same, after a size option of ten characters was added to the
    // letters grouping: longer than the slot the size has in a composed code.
    void openWithLongSize(const std::string& item) {
        db::Connection& cn = card.connection();
        cn.execute(
            "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
            "MG5E_DESCR) VALUES (1, 'A0', 'XXXL-EXTRA', 'Extra extra extra large')");
        cn.execute(
            "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, "
            "MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E) VALUES (1, 'A0', "
            "'TG-LETTERE', 7, 'XXXL-EXTRA')");
        open(item);
    }

    int structureColumn(const std::string& key) {
        return pane->QGRID_STRUTT_DESTI->Columns().IndexOf(QString::fromStdString(key));
    }
    // Clicks the option's cell in the structure grid.
    void tick(const std::string& variant, const std::string& option) {
        db::Recordset* rs = pane->structure();
        ASSERT_NE(rs, nullptr);
        const int f = rs->fieldIndex(variant);
        const int c = structureColumn(variant);
        ASSERT_GE(c, 0) << "no column " << variant;
        for (long r = 0; r < rs->recordCount(); ++r)
            if (text(rs->valueAt(r, f)) == option) {
                emit pane->QGRID_STRUTT_DESTI->cellClick(c, r);
                return;
            }
        FAIL() << "no option " << option << " in " << variant;
    }
    void anteprima() { pane->CMD_ANTEPRIMA->click(); }

    // The preview's composed codes, in grid order.
    std::vector<std::string> codes() {
        std::vector<std::string> out;
        db::Recordset* rs = pane->preview();
        if (!rs)
            return out;
        const int f = rs->fieldIndex("VARIANTE");
        for (long r = 0; r < rs->recordCount(); ++r)
            out.push_back(rs->valueAt(r, f).toText());
        return out;
    }
    std::string esito(long row) {
        db::Recordset* rs = pane->preview();
        return text(rs->valueAt(row, rs->fieldIndex("ESITO")));
    }
    std::string caption() { return pane->LBL_PREVIEW->text().toStdString(); }

    long long rows(const std::string& table, const std::string& where) {
        return count(card.connection(), table, where);
    }
    long long bom(const std::string& item, const std::string& variant) {
        return rows("PD95_DISBA", "PD95_DITTA_CG18 = " + card.companyCode() +
                                      " AND PD95_CODART_MG66 = '" + item +
                                      "' AND PD95_OPZIONE = '" + variant + "'");
    }
};

// A composed code built by hand: each option padded to its slot's width.
inline std::string composed(const std::vector<std::pair<std::string, int>>& parts) {
    std::string out;
    for (const auto& [option, size] : parts) {
        std::string slot = option.substr(0, static_cast<std::size_t>(size));
        slot.resize(static_cast<std::size_t>(size), ' ');
        out += slot;
    }
    return out;
}

}  // namespace dupltest
