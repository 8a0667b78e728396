#pragma once
// How the description calculator composes the descriptions of variant
// articles: the item's description in the language (the base one when the
// item has none in it) followed by the descriptions of the article's
// options in variant order; the extended description is the item's
// extended one followed by "variant: option" for each variant.

#include <map>
#include <string>
#include <vector>

#include "platform/db/forward.h"

namespace descriptions {

inline constexpr int kLunghezzaDescrizione = 80;  // MG87_DESCART
inline constexpr int kLunghezzaEstesa = 3500;     // MG87_DESCARTEST
// Variant articles Genera composes at once, at the most.
inline constexpr long long kMassimoCombinazioni = 250000;
inline constexpr int kOpzioniRisultato = 15;  // OPZIONE_A0..OPZIONE_A14

// Characters of a UTF-8 text (not bytes).
int lunghezza(const std::string& text);
// The text cut to at most that many characters.
std::string tronca(const std::string& text, int characters);

// A variant the item manages, with the options it takes in that item.
struct VarianteArticolo {
    std::string codice;       // "A0"
    std::string descrizione;  // MG5F_DESCR_VAR
    int indice = 0;           // 0..19
    int start = 1;
    int size = 0;
    std::vector<std::string> opzioni;                // in list order
    std::map<std::string, std::string> descrizioni;  // option -> description
};

class Composer {
public:
    Composer(db::Connection& connection, std::string company);

    // The company's full width of a composed code.
    int larghezza() const { return width_; }
    // The variants the item manages, in code order (read once per item).
    const std::vector<VarianteArticolo>& varianti(const std::string& item);
    // The item's description and extended description in a language ("" =
    // base); the base ones when it has none in that language, or when
    // baseOnly is set.
    std::pair<std::string, std::string> testoArticolo(const std::string& item,
                                                      const std::string& language,
                                                      bool baseOnly = false);
    // The options of a composed code, one per managed variant ("" for an
    // empty slot), in the order of varianti(item).
    std::vector<std::string> opzioniDi(const std::string& item, const std::string& code);
    // The first option the item's variants do not have, "" when none.
    std::string opzioneMancante(const std::string& item, const std::vector<std::string>& options);
    // The two descriptions of a variant article.
    std::pair<std::string, std::string> componi(const std::string& item,
                                                const std::vector<std::string>& options,
                                                const std::string& language, bool baseOnly = false);

private:
    db::Connection& cn_;
    std::string company_;
    int width_ = 0;
    struct Slot {
        std::string codice, descrizione;
        int start = 1, size = 0;
    };
    std::vector<Slot> dims_;
    std::map<std::string, std::vector<VarianteArticolo>> items_;
    std::map<std::string, std::pair<std::string, std::string>> texts_;  // item + "\x01" + lang
};

}  // namespace descriptions
