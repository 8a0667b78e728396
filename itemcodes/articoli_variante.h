#pragma once
// The variant articles of an item, as the variant-article box of the item
// code tabs lists and decodes them. A variant article is a composed option
// code (one slot per variant of the company): it belongs to the item when
// every slot of a variant the item manages holds one of that variant's
// options (of the item's grouping, when it uses one) or is blank, an
// obligatory variant's slot is never blank, the struttura of other variants are
// blank, and at least one slot is filled.

#include <string>
#include <vector>

#include "platform/db/forward.h"

namespace itemcodes {

// One variant of the company as the item uses it.
struct SlotArticolo {
    std::string variante;        // MG5F_CODICEVAR
    int start = 1;               // MG5F_START
    int size = 0;                // MG5F_SIZE
    bool gestita = false;        // MG6B_FLGGESTVAR = 1 for the item
    bool obbligatoria = false;   // MG6B_INDOBBLIG = 1
    std::string raggruppamento;  // MG6B_CODRAGGVAR_MG5G; "" when none
};

// The company's variants in slot order with the item's settings; throws
// db::DbError when the read fails.
std::vector<SlotArticolo> StrutturaArticolo(db::Connection& connection, const std::string& ditta,
                                            const std::string& codArt);

// Width of a composed code: the sum of the struttura.
int CodeWidth(const std::vector<SlotArticolo>& struttura);

// Every full variant article of the item (one option in each managed slot),
// with VARIANTE (padded to the full width) and DESCRIZIONE (the options'
// descriptions); no rows when the item manages no variant.
std::string SqlVariantArticles(const std::vector<SlotArticolo>& struttura,
                               const std::string& ditta);

// One row (VARIANTE, DESCRIZIONE) when the code is a variant article of the
// item, none otherwise. The code's trailing blanks do not count.
std::string SqlDecodeVariantArticle(const std::vector<SlotArticolo>& struttura,
                                    const std::string& ditta, const std::string& codArt,
                                    const std::string& codice);

}  // namespace itemcodes
