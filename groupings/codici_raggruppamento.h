#pragma once
// Grouping codes of the options tab: the grouping box TXT_RAGGR1 with its
// description TXT_DESRAGGR1, the creation of a typed code, automatic codes
// by the company's grouping-code mode, the association of the grouping with
// the item's variant (MG6B_CODRAGGVAR_MG5G) and the settling of a change
// the user leaves without associating.
//
// Free functions over the window: the state is StatoOpzioni
// (card.shared<StatoOpzioni>()). The automatic creation is also used by the
// copy of a customer's or supplier's descriptions into a grouping.

#include <string>

#include "common/forward.h"

namespace groupings {

// ---- the grouping box
void TXT_RAGGR1_StartLookup(common::ItemCard& card);
void TXT_RAGGR1_StartDecode(common::ItemCard& card);
// After a code was typed, chosen or handed back: creation on request,
// enabling, reload of both lists, changed flag.
void TXT_RAGGR1_AfterItem(common::ItemCard& card);
// Decodes the box's text without raising its events: found state and
// description, as after the variant was chosen.
void DecodeItemGrouping(common::ItemCard& card);
// The box's menu entry "Kgestione": the groupings window FRMMG_RAGGR,
// modal, on the current variant.
void TXT_RAGGR1_MenuEntry(common::ItemCard& card, const std::string& key);
// The closing event of FRMMG_RAGGR: a code handed back goes into the box.
void FrmRag_CloseFormRaggrVar(common::ItemCard& card, const std::string& variante,
                              const std::string& raggruppamento);

// Enables the editing of the options tab by the found state (forced false
// while the item is not managed by variants); answers the state used. The
// source list and its description box follow only with ancheSorgente.
bool AbilitaGestioneOpzioni(common::ItemCard& card, bool trovato, bool ancheSorgente);

void TXT_DESRAGGR1_Validate(common::ItemCard& card);
void CMD_ASSOCIA_Click(common::ItemCard& card);

// Before another variant or another tab is chosen: a grouping changed and
// not associated is written to the variant row, after a question.
void CheckCambioRaggr(common::ItemCard& card);
// Before options are added: true when a grouping code is in the box or one
// was created; false when the user declined (nothing changed).
bool CheckRaggruppamento(common::ItemCard& card);

// A new grouping of the variant by the grouping-code mode: numbered
// ({Var}-000001, after the highest numbered code) or the item code (an
// existing one reused). Answers the code, "" when it could not be created.
std::string CreaRaggruppamentoAutomatico(common::ItemCard& card, const std::string& variante);
// Inserts one grouping; the description is cut to 40 characters. Answers
// whether the row was written.
bool InserisciRaggruppamento(common::ItemCard& card, const std::string& variante,
                             const std::string& raggruppamento, const std::string& descrizione);
// MG5F_DESCR_VAR of a variant, "" when there is none; no trap.
std::string GetDescrVariante(common::ItemCard& card, const std::string& variante);

// {Var} + "-" + the six rightmost digits of ultimo + 1 ("" counts as 0).
std::string NextGroupingCode(const std::string& variante, const std::string& ultimo);

}  // namespace groupings
