#pragma once
// The host's lookup-and-decode service: for each kind of code a component
// lets users search (items, customers and suppliers, options, groupings,
// states, seasons), the statement a lookup box lists and the statement that
// decodes a typed code. Components say what is being looked up; the service
// owns the statements. Codes are quoted with doubled apostrophes.

#include <string>
#include <vector>

namespace framework {

// What a lookup box runs for one search or decode.
struct LookupRequest {
    std::string sql;                    // the rows; a decode gives at most one
    std::vector<std::string> fields;    // columns listed (empty: all)
    std::vector<std::string> captions;  // their captions
    std::string returnField;            // the column that becomes the box's code
    std::string descriptionField;       // the column that describes the code
    std::string title;                  // the list's title
};

// Kind names of lookup boxes, as components configure them.
inline constexpr const char* kLookupStandard = "Lookup standard";
inline constexpr const char* kLookupArticoli = "Articoli di magazzino";

class LookupService {
public:
    explicit LookupService(std::string company) : company_(std::move(company)) {}
    const std::string& Company() const { return company_; }

    // Items of the company ("Articoli di magazzino").
    LookupRequest Items() const;
    LookupRequest DecodeItem(const std::string& code) const;
    // Customers (kind 0) or suppliers (kind 1) with their names ("Lookup
    // standard"); with a date (database form, "YYYYMMDD") only those valid
    // on that day.
    LookupRequest Counterparts(int kind, const std::string& date = {}) const;
    LookupRequest DecodeCounterpart(int kind, const std::string& code,
                                    const std::string& date = {}) const;
    // Options of a variant ("A0".."B9"); with a grouping, only the options of
    // that grouping in its order and with its descriptions.
    LookupRequest Options(const std::string& variant, const std::string& grouping = {}) const;
    LookupRequest DecodeOption(const std::string& variant, const std::string& code,
                               const std::string& grouping = {}) const;
    // Grouping codes of a variant.
    LookupRequest Groupings(const std::string& variant) const;
    LookupRequest DecodeGrouping(const std::string& variant, const std::string& code) const;
    // States of variants (MG5V_STATIVAR) by their code.
    LookupRequest States() const;
    LookupRequest DecodeState(const std::string& code) const;
    // Seasons (MG5T_STAGIONI) by their code.
    LookupRequest Seasons() const;
    LookupRequest DecodeSeason(const std::string& code) const;

private:
    std::string company_;
};

}  // namespace framework
