#pragma once
// The two option lists of the options tab and the window state they share
// with the options editor, the grouping codes and the composition commands.
//
// The source list holds every option of the current variant (#TMP_ORIG), the
// destination list the composition of the current grouping (#TMP_DEST, in
// position order). CaricaRaggruppamento rebuilds either or both; every
// command of the tab ends by calling it.
//
// The state is one object per window (ItemCard::shared<StatoOpzioni>()); the
// tab creates the widgets and leaves their addresses here, so the grouping
// code and composition editors reach the same lists and boxes.

#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "variants/record_grid.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace db {
class Recordset;
}
namespace common {
class ItemCard;
}

namespace groupings {

struct StatoOpzioni {
    StatoOpzioni();
    ~StatoOpzioni();

    // ---- current choice
    std::string variante;        // MG5F_CODICEVAR of the current variant ("A0".."B9"), "" none
    std::string raggruppamento;  // current grouping code (TXT_RAGGR1), "" none
    std::string opzione;         // option code of the current row of either list
    // Index of CBO_TIPOVAR1 to choose when the tab loads; -1 the first entry.
    short variantePreselezionata = -1;

    // ---- rows of the current variant
    std::unique_ptr<db::Recordset> dimensione;    // MG5F_DIMECONF row of the variant
    std::unique_ptr<db::Recordset> rigaVariante;  // MG6B_GESVARART row of the item (grouping)

    // ---- the lists
    std::unique_ptr<db::Recordset> sorgente;      // SELECT * FROM #TMP_ORIG ORDER BY MG5E_OPZIONE
    std::unique_ptr<db::Recordset> destinazione;  // SELECT * FROM #TMP_DEST

    // ---- widgets of the tab (owned by its page; null before it is built)
    // Guarded: the page may go before the state at the window's unload.
    QPointer<variants::RecordGrid> GRDX_VARIANTI_SOURCE;
    QPointer<variants::RecordGrid> GRDX_VARIANTI_DESTI;
    QComboBox* CBO_TIPOVAR1 = nullptr;
    QLineEdit* TXT_OPZIONE_ORIG = nullptr;
    QLineEdit* TXT_DESOPZIONE_ORIG = nullptr;
    QLineEdit* TXT_OPZIONE_DEST = nullptr;
    QLineEdit* TXT_DESOPZIONE_DEST = nullptr;
    QPushButton* CMD_OPZDEST_SALVA = nullptr;
    QLineEdit* TXT_RAGGR1 = nullptr;
    QPushButton* CMD_ASSOCIA = nullptr;
    QPushButton* CMD_SU = nullptr;
    QPushButton* CMD_GIU = nullptr;

    // ---- grouping change (kept for the grouping codes editor)
    std::string articoloRicordato;
    std::string varianteRicordata;
    std::string raggrRicordato;  // grouping the variant had when chosen
    std::string raggrInserito;   // grouping typed since
    bool raggrCambiato = false;

    // ---- hooks the grouping editors fill in; empty ones do nothing
    std::function<void()> CheckCambioRaggr;      // settles a pending grouping change
    std::function<void()> TXT_RAGGR1_AfterItem;  // entry handling of the grouping box

    // Drops the lists and the variant's rows, detaching the grids.
    void rilascia();
};

// Text of the statements, for the loader and for tests.
std::string sqlCreaOrig(const std::string& ditta, const std::string& var, const std::string& raggr);
std::string sqlCreaOrigFiltrata();  // #TMP_ORIG_FLT, then #TMP_ORIG from it
std::string sqlCreaDest(const std::string& ditta, const std::string& var, const std::string& raggr);

// Reloads the source list, the destination list or both for the variant and
// grouping given; soloNonRaggruppate keeps in the source list only the
// options missing from the destination list as last built. Errors go to the
// error report as "CaricaRaggruppamento".
void CaricaRaggruppamento(common::ItemCard& card, const std::string& variante,
                          const std::string& raggruppamento, bool caricaSorgente,
                          bool caricaDestinazione, bool soloNonRaggruppate);

// Writes the ticks of the source list back into #TMP_ORIG (the composition
// commands read them there).
void ScriviSelezioniSorgente(common::ItemCard& card);

}  // namespace groupings
