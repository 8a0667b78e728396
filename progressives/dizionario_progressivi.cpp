#include "progressives/dizionario_progressivi.h"

namespace progressives {

const DizionarioProgressivi& dizionarioProgressivi() {
    static const DizionarioProgressivi voci = {
        {"MG70_QGIACINI", "Giacenza iniziale"},
        {"MG70_QGIACATT", "Giacenza attuale"},
        {"MG70_QGIACEFF", "Giacenza effettiva"},
        {"MG70_QGIACFIS", "Giacenza fiscale"},
        {"MG70_QDISPONIB", "Disponibilit\u00e0"},
        {"MG70_QIMPCLI", "Imp. ordine cliente"},
        {"MG70_QIMPPROD", "Imp. ordine produz."},
        {"MG70_QIMPCLAVFOR", "Imp. c/lavoro fornit."},
        {"MG70_QPREIMPCLI", "Preimp.cli.-prod.-c/l."},
        {"MG70_QBLOCSPED", "Blocco spedizione"},
        {"MG70_QDACONTR", "Da controllare"},
        {"MG70_QORDFOR", "Ordinato fornitore"},
        {"MG70_QORDPROD", "Ordinato produz."},
        {"MG70_QPREIMPFOR", "Preimp.fornit.-prod."},
        {"MG70_QDAVAL", "Qt\u00e0 da valorizzare"},
        {"MG70_QENTCVIS", "Entrata c/visione"},
        {"MG70_QENTCRIP", "Entrata c/riparaz."},
        {"MG70_QENCDEP", "Entrata c/deposito"},
        {"MG70_QENCNOLO", "Entrata c/nolo"},
        {"MG70_QUSCCVIS", "Uscita c/visione"},
        {"MG70_QUSCCRIP", "Uscita c/riparaz."},
        {"MG70_QUSCDEP", "Uscita c/deposito"},
        {"MG70_QUSCNOLO", "Uscita c/nolo"},
        {"MG70_QCARACQ", "Carico da fornitore"},
        {"MG70_QCARESORCLI", "Carico da reso cli."},
        {"MG70_QCARPROD", "Carico da produz."},
        {"MG70_QCARCLAVCLI", "Carico c/lav. clienti"},
        {"MG70_QCARCLAVFOR", "Carico c/lav. fornit."},
        {"MG70_QCAROMAG", "Carico per omaggi"},
        {"MG70_QCARGENER", "Carico generico"},
        {"MG70_QCARTRASF", "Carico trasferim."},
        {"MG70_QCARSOST", "Carico sostituzione"},
        {"MG70_QCARLIB1", "Carico libero 1"},
        {"MG70_QCARLIB2", "Carico libero 2"},
        {"MG70_QSCAVEN", "Scarico vendite"},
        {"MG70_QSCASCART", "Scarico scarti"},
        {"MG70_QSCAOMAGQ", "Scarico omaggi"},
        {"MG70_QSCACLAVCLI", "Scarico c/lav. clienti"},
        {"MG70_QSCACLAVFOR", "Scarico c/lav. fornit."},
        {"MG70_QSCAPROD", "Scarico produzione"},
        {"MG70_QSCARESOFOR", "Scarico reso a forn."},
        {"MG70_QSCAGENER", "Scarico generico"},
        {"MG70_QSCATRASF", "Scarico trasferim."},
        {"MG70_QSCASOST", "Scarico sostituz."},
        {"MG70_QSCALIB1", "Scarico libero 1"},
        {"MG70_QSCALIB2", "Scarico libero 2"},
    };
    return voci;
}

std::string colonnaContoLavoro(const std::string& colonna) {
    if (colonna.rfind("MG70", 0) != 0)
        return colonna;
    return "MG7E" + colonna.substr(4);
}

}  // namespace progressives
