#include "progressives/utility_varianti.h"

#include <algorithm>

#include "platform/db/connection.h"

namespace progressives {

namespace {

std::string trimmed(std::string s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    s.erase(0, first);
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

int intero(const db::Value& v) {
    return static_cast<int>(db::integerOf(v));
}

}  // namespace

UtilityVarianti::UtilityVarianti(db::Connection& connection, std::string ditta, std::string codArt)
    : connection_(connection), ditta_(std::move(ditta)), codArt_(std::move(codArt)) {}

void UtilityVarianti::carica() {
    const db::BatchResult dims = connection_.run(common::SqlVariantSizes(ditta_));
    std::vector<common::SlotVariante> slots;
    for (const auto& set : dims.resultSets)
        for (const auto& row : set.rows)
            slots.push_back({common::NzStringa(row.at(0)), intero(row.at(3)), intero(row.at(4))});
    // The starts come from the database; the order is the one of the codes.
    std::sort(slots.begin(), slots.end(),
              [](const auto& a, const auto& b) { return a.codice < b.codice; });

    const db::BatchResult opts = connection_.run(
        "SELECT MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WITH (NOLOCK) "
        "INNER JOIN MG6B_GESVARART WITH (NOLOCK) ON MG6B_DITTA_CG18 = MG5E_DITTA_CG18 AND "
        "MG6B_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F WHERE MG5E_DITTA_CG18 = " +
        ditta_ + " AND MG6B_CODART_MG66 = '" + common::RaddoppiaApici(codArt_) +
        "' AND MG6B_FLGGESTVAR = 1");
    for (const auto& set : opts.resultSets)
        for (const auto& row : set.rows)
            opzioni_[{common::NzStringa(row.at(0)), trimmed(common::NzStringa(row.at(1)))}] =
                common::NzStringa(row.at(2));
    slot_ = std::move(slots);
    caricata_ = true;
}

std::string UtilityVarianti::DescrizioneVariante(const std::string& codice) {
    if (const auto it = fatte_.find(codice); it != fatte_.end())
        return it->second;
    if (!caricata_)
        carica();
    std::string testo;
    for (const auto& s : slot_) {
        if (s.size <= 0 || s.start <= 0)
            continue;
        const std::string opzione = trimmed(common::OptionFromSlot(codice, s.start, s.size));
        if (opzione.empty())
            continue;
        const auto it = opzioni_.find({s.codice, opzione});
        const std::string parte =
            (it != opzioni_.end() && !it->second.empty()) ? it->second : opzione;
        testo += (testo.empty() ? "" : ", ") + parte;
    }
    fatte_.emplace(codice, testo);
    return testo;
}

}  // namespace progressives
