#pragma once
// The host programs and sibling components the item card opens from its
// linked-management toolbar and tab 9's menu buttons. The host registers a
// component under each program identifier; the card hands it the named
// values below (ProgramContext).

namespace card {

// ---- host programs (toolbar)
inline constexpr const char* kProgAnagraficaArticolo = "MG.ANAGRART";
inline constexpr const char* kProgStatiVariante = "MG.STATIVAR";
inline constexpr const char* kProgStagioni = "MG.STAGIONI";
inline constexpr const char* kProgAssortimenti = "MG.ASSORTIMENTI";
inline constexpr const char* kProgStampeGestionali = "MG.STAMPEGEST";
inline constexpr const char* kProgDatiDivisionali = "MG.DATIDIV";
// The variant console: with the options tab's variant and grouping, or plain.
inline constexpr const char* kProgConsoleVarianti = "VAR";
inline constexpr const char* kProgConsoleVariantiRaggr = "VAR.RagVar";

// ---- host programs (tab 9)
inline constexpr const char* kProgDatiProduzione = "PD.DATIPROD";
inline constexpr const char* kProgProvenienzaProdotto = "PD.PROVPROD";
inline constexpr const char* kProgTipiProdotto = "PD.TIPIPROD";
inline constexpr const char* kProgReparti = "PD.REPARTI";
inline constexpr const char* kProgFasi = "PD.FASI";
inline constexpr const char* kProgCommesse = "PD.COMMESSE";
inline constexpr const char* kProgDistintaBase = "PD.DISBA";
inline constexpr const char* kProgDistintaFashion = "PD.DISBAFASHION";
inline constexpr const char* kProgCicloLavorazione = "PD.CICLI";
inline constexpr const char* kProgAnagraficaCiclo = "PD.ANAGCICLI";
inline constexpr const char* kProgDuplicazioneCiclo = "PD.DUPLCICLI";
inline constexpr const char* kProgEsplosioneDistinta = "PD.ESPLDISBA";
inline constexpr const char* kProgStampaDistinta = "PD.STAMPADISBA";

// ---- sibling components of the application
inline constexpr const char* kProgIdEreditagr = "ZOLT_EREDITAGR.CLSMG_EREDITAGR";
inline constexpr const char* kProgIdVincoli = "VREK_VINCOLI.CLSCM_VINCOLI";

// ---- named values handed to the programs
inline constexpr const char* kCtxArticolo = "CodiceArticolo";
inline constexpr const char* kCtxCiclo = "CodiceCiclo";
inline constexpr const char* kCtxVariante = "CodiceVariante";
inline constexpr const char* kCtxRaggruppamento = "CodiceRaggruppamento";
// The rules configurator takes the item as its external code.
inline constexpr const char* kCtxCodiceEsterno = "Pvar_CodiceEsterno";

// ---- what the item master hands back when it closes (its DataTransfer):
// the data and the kind; kind 101 carries the item code it was left on.
inline constexpr const char* kRispostaDati = "DataTransfer";
inline constexpr const char* kRispostaTipo = "DataTransferKind";
inline constexpr int kTrasferimentoArticolo = 101;

}  // namespace card
