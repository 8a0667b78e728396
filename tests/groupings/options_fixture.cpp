#include "tests/groupings/options_fixture.h"

#include <QSignalBlocker>

#include "common/value_helpers.h"

namespace groupingstest {

QApplication& app() {
    return *qApp;
}

::testing::AssertionResult sequenzeContinue(db::Connection& cn, const std::string& var,
                                            const std::string& raggr, int ditta) {
    db::Recordset rs;
    rs.open(
        "SELECT MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E FROM MG5H_COMPRAGVAR WHERE "
        "MG5H_DITTA_CG18 = " +
            std::to_string(ditta) + " AND MG5H_CODICEVAR_MG5F = '" + var +
            "' AND MG5H_RAGGR_MG5G = '" + raggr + "' ORDER BY MG5H_SEQOPZIONE",
        cn);
    std::vector<long long> seq;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        seq.push_back(rs.value(0).toDecimal().value().toInt64().value());
    for (std::size_t i = 0; i < seq.size(); ++i)
        if (seq[i] != static_cast<long long>(i) + 1) {
            std::string all;
            for (auto s : seq)
                all += std::to_string(s) + " ";
            return ::testing::AssertionFailure()
                   << raggr << ": position " << i + 1 << " holds " << seq[i] << " (" << all << ")";
        }
    return ::testing::AssertionSuccess();
}

std::vector<std::string> composizione(db::Connection& cn, const std::string& var,
                                      const std::string& raggr, int ditta) {
    db::Recordset rs;
    rs.open("SELECT MG5H_OPZIONE_MG5E FROM MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18 = " +
                std::to_string(ditta) + " AND MG5H_CODICEVAR_MG5F = '" + var +
                "' AND MG5H_RAGGR_MG5G = '" + raggr + "' ORDER BY MG5H_SEQOPZIONE",
            cn);
    std::vector<std::string> out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        out.push_back(cardtest::text(rs.value(0)));
    return out;
}

void Options::open(const std::string& item, int entry) {
    card.showItem(item);
    tab.load();
    if (entry != 0) {
        st.CBO_TIPOVAR1->setCurrentIndex(entry);
        tab.CBO_TIPOVAR1_Click();
    }
}

void Options::chooseVariant(const std::string& code) {
    const int at = st.CBO_TIPOVAR1->findData(common::indiceVariante(code));
    ASSERT_GE(at, 0) << code;
    st.CBO_TIPOVAR1->setCurrentIndex(at);
    emit st.CBO_TIPOVAR1->activated(at);
}

void Options::typeGrouping(const std::string& code) {
    st.TXT_RAGGR1->LineEdit()->setText(QString::fromStdString(code));
    st.TXT_RAGGR1->SetFound(code.empty());
    st.TXT_RAGGR1->Decode();
}

std::vector<std::string> Options::column(db::Recordset* rs, const char* field) {
    std::vector<std::string> out;
    if (!rs)
        return out;
    for (long r = 0; r < rs->recordCount(); ++r)
        out.push_back(cardtest::text(rs->valueAt(r, rs->fieldIndex(field))));
    return out;
}

long Options::rowOf(db::Recordset* rs, const char* field, const std::string& code) {
    auto codes = column(rs, field);
    auto it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? -1 : static_cast<long>(it - codes.begin());
}

void Options::tickSource(std::initializer_list<const char*> codes) {
    for (const char* code : codes) {
        const long r = rowOf(st.sorgente.get(), "MG5E_OPZIONE", code);
        ASSERT_GE(r, 0) << code;
        st.GRDX_VARIANTI_SOURCE->ToggleCheck(r, 0);
    }
}

void Options::tickDestination(std::initializer_list<const char*> codes) {
    for (const char* code : codes) {
        const long r = rowOf(st.destinazione.get(), "MG5H_OPZIONE_MG5E", code);
        ASSERT_GE(r, 0) << code;
        st.GRDX_VARIANTI_DESTI->ToggleCheck(r, 0);
    }
}

void Options::currentDestination(const std::string& code) {
    const long r = rowOf(st.destinazione.get(), "MG5H_OPZIONE_MG5E", code);
    ASSERT_GE(r, 0) << code;
    st.GRDX_VARIANTI_DESTI->SetCurrentRow(r);
}

long long Options::options(const std::string& var, const std::string& where) {
    return cardtest::count(
        cn(), "MG5E_OPZIONI",
        "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = '" + var + "' AND " + where);
}

}  // namespace groupingstest
