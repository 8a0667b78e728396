#pragma once
// The rights the host grants for a launch (CanUpdate, CanInsert, CanDelete,
// CanQbe), honoured by every tab through one check. Every write needs
// CanUpdate; one that adds rows also needs CanInsert, one that removes rows
// also CanDelete. A command asks VerificaDiritto before it writes and tells
// the user why it refuses; the window's connection checks every statement
// as well (ProteggiConnessione), so a write path that forgot to ask is
// refused before it reaches the database.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace db {
class Connection;
}
namespace framework {
class Cinterface;
}

namespace common {

class ItemCard;
class WindowServices;

enum class Scrittura {
    Modifica,   // rows change: CanUpdate
    Aggiunta,   // rows are added: CanUpdate and CanInsert
    Rimozione,  // rows are removed: CanUpdate and CanDelete
};

struct Diritti {
    bool modifica = true;
    bool inserimento = true;
    bool cancellazione = true;
    bool ricerca = true;  // CanQbe: the item search and the options search
};

// The rights of the host's launch; every right without a host.
Diritti dirittiDi(const framework::Cinterface* pclsInterface);
bool consentita(const Diritti& diritti, Scrittura kind);
// The catalogue message that refuses a kind of write, and its Italian text.
long numeroRifiuto(Scrittura kind);
std::string testoRifiuto(Scrittura kind);

// Whether the card may write that kind; when not, the user is told why
// (a numbered message) and the answer is false.
bool VerificaDiritto(ItemCard& card, Scrittura kind);
bool VerificaDiritto(WindowServices& services, Scrittura kind);
// Whether the card may search (CanQbe); told as above.
bool VerificaRicerca(ItemCard& card);

// A writing statement the rights do not allow. The procedure that ran it
// shows its numbered message and is left as abort leaves it (rolling back
// the command's transaction).
class DirittoNegato : public std::runtime_error {
public:
    DirittoNegato(Scrittura kind, std::string text)
        : std::runtime_error(std::move(text)), kind_(kind) {}
    Scrittura kind() const { return kind_; }
    long number() const { return numeroRifiuto(kind_); }

private:
    Scrittura kind_;
};

// The kind of write a command declares while it lives: statements run
// meanwhile are checked against it instead of their own verb (the
// activation's whole rewrite deletes and inserts rows and needs CanUpdate
// only, as does a move in a grouping). Declarations nest; the innermost wins.
class ScritturaDichiarata {
public:
    explicit ScritturaDichiarata(Scrittura kind);
    ~ScritturaDichiarata();
    ScritturaDichiarata(const ScritturaDichiarata&) = delete;
    ScritturaDichiarata& operator=(const ScritturaDichiarata&) = delete;

private:
    int previous_;
};

// What a batch writes to tables of the database (work tables, named with
// "#", and table variables do not count): rows added (INSERT), removed
// (DELETE, TRUNCATE) or changed (UPDATE, MERGE).
struct ScrittureBatch {
    bool aggiunta = false;
    bool rimozione = false;
    bool modifica = false;
    bool any() const { return aggiunta || rimozione || modifica; }
};
ScrittureBatch scrittureDelBatch(std::string_view sql);

// Checks every batch of the connection against the rights answered by
// `diritti` (read at each batch: the host may change them); a refused batch
// throws DirittoNegato and does not run.
void ProteggiConnessione(db::Connection& connection, std::function<Diritti()> diritti);

}  // namespace common
