#pragma once
// The current company as the host describes it: its code and the settings of
// the warehouse module that components honour. The host reads them from its
// company tables when the company is chosen; components only read them.

#include <string>

namespace db {
class Connection;
}

namespace framework {

class Company {
public:
    Company() = default;

    // Reads the company and its parameters (CG18_ANADITTABASE,
    // MG01_PARAMDITTA). Throws std::invalid_argument when the code is not a
    // number or the company does not exist, db::DbError when the read fails.
    static Company Load(db::Connection& connection, const std::string& code);

    // Company code as text ("1"): placed unquoted after every company column.
    const std::string& Code() const { return code_; }
    const std::string& Name() const { return name_; }
    // Chart-of-accounts group, unquoted in SQL.
    const std::string& ChartGroup() const { return chartGroup_; }
    // "1" when sub-families, groups and sub-groups are defined under their
    // parent levels; "0" otherwise.
    const std::string& ClassificationSetting() const { return classification_; }
    // Grouping-code mode: <= 0 numbers grouping codes per variant
    // ({Var}-000001), >= 1 uses the item code.
    int GroupingCodeMode() const { return groupingCodeMode_; }
    bool ManagesCustomerItemCodes() const { return customerItemCodes_; }
    bool ManagesSupplierItemCodes() const { return supplierItemCodes_; }
    // Warehouses of active and passive subcontracting ("" when none).
    const std::string& ActiveSubcontractingWarehouse() const { return activeSubcontracting_; }
    const std::string& PassiveSubcontractingWarehouse() const { return passiveSubcontracting_; }
    // Whether the company keeps divisional data ("Dati divisionali").
    bool DivisionalData() const { return divisionalData_; }

    // For hosts and tests that build a company by hand.
    void SetCode(std::string code) { code_ = std::move(code); }
    void SetName(std::string name) { name_ = std::move(name); }
    void SetChartGroup(std::string group) { chartGroup_ = std::move(group); }
    void SetClassificationSetting(std::string s) { classification_ = std::move(s); }
    void SetGroupingCodeMode(int mode) { groupingCodeMode_ = mode; }
    void SetManagesCustomerItemCodes(bool b) { customerItemCodes_ = b; }
    void SetManagesSupplierItemCodes(bool b) { supplierItemCodes_ = b; }
    void SetActiveSubcontractingWarehouse(std::string w) { activeSubcontracting_ = std::move(w); }
    void SetPassiveSubcontractingWarehouse(std::string w) { passiveSubcontracting_ = std::move(w); }
    void SetDivisionalData(bool b) { divisionalData_ = b; }

private:
    std::string code_;
    std::string name_;
    std::string chartGroup_ = "0";
    std::string classification_ = "0";
    int groupingCodeMode_ = 0;
    bool customerItemCodes_ = false;
    bool supplierItemCodes_ = false;
    std::string activeSubcontracting_;
    std::string passiveSubcontracting_;
    bool divisionalData_ = false;
};

}  // namespace framework
