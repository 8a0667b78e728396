#include "platform/framework/company.h"

#include <stdexcept>

#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"

namespace framework {

namespace {

using db::rtrim;

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
    c.groupingCodeMode_ = static_cast<int>(db::integerOf(rs.value("MG01_INDCODRAGGR")));
    c.customerItemCodes_ = flag(rs.value("MG01_FLGARTCLI"));
    c.supplierItemCodes_ = flag(rs.value("MG01_FLGARTFOR"));
    c.activeSubcontracting_ = rtrim(rs.value("MG01_CODDEPCLAVATT_MG58").toText());
    c.passiveSubcontracting_ = rtrim(rs.value("MG01_CODDEPCLAVPAS_MG58").toText());
    c.classification_ = flag(rs.value("MG01_INDCLASSIF")) ? "1" : "0";
    c.divisionalData_ = flag(rs.value("MG01_FLGDATIDIV"));
    return c;
}

}  // namespace framework
