#pragma once
// QELTA_DESCRVARIANTI.CLSFW_CALCDESCRVAR, the description calculator of the
// host framework: it composes the descriptions of an item's variant articles
// (the item's description in the chosen language followed by the
// descriptions of the options that make up the article, in variant order)
// and stores them in MG87_ARTDESC. Callers create it by identifier and
// reach its operations through this interface:
//
//   auto c = card.createSibling(descriptions::kProgIdCalcDescrVar);
//   auto* calc = dynamic_cast<descriptions::CalcDescrVar*>(c.get());
//
// (the header has no code of its own: callers need no link to the
// calculator's library).
//
// ONE VARIANT ARTICLE AT A TIME, by named properties (SetProperty/GetProperty):
//   ADOConnection, ActiveInterface, ClsDittaCorrente, CodiceDitta,
//   CodiceLingua            the context every sibling receives (HandContext)
//   PrelevamentoDescrizioneArticoloBase  0: the item's description in
//                           CodiceLingua (the base one when it has none);
//                           1: always the base-language one
//   FlagMemorizzazioneSuDataBase  true: CalcolaDescrizioneOpzione also stores
//   CodiceArticolo, CodiceOpzione  the item and the variant article
//                           (composed option code, trailing blanks optional)
//   DescrizioneArticoloOpzione  the composed description; may be set before
//                           UpdateDescrizioneOpzione to store another text
//   Stato, Messaggio        (read) outcome of the last operation, below
// Operations: CalcolaDescrizioneOpzione (compose), UpdateDescrizioneOpzione
// (store DescrizioneArticoloOpzione in CodiceLingua, replacing what is
// there), DuplicaScorteUbicazioniOpzione (the demo database keeps no stock
// locations per variant article: nothing to copy, Stato 0).
// Stato: 0 done; 1 context or codes missing; 2 no such item; 3 the code is
// not a variant article of the item (an option its variants do not have);
// 9 the database refused the write (Messaggio says why). A lost connection
// is thrown, not reported in Stato.
//
// EVERY VARIANT ARTICLE OF A SELECTION (the generated descriptions tab), in
// this order: Attach, then SetLingua, SetSelezione, Genera, Risultato; on
// demand SetProgresso, SetControlloValidita, Componi, SelezionaRighe,
// SetTutteLingue, SetSovrascrivi, Memorizza, RigenerazioneNecessaria;
// Detach when the window unloads. Genera lists one row per combination of
// the options of the item's managed variants (their grouping's options when
// the item uses one), with the descriptions stored now; Componi fills the
// new ones. A variant article is valid unless two of its options form a
// combination whose state (for the item or for every item) is not active.
// Memorizza writes the picked rows in one transaction: a row it cannot store
// (blank or too long a description) is left out and listed by Scarti(); a
// database failure rolls the whole store back and is thrown.

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/controls/forward.h"
#include "platform/db/forward.h"
#include "platform/framework/component_base.h"

namespace descriptions {

inline constexpr const char* kProgIdCalcDescrVar = "QELTA_DESCRVARIANTI.CLSFW_CALCDESCRVAR";

// Modes of SelezionaRighe.
enum ModoSelezione : int { kSelezionaNessuna = 0, kSelezionaTutte = 1, kInvertiSelezione = 2 };

// A picked row Memorizza left out, and why.
struct RigaScartata {
    std::string articolo;
    std::string variante;
    std::string motivo;
};

// Genera refuses a selection with more variant articles than it composes at
// once: every combination of the options of the item's variants is a row.
struct TroppeCombinazioni : std::runtime_error {
    explicit TroppeCombinazioni(long long limit)
        : std::runtime_error("Troppe combinazioni di opzioni"), massimo(limit) {}
    long long massimo;
};

class CalcDescrVar : public framework::ComponentBase {
public:
    // ---- one variant article at a time
    virtual void CalcolaDescrizioneOpzione() = 0;
    virtual void UpdateDescrizioneOpzione() = 0;
    virtual void DuplicaScorteUbicazioniOpzione() = 0;
    virtual int Stato() const = 0;
    virtual std::string DescrizioneArticoloOpzione() const = 0;

    // ---- every variant article of a selection
    virtual void Attach(framework::Cinterface* component, db::Connection* connection,
                        const std::string& connectionString, const std::string& company) = 0;
    // Language code, up to four characters; "" is the base language.
    virtual void SetLingua(const std::string& language) = 0;
    // A condition on MG6B_GESVARART ("MG6B_CODART_MG66 = 'MAGLIA-001'").
    virtual void SetSelezione(const std::string& condition) = 0;
    virtual void Genera() = 0;
    // SELEZ, ARTICOLO, VARIANTE, DESCRIZIONE_ATTUALE, OPZIONE_A0..OPZIONE_A14,
    // DESCRIZIONE_ESTESA_ATTUALE, DESCART, DESCARTEST, FLGVARVALIDA; owned by
    // the calculator, nullptr before Genera.
    virtual db::Recordset* Risultato() = 0;
    virtual void SetProgresso(controls::ProgressPanel* progress) = 0;
    virtual void SetControlloValidita(bool check) = 0;
    virtual void Componi() = 0;
    virtual void SelezionaRighe(int mode) = 0;
    virtual void SetTutteLingue(bool all) = 0;
    virtual void SetSovrascrivi(bool overwrite) = 0;
    virtual void Memorizza() = 0;
    virtual std::vector<RigaScartata> Scarti() const = 0;
    // Picked rows the last Memorizza stored.
    virtual long StoredCount() const = 0;
    virtual bool RigenerazioneNecessaria() const = 0;
    virtual void Detach() = 0;
};

}  // namespace descriptions
