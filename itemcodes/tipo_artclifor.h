#pragma once
// The customer and the supplier item-code tabs are one implementation: what
// tells them apart is this description of the kind, which spells out every
// name of the two tabs (work table, controls, procedures) as it is used.

#include <string>

#include "common/window_services.h"

namespace itemcodes {

struct TipoArtCliFor {
    int tipo;                        // MG73_TIPOCF_CG44: 0 customers, 1 suppliers
    int tab;                         // index of TAB_ARTICOLO
    const char* tabellaLavoro;       // work table of the tab
    const char* parola;              // "cliente" / "fornitore", in messages
    const char* campoArticolo;       // the item's flag that switches the tab on
    const char* didascaliaGestione;  // caption of that flag's box

    // ---- controls
    const char* CHK_GESTIONE;  // CHK_ARTCLI
    const char* FME;           // FME_ARTCLI
    const char* GRD;           // GRD_ARTCLI
    const char* GRIDNAV;       // GRIDNAV_ARTCLI
    const char* TXT_OPZIONE;   // TXT_CLI_OPZIONE
    const char* TXT_CODART;    // TXT_CODART_CLI
    const char* TXT_ART;       // TXT_ARTCLI
    const char* TXT_COD;       // TXT_CODCLI
    const char* TXT_DESCOD;    // TXT_DESCODCLI
    const char* TXT_DESCART;   // TXT_DESCARTCLI
    const char* CHK_FLGDESCPERS;
    const char* TXT_NOTEART;
    const char* TXT_DESCARTEST;
    const char* CHK_FLGPREF;  // CHK_FLGCLIPREF

    // ---- procedures, as the error report names them
    const char* AttivaFramework;  // AttivaFrameworkArtcli
    const char* DisattivaFramework;
    const char* Aggiorna;         // AggiornaArtcli
    const char* Configura_QGRID;  // Configura_QGRID_ARTCLI
    const char* AfterAddNew;      // FME_ARTCLI_AfterAddNew
    const char* AfterUpdate;
    const char* BeforeUpdate;
    const char* BeforeDelete;
    const char* ChangeStatus;
    const char* ValidateRecord;
    const char* CHK_GESTIONE_Click;        // CHK_ARTCLI_Click
    const char* CHK_FLGDESCPERS_Click;     // CHK_FLGDESCPERSCLI_Click
    const char* GRIDNAV_AfterButtonClick;  // GRIDNAV_ARTCLI_AfterButtonClick
    const char* GRD_ButtonClick;           // GRD_ARTCLI_ButtonClick
    const char* TXT_OPZIONE_AfterItem;
    const char* TXT_ART_AfterItem;
    const char* TXT_COD_AfterItem;
    const char* TXT_COD_StartLookup;
    const char* TXT_COD_StartDecode;
    const char* TXT_OPZIONE_StartLookup;
    const char* TXT_OPZIONE_StartDecode;

    // ---- how the two tabs differ beyond their names
    // The frame's status drives the grid (customers); otherwise a new row
    // disables it until the row is saved, dropped or deleted (suppliers).
    bool grigliaDaStato;
    // Message number of the personal-description warning (0: a plain box
    // titled "Attenzione", as the customer tab shows it).
    long msgDescrizionePersonalizzata;
    // The notices that name the counterpart, one catalogue text per kind so
    // that each language words it whole.
    long msgCodiceObbligatorio;  // no code given
    long msgCodiceNonNumerico;   // letters in the code (%1 the text)
    long msgInesistente;         // no such counterpart today (%1 the code)
    long msgChiaveEsistente;     // the key is another code's (%1 code, %2 counterpart, %3 item)
    long msgConfermaElimina;     // delete the code? (%1 item code, %2 counterpart)
    common::CountNoun codici;    // "1 codice cliente", "%1 codici cliente"
};

const TipoArtCliFor& TipoClienti();
const TipoArtCliFor& TipoFornitori();
const TipoArtCliFor& TipoDaCodice(int tipo);  // 0 customers, anything else suppliers

}  // namespace itemcodes
