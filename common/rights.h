#pragma once
// The rights the host grants for a launch (CanUpdate, CanInsert, CanDelete,
// CanQbe), honoured by every tab through one check. Every write needs
// CanUpdate; one that adds rows also needs CanInsert, one that removes rows
// also CanDelete. A command asks checkRight before it writes and tells
// the user why it refuses; the window's connection checks every statement
// as well (guardConnection), so a write path that forgot to ask is
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

enum class WriteKind {
    Change,  // rows change: CanUpdate
    Add,     // rows are added: CanUpdate and CanInsert
    Remove,  // rows are removed: CanUpdate and CanDelete
};

struct Rights {
    bool update = true;
    bool insert = true;
    bool remove = true;
    bool search = true;  // CanQbe: the item search and the options search
};

// The rights of the host's launch; every right without a host.
Rights rightsOf(const framework::Cinterface* pclsInterface);
bool allowed(const Rights& rights, WriteKind kind);
// The catalogue message that refuses a kind of write, and its Italian text.
long refusalNumber(WriteKind kind);
std::string refusalText(WriteKind kind);

// Whether the card may write that kind; when not, the user is told why
// (a numbered message) and the answer is false.
bool checkRight(ItemCard& card, WriteKind kind);
bool checkRight(WindowServices& services, WriteKind kind);
// Whether the card may search (CanQbe); told as above.
bool checkSearch(ItemCard& card);

// A writing statement the rights do not allow. The procedure that ran it
// shows its numbered message and is left as abort leaves it (rolling back
// the command's transaction).
class RightDenied : public std::runtime_error {
public:
    RightDenied(WriteKind kind, std::string text)
        : std::runtime_error(std::move(text)), kind_(kind) {}
    WriteKind kind() const { return kind_; }
    long number() const { return refusalNumber(kind_); }

private:
    WriteKind kind_;
};

// The kind of write a command declares while it lives: statements run
// meanwhile are checked against it instead of their own verb (the
// activation's whole rewrite deletes and inserts rows and needs CanUpdate
// only, as does a move in a grouping). Declarations nest; the innermost wins.
class DeclaredWrite {
public:
    explicit DeclaredWrite(WriteKind kind);
    ~DeclaredWrite();
    DeclaredWrite(const DeclaredWrite&) = delete;
    DeclaredWrite& operator=(const DeclaredWrite&) = delete;

private:
    int previous_;
};

// What a batch writes to tables of the database (work tables, named with
// "#", and table variables do not count): rows added (INSERT), removed
// (DELETE, TRUNCATE) or changed (UPDATE, MERGE).
struct BatchWrites {
    bool add = false;
    bool remove = false;
    bool change = false;
    bool any() const { return add || remove || change; }
};
BatchWrites writesOfBatch(std::string_view sql);

// Checks every batch of the connection against the rights answered by
// `rights` (read at each batch: the host may change them); a refused batch
// throws RightDenied and does not run.
void guardConnection(db::Connection& connection, std::function<Rights()> rights);

}  // namespace common
