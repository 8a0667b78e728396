#pragma once
// Retired options in the option lists: an option with a state for all items,
// outside any grouping, is shown grey with the state's code next to it. The
// lists reread the retired options of the variant each time they are
// reloaded.

#include <map>
#include <string>

#include "common/forward.h"
#include "platform/controls/forward.h"
#include "platform/controls/grid_delegate.h"

namespace groupings {

class OpzioniRitirate : public controls::GridDelegate {
    Q_OBJECT
public:
    // campo: the list's option field (MG5E_OPZIONE, MG5H_OPZIONE_MG5E).
    OpzioniRitirate(common::ItemCard& card, controls::DataGrid* grid, std::string campo);
    // The state code of the row's option when it is retired, "" otherwise.
    std::string Ritiro(long row) const;
    // Rereads the retired options of the current variant.
    void Aggiorna();

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    common::ItemCard& card_;
    controls::DataGrid* grid_;
    std::string campo_;
    std::map<std::string, std::string> ritirate_;
};

// Both lists of the options tab show their retired options.
void MostraOpzioniRitirate(common::ItemCard& card);

}  // namespace groupings
