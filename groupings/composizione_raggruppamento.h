#pragma once
// The composition of a grouping (MG5H_COMPRAGVAR) on the options tab: adding
// the ticked options of the source list after the destination list's current
// row, removing ticked options, moving ticked options up or down as one
// block, and the grouping's own description of an option.
//
// Positions run 1..n without gaps or repeats in display order; every command
// keeps them so and runs in one transaction on the window's connection,
// rolled back when the error report ends it. Every command ends by
// reloading both lists (CaricaRaggruppamento).

#include <string>
#include <vector>

#include "common/forward.h"
#include "platform/db/forward.h"

namespace groupings {

void CMD_ADDSEL_Click(common::ItemCard& card);
void CMD_TOGLISEL_Click(common::ItemCard& card);
void CMD_SU_Click(common::ItemCard& card);
void CMD_GIU_Click(common::ItemCard& card);
void CMD_OPZDEST_SALVA_Click(common::ItemCard& card);
// The destination list's current row in the option boxes.
void GRDX_VARIANTI_DESTI_RowChanged(common::ItemCard& card);

// Opens a gap of as many places as options after position posizione of the
// current grouping and inserts them there, in the order given; their
// positions are kept in StatoOpzioni::sequenzeInserite. righe is the
// grouping's rows in position order, as the caller read them. Answers false
// when the error report ended it or a failed statement was passed over
// (the caller rolls back).
bool InserisciElementi(common::ItemCard& card, short posizione,
                       const std::vector<std::string>& opzioni, db::Recordset& righe);
// Renumbers the current grouping 1..n in position order; rows already in
// place are not written. false when the error report ended it or a failed
// statement was passed over.
bool RinumeraRaggruppamento(common::ItemCard& card);
// Takes the ticked rows of the destination list out and puts them back as
// one block after position posizione of the others. false when the error
// report ended it or a failed statement was passed over (the caller rolls
// back).
bool SpostaElementi(common::ItemCard& card, short posizione);

// The loaded-item texts of the three state tabs cleared: they show the
// compositions.
void AzzeraTabStati(common::ItemCard& card);

}  // namespace groupings
