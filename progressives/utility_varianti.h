#pragma once
// The window's variant utility as the progressives tab uses it: the
// description of a variant article code (a composed option code, some slots
// possibly blank), made of the descriptions of the options in its slots in
// the order of the company's variants. Created for one load with the
// connection, the company and the item; reads what it needs on first use.

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/value_helpers.h"

namespace db {
class Connection;
}

namespace progressives {

class UtilityVarianti {
public:
    UtilityVarianti(db::Connection& connection, std::string ditta, std::string codArt);

    // "Small, Blu" for "S  BLU"; a slot whose option is unknown shows its
    // code; blank slots are left out. Throws db::DbError when the reads fail.
    std::string DescrizioneVariante(const std::string& codice);

private:
    void carica();
    db::Connection& connection_;
    std::string ditta_;
    std::string codArt_;
    bool caricata_ = false;
    std::vector<common::SlotVariante> slot_;
    std::map<std::pair<std::string, std::string>, std::string> opzioni_;  // (variant, option)
    std::unordered_map<std::string, std::string> fatte_;
};

}  // namespace progressives
