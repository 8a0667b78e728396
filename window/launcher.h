#pragma once
// The launcher of linked managements: the toolbar TBAR_GESTIONICOLLEGATE of
// the item card and the four menu buttons of tab 9 (CMD_GESTANAG,
// CMD_GESTDIBA, CMD_GESTCICLI, CMD_GESTELAB). Each entry has a key; a click
// dispatches on it to one Invoca_ procedure, which has the host open the
// management for the current item and makes the card the active component
// again when it is closed.

#include <string>

#include "common/forward.h"
#include "platform/db/value.h"

class QToolBar;
class QWidget;

namespace card {

// ---- the widgets
// The toolbar, empty until InitToolbarGestioni fills it.
QToolBar* CreaToolbarGestioni(QWidget* parent);
// Fills the toolbar's entries in their order (again after a change of
// company); "Dati divisionali" only when
// the current company keeps divisional data.
void InitToolbarGestioni(common::ItemCard& card, QToolBar* toolbar);
// Creates the four menu buttons inside the frame (its layout, when it has one).
void InitCmdGestioni(common::ItemCard& card, QWidget* frame);

// ---- dispatch: any other key does nothing
void TBAR_GESTIONICOLLEGATE_MenuItemClick(common::ItemCard& card, const std::string& key);
// The menu buttons' keys; "kElaborazioni" (CMD_GESTELAB itself) is accepted
// and does nothing.
void CMD_GESTIONI_MenuItemClick(common::ItemCard& card, const std::string& key);

// ---- the launchers
void Invoca_AnagraficaArticolo(common::ItemCard& card);
void Invoca_ConfigVarianti(common::ItemCard& card);
void Invoca_Vincoli(common::ItemCard& card);
void Invoca_StatiVariante(common::ItemCard& card);
void Invoca_Stagioni(common::ItemCard& card);
void Invoca_Assortimenti(common::ItemCard& card);
void Invoca_Ereditagr(common::ItemCard& card);
void Invoca_StampeGestionali(common::ItemCard& card);
void Invoca_Divisionali(common::ItemCard& card);
void Invoca_DatiProduzione(common::ItemCard& card);
void Invoca_ProvenienzaProdotto(common::ItemCard& card);
void Invoca_TipiProdotto(common::ItemCard& card);
void Invoca_Reparti(common::ItemCard& card);
void Invoca_Fasi(common::ItemCard& card);
void Invoca_Commesse(common::ItemCard& card);
void Invoca_Disba(common::ItemCard& card);
void Invoca_DisbaFashion(common::ItemCard& card);
void Invoca_CicloLavorazione(common::ItemCard& card);
void Invoca_AnagraficaCiclo(common::ItemCard& card);
void Invoca_DuplicazioneCiclo(common::ItemCard& card);
void Invoca_EsplosioneDistinta(common::ItemCard& card);
void Invoca_StampaRubricaDistinta(common::ItemCard& card);
// "kDuplicazioneDistinta": the duplication pane of tab 9 on the current item.
void CreazioneDistinte(common::ItemCard& card);

// The variant console: "VAR.RagVar" with the options tab's current variant
// and grouping when both are chosen, otherwise "VAR" with empty values.
void InvocaConsoleVarianti(common::ItemCard& card);
// The item's standard routing code (PD18_ARTPROD), "" when it has none. No
// trap: a failure is reported under the caller's name.
std::string RecuperaCicloSTD(common::ItemCard& card);
// The item master's answer: for kind 101 the item code it hands back is
// kept for Invoca_AnagraficaArticolo; other kinds are ignored.
void Gcls_ConnectMagazzino_DataTransfer(common::ItemCard& card, const db::Value& data, int kind);

}  // namespace card
