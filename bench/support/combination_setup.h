#pragma once
// The set-up of the benchmarks over the cross grid of the combination states
// tab: MAGLIA-001 over Lunghezza (A2) and Vestibilità (A3), both widened to
// many options. Header-only, for the programs that link the states tabs.

#include <QComboBox>
#include <string>
#include <utility>

#include "platform/db/connection.h"
#include "states/stati_combinazione_tab.h"
#include "tests/support/test_card.h"

namespace benchsupport {

// "L007": the letter and the number in three digits at least.
inline std::string NumberedCode(char prefix, int n) {
    const std::string digits = std::to_string(n);
    return prefix + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

// MAGLIA-001 with Lunghezza (A2) and Vestibilità (A3) switched on, without
// groupings, and widened to `columns` and `rows` options (L001..., V001...);
// the demo's own options count towards the totals, and with dropUnused those
// in no grouping go first. Answers how many options each variant was given.
inline std::pair<int, int> WidenLengthAndFit(db::Connection& cn, int columns, int rows,
                                             bool dropUnused) {
    cn.beginTransaction();
    cn.execute(
        "UPDATE MG6B_GESVARART SET MG6B_FLGGESTVAR = 1, MG6B_CODRAGGVAR_MG5G = NULL WHERE "
        "MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = 'MAGLIA-001' AND MG6B_CODICEVAR_MG5F IN "
        "('A2', 'A3')");
    if (dropUnused)
        cn.execute(
            "DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F IN "
            "('A2', 'A3') AND NOT EXISTS (SELECT 1 FROM MG5H_COMPRAGVAR WHERE "
            "MG5H_OPZIONE_MG5E = MG5E_OPZIONE)");
    const auto existing = [&](const char* var) {
        return static_cast<int>(cardtest::count(
            cn, "MG5E_OPZIONI",
            std::string("MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = '") + var + "'"));
    };
    const int added[2] = {columns - existing("A2"), rows - existing("A3")};
    for (int v = 0; v < 2; ++v)
        for (int i = 1; i <= added[v]; ++i)
            cn.execute(std::string("INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, "
                                   "MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR) VALUES (1, '") +
                       (v == 0 ? "A2" : "A3") + "', '" + NumberedCode(v == 0 ? 'L' : 'V', i) +
                       "', '" + (v == 0 ? "Lunghezza " : "Vestibilita ") + std::to_string(i) +
                       "')");
    cn.commitTransaction();
    return {added[0], added[1]};
}

// The tab on MAGLIA-001 with Lunghezza against Vestibilità chosen, as a user
// leaves it before building the cross grid.
inline void ShowLengthAgainstFit(cardtest::TestCard& card, states::StatiCombinazioneTab& tab) {
    card.showItem("MAGLIA-001");
    tab.activate();
    tab.load();
    tab.CBO_TIPOCOMBINAZIONE->setCurrentIndex(0);
    tab.CBO_TIPOVAR6_1->setCurrentIndex(tab.CBO_TIPOVAR6_1->findText("Lunghezza"));
    tab.CaricaValoreVariante1();
    tab.CBO_TIPOVAR6_2->setCurrentIndex(
        tab.CBO_TIPOVAR6_2->findText(QString::fromUtf8("Vestibilità")));
    tab.CaricaValoreVariante2();
}

}  // namespace benchsupport
