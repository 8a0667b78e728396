#include "platform/framework/company.h"

#include <stdexcept>

#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace framework {

namespace {

std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

bool flag(const db::Value& v) {
    auto d = v.toDecimal();
    return d && *d == db::Decimal(1);
}

}  // namespace

Company Company::Load(db::Connection& connection, const std::string& code) {
    // The company code goes unquoted into every statement: only digits pass.
    if (code.empty() || code.find_first_not_of("0123456789") != std::string::npos)
        throw std::invalid_argument("Codice ditta non valido: '" + code + "'");
    db::Recordset rs;
    rs.open(
        "SELECT CG18_DITTA, CG18_RAGSOC, CG18_GRUPPO_CG10, MG01_INDCODRAGGR, MG01_FLGARTCLI, "
        "MG01_FLGARTFOR, MG01_CODDEPCLAVATT_MG58, MG01_CODDEPCLAVPAS_MG58, MG01_INDCLASSIF, "
        "MG01_FLGDATIDIV FROM CG18_ANADITTABASE WITH (NOLOCK) LEFT OUTER JOIN "
        "MG01_PARAMDITTA WITH (NOLOCK) ON MG01_DITTA_CG18 = CG18_DITTA WHERE CG18_DITTA = " +
            code,
        connection);
    if (rs.recordCount() == 0)
        throw std::invalid_argument("La ditta " + code + " non esiste");
    Company c;
    c.code_ = rtrim(rs.value("CG18_DITTA").toText());
    c.name_ = rtrim(rs.value("CG18_RAGSOC").toText());
    c.chartGroup_ = rtrim(rs.value("CG18_GRUPPO_CG10").toText());
    if (c.chartGroup_.empty())
        c.chartGroup_ = "0";
    auto mode = rs.value("MG01_INDCODRAGGR").toDecimal();
    c.groupingCodeMode_ = mode ? static_cast<int>(mode->toInt64().value_or(0)) : 0;
    c.customerItemCodes_ = flag(rs.value("MG01_FLGARTCLI"));
    c.supplierItemCodes_ = flag(rs.value("MG01_FLGARTFOR"));
    c.activeSubcontracting_ = rtrim(rs.value("MG01_CODDEPCLAVATT_MG58").toText());
    c.passiveSubcontracting_ = rtrim(rs.value("MG01_CODDEPCLAVPAS_MG58").toText());
    c.classification_ = flag(rs.value("MG01_INDCLASSIF")) ? "1" : "0";
    c.divisionalData_ = flag(rs.value("MG01_FLGDATIDIV"));
    return c;
}

}  // namespace framework
