#pragma once
// The cross table of the progressives tab, built in memory. Each row is one
// warehouse, one variant article with the column variant's slot blanked and
// one progressive; each option of the column variant has a column, and
// "Tot." adds them up. Every warehouse and progressive also gets a total
// row ("Totale") adding up its variant articles. Sums are exact decimals.
//
//   PivotProgressivi pivot(captions, contatore);
//   pivot.aggiungiOpzione("S");                  // the columns known at first
//   pivot.aggiungi(riga, descrizione);           // one per data row
//   auto rs = pivot.crea();                      // the recordset the grid shows

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/db/decimal.h"

namespace db {
class Recordset;
}

namespace progressives {

// What one data row brings to the table.
struct RigaDati {
    std::string variante;       // the code with the column slot blanked, right-trimmed
    std::string opzione;        // the column variant's option, right-trimmed; "" when blank
    std::string deposito;       // warehouse (and subcontractor) of the block
    std::string depositoDescr;  // what the block is called on screen
    // The progressives that are not 0: position in the dictionary, quantity.
    std::vector<std::pair<int, db::Decimal>> quantita;
};

// Text the total rows carry in Variante and VarianteDescr.
inline constexpr const char* kTotale = "Totale";

class PivotProgressivi {
public:
    // captions: the translated caption of every progressive, by position;
    // nomi: its column name (NomeProgressivo). contatore: the window's row
    // counter, which only grows.
    PivotProgressivi(std::vector<std::string> nomi, std::vector<std::string> captions,
                     long& contatore);
    ~PivotProgressivi();

    // A column for the option, unless it has one; options met later are
    // placed in ascending order among the others.
    void aggiungiOpzione(const std::string& opzione);
    // Adds the row's quantities to its own row and to the warehouse total,
    // creating either when missing. descrizione gives a variant article's
    // description; when it throws nothing has changed.
    void aggiungi(const RigaDati& riga,
                  const std::function<std::string(const std::string&)>& descrizione);

    // "BK_" + the option; "BK_-" for a blank option.
    static std::string nomeColonna(const std::string& opzione);
    // The options with a column, in column order.
    std::vector<std::string> opzioni() const;
    long righe() const;

    // The recordset with the fields Chiave, Variante, VarianteDescr,
    // Deposito, DepositoDescr, IdProgressivo, NomeProgressivo,
    // CaptionProgressivo, one BK_ column per option and Tot., holding the
    // rows in the order they were made.
    std::unique_ptr<db::Recordset> crea() const;

private:
    struct Blocco;
    struct Riga;
    int colonna(const std::string& opzione);
    int blocco(std::unordered_map<std::string, int>& indice, const std::string& chiave,
               const RigaDati& riga, const std::string& variante, const std::string& descr);
    int riga(int blocco, int idProgressivo, long chiave);

    std::vector<std::string> nomi_;
    std::vector<std::string> captions_;
    long& contatore_;
    std::vector<std::string> opzioni_;              // in column order
    std::vector<int> ordine_;                       // column of each option, by position
    std::unordered_map<std::string, int> colonne_;  // upper-case option -> slot in opzioni_
    std::vector<Blocco> blocchi_;
    std::unordered_map<std::string, int> varianti_;  // variant + warehouse -> block
    std::unordered_map<std::string, int> totali_;    // warehouse -> block
    std::vector<Riga> righe_;
    // Rows come by warehouse and option: the last option's column and the
    // last warehouse's total block serve the next row without a lookup.
    std::string ultimaOpzione_;
    int ultimoSlot_ = -1;
    std::string ultimoDeposito_;
    int ultimoTotale_ = -1;
};

}  // namespace progressives
