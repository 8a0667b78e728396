#pragma once
// The rows the progressives statements return, read into what the pivot
// takes: the variant article without the column variant, its option, the
// warehouse block and the progressives that are not 0.

#include <deque>
#include <string>
#include <vector>

#include "platform/db/backend.h"
#include "progressives/dizionario_progressivi.h"
#include "progressives/pivot_progressivi.h"

namespace progressives {

// The last result set of a batch that has columns (an empty one when none).
const db::ResultSet& UltimoRisultato(const db::BatchResult& batch);
// The position of a column by name (any case); throws std::out_of_range
// naming the field when there is none.
int ColumnIndex(const std::vector<db::Column>& columns, const std::string& name);
int ColumnIndex(const db::ResultSet& rs, const std::string& name);

class LettoreProgressivi {
public:
    // The columns of the dictionary and of the statement, in the warehouse
    // progressives (MG70) or the subcontracting ones (MG7E).
    LettoreProgressivi(const std::vector<db::Column>& columns,
                       const DizionarioProgressivi& dizionario, bool contoLavoro);

    // A warehouse row: Deposito is the warehouse, DepositoDescr the warehouse
    // and its description. Throws when a quantity is not a number.
    RigaDati magazzino(const db::RowView& row) const;
    // The same into `riga`, whose texts and quantities keep their room from
    // one row to the next.
    void magazzino(const db::RowView& row, RigaDati& riga) const;
    // A subcontracting row of one warehouse: every subcontractor is a block
    // of its own, named after warehouse, kind and subcontractor.
    RigaDati contoLavoro(const db::RowView& row, int tipo, const std::string& deposito) const;

private:
    void quantita(const db::RowView& row, RigaDati& riga) const;
    std::vector<int> quantita_;  // by dictionary position
    int variante_ = -1;
    int opzione_ = -1;
    int deposito_ = -1;
    int descrDeposito_ = -1;
    int clifor_ = -1;
    int ragioneSociale_ = -1;
    // Rows come by warehouse: its description is made once per warehouse.
    mutable std::string ultimoDeposito_;
    mutable std::string ultimaDescrizione_;
    // A row's quantities gathered here first: each row then gets them with
    // one allocation of the right size.
    mutable std::vector<std::pair<int, db::Decimal>> raccolte_;
};

// The rows of a read, kept until the pivot takes them one by one: each
// warehouse's names once and every row's quantities in one buffer, so that
// keeping 100,000 rows allocates next to nothing per row. A row the reader
// refused is kept as it came.
class RigheLette {
public:
    void clear();
    void aggiungi(const RigaDati& riga);
    void aggiungiGrezza(std::vector<db::Value> valori);
    std::size_t size() const { return righe_.size(); }
    // The values of a refused row; empty for a row the reader made.
    const std::vector<db::Value>& grezza(std::size_t i) const { return righe_[i].grezza; }
    // Row i as the reader made it, into `riga` (which keeps its room).
    void leggi(std::size_t i, RigaDati& riga) const;

private:
    struct Riga {
        std::string variante;
        std::string opzione;
        std::size_t deposito = 0;  // in depositi_
        std::size_t prima = 0;     // first quantity in quantita_
        std::size_t quante = 0;
        std::vector<db::Value> grezza;
    };
    std::deque<Riga> righe_;                                     // never moved as it grows
    std::vector<std::pair<std::string, std::string>> depositi_;  // code, description
    std::vector<std::pair<int, db::Decimal>> quantita_;
};

}  // namespace progressives
