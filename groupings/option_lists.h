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
#include <vector>

#include "common/forward.h"
#include "groupings/groupings_sql.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace groupings {

class FRMMG_RAGGR;

// TXT_RAGGR1 blank: the one character of code 255 stands for "no grouping"
// in the remembered and entered groupings.
inline constexpr const char* kNessunRaggruppamento = "\xC3\xBF";

struct StatoOpzioni {
    StatoOpzioni();
    ~StatoOpzioni();
    StatoOpzioni(const StatoOpzioni&) = delete;
    StatoOpzioni& operator=(const StatoOpzioni&) = delete;

    // ---- current choice
    std::string variante;        // MG5F_CODICEVAR of the current variant ("A0".."B9"), "" none
    std::string raggruppamento;  // current grouping code (TXT_RAGGR1 right-trimmed), "" none
    std::string opzione;         // option code of the current row of either list
    // Index of CBO_TIPOVAR1 to choose when the tab loads; -1 the first entry.
    short variantePreselezionata = -1;
    // The variant takes a grouping: the item has a row for it and its
    // dimension is not configured progressively.
    bool raggrAmmesso = false;

    // ---- rows of the current variant
    std::unique_ptr<db::Recordset> dimensione;    // MG5F_DIMECONF row of the variant
    std::unique_ptr<db::Recordset> rigaVariante;  // MG6B_GESVARART row of the item (grouping)

    // ---- the lists
    std::unique_ptr<db::Recordset> sorgente;      // SELECT * FROM #TMP_ORIG ORDER BY MG5E_OPZIONE
    std::unique_ptr<db::Recordset> destinazione;  // SELECT * FROM #TMP_DEST
    // Positions given to the options inserted last, in insertion order.
    std::vector<short> sequenzeInserite;
    // Address-book view of the source list (grouped by its first letter).
    bool rubrica = false;
    // The user has typed in the source or the destination option boxes since
    // they last showed a row, and not confirmed it.
    bool origModificata = false;
    bool destModificata = false;
    // The source boxes hold a code typed after Nuovo, not one of the list's rows.
    bool opzioneNuova = false;
    // Offers what was typed in the option boxes and not confirmed (set by the
    // options tab): commands that rewrite the lists call it first.
    std::function<void()> concludiModifiche;

    // ---- grouping change, kept by the grouping codes editor
    std::string articoloRicordato;
    std::string varianteRicordata;
    std::string raggrRicordato;  // grouping the variant had when chosen or last associated
    std::string raggrInserito;   // grouping in the box after the last entry
    bool raggrCambiato = false;

    // ---- widgets of the tab (owned by its page; null before it is built)
    // Guarded: the page may go before the state at the window's unload.
    QPointer<controls::DataGrid> GRDX_VARIANTI_SOURCE;
    QPointer<controls::DataGrid> GRDX_VARIANTI_DESTI;
    QPointer<QComboBox> CBO_TIPOVAR1;
    QPointer<QLineEdit> TXT_OPZIONE_ORIG;
    QPointer<QLineEdit> TXT_DESOPZIONE_ORIG;
    QPointer<QLineEdit> TXT_OPZIONE_DEST;
    QPointer<QLineEdit> TXT_DESOPZIONE_DEST;
    QPointer<QPushButton> CMD_OPZDEST_SALVA;
    QPointer<controls::LookupBox> TXT_RAGGR1;
    QPointer<QLineEdit> TXT_DESRAGGR1;
    QPointer<QPushButton> CMD_ASSOCIA;
    QPointer<QPushButton> CMD_ADDSEL;
    QPointer<QPushButton> CMD_TOGLISEL;
    QPointer<QPushButton> CMD_SU;
    QPointer<QPushButton> CMD_GIU;
    QPointer<QPushButton> CMD_DASELEZ;
    QPointer<QPushButton> CMD_RUBRICA1;
    QPointer<QPushButton> CMD_SEARCH;
    QPointer<QPushButton> CMD_OPZORIG_NUOVO;
    QPointer<QPushButton> CMD_OPZORIG_SALVA;
    QPointer<QPushButton> CMD_OPZORIG_ELIMINA;

    // The groupings window while it is open.
    QPointer<FRMMG_RAGGR> frmRaggr;

    // Drops the lists and the variant's rows, detaching the grids.
    void rilascia();
};

// Reloads the source list, the destination list or both for the variant and
// grouping given; soloNonRaggruppate keeps in the source list only the
// options missing from the destination list as last built. Errors go to the
// error report as "CaricaRaggruppamento". Answers false when the report
// ended the load.
bool CaricaRaggruppamento(common::ItemCard& card, const std::string& variante,
                          const std::string& raggruppamento, bool caricaSorgente,
                          bool caricaDestinazione, bool soloNonRaggruppate);

// Ticked rows of a list (SELEZ = 1), in the list's order: the values of one
// field; no trap.
std::vector<std::string> ValoriSpuntati(const db::Recordset* lista, const char* campo);
// Writes the ticks of a list into its work table (#TMP_ORIG or #TMP_DEST),
// keyed by the field given; no trap.
void WriteSelections(common::ItemCard& card, db::Recordset* lista, const char* tabella,
                     const char* campo);
// The ticks of the source list written into #TMP_ORIG.
void WriteSourceSelections(common::ItemCard& card);

}  // namespace groupings
