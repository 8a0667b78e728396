#pragma once
// "Dove è usata…": where one option (or grouping) of a variant is used, one
// line per table that can hold it, with the count of its rows. Each line
// opens the list of the items concerned; the grid copies and exports like
// any grid. From the same window the option is retired (a state for all
// items, outside any grouping) and the code is renamed everywhere in one
// transaction; the lines shown are the rows the rename will change.
//
// The options tab offers it on both lists and after refusing to delete
// options in use; the groupings window offers it on its grid.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/forward.h"
#include "groupings/where_used_sql.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace groupings {

enum class CodeKind { Option, Grouping };

// MG5F_START, MG5F_SIZE and MG5F_DESCR_VAR of the variant into u; no trap.
void ReadSlot(db::Connection& cn, UsedCode& u);
// The variant as the messages name it: its caption, else its code.
std::string VariantName(const UsedCode& u);

// The refusals of a new code (blank, apostrophe, a character the database
// cannot hold, more characters than the slot, not digits for a variant of
// digits, already there), each a numbered message; true when it is
// accepted. No trap.
bool ValidateNewCode(common::WindowServices& ws, db::Connection& cn, CodeKind kind,
                     const UsedCode& u, const std::string& nuovo);
// The rename, validated first (every refusal a numbered message). One
// transaction: under the error report, abort, and ignore of any statement,
// leave every table as it was; a reference the card does not know refused
// by the database (SQLSTATE 23000) rolls it back with a message. Answers
// whether the code was renamed.
bool RenameCode(common::WindowServices& ws, db::Connection& cn, CodeKind kind, const UsedCode& u,
                const std::string& nuovo);
// Gives the option the state for all items (0: takes it away). false when
// the error report ended it.
bool RetireOption(common::WindowServices& ws, db::Connection& cn, const UsedCode& u,
                  const std::string& idStato);

class WhereUsedDialog : public QDialog {
    Q_OBJECT
public:
    // What runs after a rename or a retirement changed the database: the
    // code before and after (the same code for a retirement).
    using AfterChange = std::function<void(const std::string& vecchio, const std::string& nuovo)>;
    WhereUsedDialog(db::Connection& cn, common::WindowServices& ws, CodeKind kind, UsedCode u,
                    AfterChange after, QWidget* parent);
    ~WhereUsedDialog() override;

    const UsedCode& codice() const { return u_; }
    db::Recordset* recordset() const { return rs_.get(); }
    // Rereads the counts.
    void Reload();
    // The list of the items of a line (0-based), as a window of its own;
    // none for a line without rows, where the command is off.
    QDialog* OpenItemList(long riga);
    // Retires the option with the state chosen, or takes its retirement away
    // with the empty entry; the empty entry on an option not retired is
    // refused with a message.
    void CMD_RITIRA_Click();
    void CMD_RINOMINA_Click();

    QPointer<controls::DataGrid> GRD_DOVEUSATA;
    QPointer<QPushButton> CMD_ELENCO;
    QPointer<QComboBox> CBO_STATORITIRO;  // options only
    QPointer<QPushButton> CMD_RITIRA;     // options only
    QPointer<QLabel> LBL_RITIRO;          // options only
    QPointer<QLineEdit> TXT_NUOVOCODICE;
    QPointer<QPushButton> CMD_RINOMINA;

private:
    void loadStates();
    std::string title() const;
    // The usage behind a line (0-based), or none; and whether it has rows.
    const CodeUse* lineUse(long riga) const;
    bool lineHasRows(long riga) const;
    void updateListCommand();

    db::Connection& cn_;
    common::WindowServices& ws_;
    CodeKind kind_;
    UsedCode u_;
    AfterChange after_;
    std::vector<CodeUse> usi_;
    bool ritirata_ = false;
    std::unique_ptr<db::Recordset> rs_;
};

// Shows a window of its own in front, active, so that its keys (Esc) reach
// it even where no window manager activates a new window.
void ShowInFront(QDialog* dialog);

// Opens the window over the option, or over the grouping, of the options
// tab's card; a rename or retirement reloads the lists and empties every
// tab's loaded-item text.
WhereUsedDialog* OpenOptionWhereUsed(common::ItemCard& card, const std::string& variante,
                                     const std::string& opzione);
WhereUsedDialog* OpenGroupingWhereUsed(db::Connection& cn, common::WindowServices& ws,
                                       const std::string& ditta, const std::string& variante,
                                       const std::string& raggruppamento,
                                       WhereUsedDialog::AfterChange after, QWidget* parent);

// After a rename or a retirement: every tab's loaded-item text emptied, and
// the options tab's lists reloaded at once (a renamed grouping in its box).
void AfterWhereUsedChange(common::ItemCard& card, const std::string& vecchio,
                          const std::string& nuovo, bool raggruppamento);
// "Dove è usata…" on the context menus of the two option lists.
void ConnectWhereUsed(common::ItemCard& card);
// After the refusal to delete options in use: offers where-used of each
// ticked option.
void OfferWhereUsed(common::ItemCard& card, const std::vector<std::string>& opzioni,
                    const std::string& title);

}  // namespace groupings
