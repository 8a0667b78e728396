#pragma once
// What the three state tabs share: the state choice list every state
// drop-down offers, the decoding of state and season codes, the scope
// selectors and their item condition, and the grouping the item uses for a
// variant. Small utilities without an error trap unless stated: their
// errors reach the calling procedure's report.

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "common/forward.h"
#include "common/progress_indicator.h"
#include "platform/db/value.h"

class QComboBox;

namespace states {

// Values of the scope selectors CBO_TIPOCONF5 and CBO_TIPOCONF6.
enum Ambito : int { kSingola = 0, kGenerale = 1 };
// Fills a scope selector with its two entries (stored value as item data)
// and selects "Singola".
void LoadScopeCombo(QComboBox* combo);
// Fills a variant selector with the item's variants (CaricaComboVarianti)
// and selects the first, without its click: the loader calls it next.
void LoadVariantCombo(common::ItemCard& card, QComboBox* combo);
// The stored value of a combo's current entry; -1 when none.
int valoreCombo(const QComboBox* combo);

// {CondArt}: for one item an equals sign and the item code between single
// quotes, for all items "IS NULL".
std::string CondArt(int ambito, const std::string& codArt);

// The state choice list statement (Codice, Descrizione), the empty state
// first, with the words of the entries translated.
std::string GetSqlElencoStati(common::ItemCard& card);
// The choice list as drop-down entries (stored Codice, shown Descrizione).
// Errors are ignored: the list is then empty.
std::vector<std::pair<db::Value, QString>> ElencoStati(common::ItemCard& card);
// A typed text: the Codice of the one entry whose Descrizione is the text;
// Empty when none or more than one match. Errors are ignored.
db::Value CodeFromText(common::ItemCard& card, const QString& testo);

// A state decoded by its code.
struct Stato {
    db::Value id = 0;  // MG5V_IDSTATOVAR, 0 when not found
    int attivo = -1;   // MG5V_ATTIVO (NULL as 0); -1 when not found
    std::string descrizione;
};
// DecodificaStato: errors are ignored (not found).
Stato DecodificaStato(common::ItemCard& card, const std::string& codice);
// GetCodiceStato: the code of a state identifier, "" when none. Errors are ignored.
std::string GetCodiceStato(common::ItemCard& card, const db::Value& id);
// GetIdStagione: the season of a code in the company, 0 when blank or not
// found. Errors are ignored.
db::Value GetIdStagione(common::ItemCard& card, const std::string& codice);
// The year a season starts in, "" when unknown. Errors are ignored.
std::string SeasonYear(common::ItemCard& card, const db::Value& idStagione);

// A state number as it goes into SQL: NULL, Empty and blank as 0.
db::Value StateNumber(const db::Value& value);
bool statoVuoto(const db::Value& value);

// A state whose validity ended before today is given only when the user
// confirms it; answers whether to go on. No question for state 0, for states
// still valid or without an end date.
bool ConfirmValidity(common::ItemCard& card, const db::Value& id);

// The progress indicator of the card (common/progress_indicator.h).
using common::HideProgress;
using common::ShowProgress;

// MG6B_CODRAGGVAR_MG5G of the current item for the variant, right-trimmed,
// when exactly one row comes back; "" otherwise.
std::string ItemGrouping(common::ItemCard& card, const std::string& variante);
// The item shown is managed by variants (MG66_FLGVARART not 0).
bool ItemHasVariants(common::ItemCard& card);
// The variant chosen in a selector, then the grouping the item uses for it
// ("" for no variant), as two steps of p.
void ReadChosenVariant(common::Procedure& p, common::ItemCard& card, const QComboBox* combo,
                       std::string& variante, std::string& raggr);
// The first steps of the season and variant tabs' loaders: the progress
// shown (hidden again when the loader is left on an error), the previous
// item's variant and grouping forgotten, the tab emptied and its variant
// selector filled.
void BeginStateLoad(common::Procedure& p, common::CardTab& tab, QComboBox* combo,
                    std::string& variante, std::string& raggr);
// Why a tab over one variant shows nothing: the item is not managed by
// variants, or its variant selector is empty; "" otherwise.
QString NoVariantWarning(common::ItemCard& card, const QComboBox* varianti);

}  // namespace states
