#include "itemcodes/tipo_artclifor.h"

#include "common/item_card.h"

namespace itemcodes {

const TipoArtCliFor& TipoClienti() {
    static const TipoArtCliFor tipo{
        .tipo = 0,
        .tab = common::kTabArtcli,
        .tabellaLavoro = "#TMP_ARTCLI",
        .parola = "cliente",
        .campoArticolo = "MG66_FLGARTCLI",
        .didascaliaGestione = "Gestione articoli cliente",
        .CHK_GESTIONE = "CHK_ARTCLI",
        .FME = "FME_ARTCLI",
        .GRD = "GRD_ARTCLI",
        .GRIDNAV = "GRIDNAV_ARTCLI",
        .TXT_OPZIONE = "TXT_CLI_OPZIONE",
        .TXT_CODART = "TXT_CODART_CLI",
        .TXT_ART = "TXT_ARTCLI",
        .TXT_COD = "TXT_CODCLI",
        .TXT_DESCOD = "TXT_DESCODCLI",
        .TXT_DESCART = "TXT_DESCARTCLI",
        .CHK_FLGDESCPERS = "CHK_FLGDESCPERSCLI",
        .TXT_NOTEART = "TXT_NOTEARTCLI",
        .TXT_DESCARTEST = "TXT_DESCARTESTCLI",
        .CHK_FLGPREF = "CHK_FLGCLIPREF",
        .AttivaFramework = "AttivaFrameworkArtcli",
        .DisattivaFramework = "DisattivaFrameworkArtcli",
        .Aggiorna = "AggiornaArtcli",
        .Configura_QGRID = "Configura_QGRID_ARTCLI",
        .AfterAddNew = "FME_ARTCLI_AfterAddNew",
        .AfterUpdate = "FME_ARTCLI_AfterUpdate",
        .BeforeUpdate = "FME_ARTCLI_BeforeUpdate",
        .BeforeDelete = "FME_ARTCLI_BeforeDelete",
        .ChangeStatus = "FME_ARTCLI_ChangeStatus",
        .ValidateRecord = "FME_ARTCLI_ValidateRecord",
        .CHK_GESTIONE_Click = "CHK_ARTCLI_Click",
        .CHK_FLGDESCPERS_Click = "CHK_FLGDESCPERSCLI_Click",
        .GRIDNAV_AfterButtonClick = "GRIDNAV_ARTCLI_AfterButtonClick",
        .GRD_ButtonClick = "GRD_ARTCLI_ButtonClick",
        .TXT_OPZIONE_AfterItem = "TXT_CLI_OPZIONE_AfterItem",
        .TXT_ART_AfterItem = "TXT_ARTCLI_AfterItem",
        .TXT_COD_AfterItem = "TXT_CODCLI_AfterItem",
        .TXT_COD_StartLookup = "TXT_CODCLI_StartLookup",
        .TXT_COD_StartDecode = "TXT_CODCLI_StartDecode",
        .TXT_OPZIONE_StartLookup = "TXT_CLI_OPZIONE_StartLookup",
        .TXT_OPZIONE_StartDecode = "TXT_CLI_OPZIONE_StartDecode",
        .grigliaDaStato = true,
        .msgDescrizionePersonalizzata = 0,
        .msgCodiceObbligatorio = 91614,
        .msgCodiceNonNumerico = 91616,
        .msgInesistente = 91618,
        .msgConfermaElimina = 91620,
        .codici = {91625, "1 codice cliente", 91626, "%1 codici cliente"},
    };
    return tipo;
}

const TipoArtCliFor& TipoFornitori() {
    static const TipoArtCliFor tipo{
        .tipo = 1,
        .tab = common::kTabArtfor,
        .tabellaLavoro = "#TMP_ARTFOR",
        .parola = "fornitore",
        .campoArticolo = "MG66_FLGARTFOR",
        .didascaliaGestione = "Gestione articoli fornitori",
        .CHK_GESTIONE = "CHK_ARTFOR",
        .FME = "FME_ARTFOR",
        .GRD = "GRD_ARTFOR",
        .GRIDNAV = "GRIDNAV_ARTFOR",
        .TXT_OPZIONE = "TXT_FOR_OPZIONE",
        .TXT_CODART = "TXT_CODART_FOR",
        .TXT_ART = "TXT_ARTFOR",
        .TXT_COD = "TXT_CODFOR",
        .TXT_DESCOD = "TXT_DESCODFOR",
        .TXT_DESCART = "TXT_DESCARTFOR",
        .CHK_FLGDESCPERS = "CHK_FLGDESCPERSFOR",
        .TXT_NOTEART = "TXT_NOTEARTFOR",
        .TXT_DESCARTEST = "TXT_DESCARTESTFOR",
        .CHK_FLGPREF = "CHK_FLGFORPREF",
        .AttivaFramework = "AttivaFrameworkArtfor",
        .DisattivaFramework = "DisattivaFrameworkArtfor",
        .Aggiorna = "AggiornaArtfor",
        .Configura_QGRID = "Configura_QGRID_ARTFOR",
        .AfterAddNew = "FME_ARTFOR_AfterAddNew",
        .AfterUpdate = "FME_ARTFOR_AfterUpdate",
        .BeforeUpdate = "FME_ARTFOR_BeforeUpdate",
        .BeforeDelete = "FME_ARTFOR_BeforeDelete",
        .ChangeStatus = "FME_ARTFOR_ChangeStatus",
        .ValidateRecord = "FME_ARTFOR_ValidateRecord",
        .CHK_GESTIONE_Click = "CHK_ARTFOR_Click",
        .CHK_FLGDESCPERS_Click = "CHK_FLGDESCPERSFOR_Click",
        .GRIDNAV_AfterButtonClick = "GRIDNAV_ARTFOR_AfterButtonClick",
        .GRD_ButtonClick = "GRD_ARTFOR_ButtonClick",
        .TXT_OPZIONE_AfterItem = "TXT_FOR_OPZIONE_AfterItem",
        .TXT_ART_AfterItem = "TXT_ARTFOR_AfterItem",
        .TXT_COD_AfterItem = "TXT_CODFOR_AfterItem",
        .TXT_COD_StartLookup = "TXT_CODFOR_StartLookup",
        .TXT_COD_StartDecode = "TXT_CODFOR_StartDecode",
        .TXT_OPZIONE_StartLookup = "TXT_FOR_OPZIONE_StartLookup",
        .TXT_OPZIONE_StartDecode = "TXT_FOR_OPZIONE_StartDecode",
        .grigliaDaStato = false,
        .msgDescrizionePersonalizzata = 32358,
        .msgCodiceObbligatorio = 91615,
        .msgCodiceNonNumerico = 91617,
        .msgInesistente = 91619,
        .msgConfermaElimina = 91621,
        .codici = {91627, "1 codice fornitore", 91628, "%1 codici fornitore"},
    };
    return tipo;
}

const TipoArtCliFor& TipoDaCodice(int tipo) {
    return tipo == 0 ? TipoClienti() : TipoFornitori();
}

}  // namespace itemcodes
