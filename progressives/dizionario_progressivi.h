#pragma once
// The progressives of a warehouse stock row, in the order the card shows
// them: each quantity column of MG70_MAGPROQTA with its caption. A
// progressive's position in the list (from 0) is its IdProgressivo. The
// subcontracting progressives of MG7E_CLAVPROQTA have the same columns under
// the prefix "MG7E".

#include <string>
#include <vector>

namespace progressives {

struct VoceProgressivo {
    std::string colonna;  // "MG70_QGIACINI"
    std::string caption;  // "Giacenza iniziale"
};

using DizionarioProgressivi = std::vector<VoceProgressivo>;

// Every quantity column of the table, built once.
const DizionarioProgressivi& dizionarioProgressivi();

// The same column of MG7E_CLAVPROQTA: "MG70_QGIACINI" -> "MG7E_QGIACINI".
std::string colonnaContoLavoro(const std::string& colonna);

}  // namespace progressives
