#pragma once
// The error trap of the window's procedures. A procedure is a sequence of
// statements, each run as a step under GestisciErrore with the procedure's
// name; the user's answer decides what happens next:
//   retry (4)            the same step runs again;
//   ignore (5), cancel (2) the procedure goes on with the next step;
//   abort (3)            the procedure's abort handler runs (rollback, release
//                        of what it built) and the procedure is left;
//   anything else        the procedure is left.
// Once left, later steps do not run.
//
//   common::Procedure p(card, "CaricaRaggruppamento");
//   p.onAbort([&] { card.connection().rollbackTransaction(); });
//   p.step([&] { card.connection().beginTransaction(); });
//   for (auto& row : rows) p.step([&] { insert(row); });
//   p.step([&] { card.connection().commitTransaction(); });

#include <functional>
#include <string>

namespace db {
class Connection;
}

namespace common {

class ItemCard;
class WindowServices;

class Procedure {
public:
    Procedure(WindowServices& services, std::string name);
    Procedure(ItemCard& card, std::string name);

    // Runs one statement under the trap. Answers whether the procedure is
    // still running afterwards (false: it was left, now or before).
    bool step(const std::function<void()>& statement);

    // What abort runs before the procedure is left.
    void onAbort(std::function<void()> handler) { onAbort_ = std::move(handler); }
    // Leaves the procedure without an error (Exit Sub): later steps are skipped.
    void leave() { left_ = true; }

    bool running() const { return !left_; }
    bool aborted() const { return aborted_; }
    bool failed() const { return errors_ > 0; }  // some step reported an error
    // Some step failed and was passed over (ignore, cancel): what the
    // procedure wrote may be incomplete.
    bool skipped() const { return skipped_ > 0; }
    int lastAnswer() const { return lastAnswer_; }
    const std::string& name() const { return name_; }

private:
    WindowServices& services_;
    std::string name_;
    std::function<void()> onAbort_;
    bool left_ = false;
    bool aborted_ = false;
    int errors_ = 0;
    int skipped_ = 0;
    int lastAnswer_ = 0;
};

// Rolls back cn's open transaction, if there is one, and swallows what the
// rollback raises: it is the clean-up of a command that has already failed,
// and a second report would only hide the first.
void rollbackQuietly(db::Connection& cn);

// Runs one part of a release (a tab's, a pane's): what it raises is dropped,
// so that every other part is still released when the window closes.
void releaseQuietly(const std::function<void()>& part) noexcept;

// Starts a command's transaction on cn as a step of p; abort rolls it back.
void beginWhole(Procedure& p, db::Connection& cn);

// Ends a command's transaction on cn as one piece: it commits only when every
// step ran (a step passed over by ignore would leave part of the command),
// otherwise, or when the commit fails, it runs undo (the rollback). Answers
// whether the command was committed.
bool commitWhole(Procedure& p, db::Connection& cn, const std::function<void()>& undo);
// The same, with the quiet rollback as undo.
bool commitWhole(Procedure& p, db::Connection& cn);

}  // namespace common
