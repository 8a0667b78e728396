#pragma once
// Options of a variant taken from a pasted block or a CSV/XLSX file: code
// and description (a sort or letter column, as the options grid exports
// them, is read and left aside). A preview marks each row new, changed,
// unchanged or refused (blank code, apostrophe, code longer than the
// variant's slot or not numeric for a numeric variant, repeated code in any
// case, a character the database cannot hold, description too long, a right
// the host does not grant); Conferma writes the accepted rows in one
// transaction and the lists reload. Captions are read in Italian or in the
// user's language; rows copied from the options grid are read as it lays
// them out (tick, code, description...).

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "common/forward.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"
#include "platform/exchange/csv.h"

class QLabel;
class QPushButton;

namespace groupings {

enum class ImportOutcome { New, Changed, Unchanged, Refused };

struct ImportedOption {
    std::string codice;
    std::string descrizione;
    ImportOutcome esito = ImportOutcome::Refused;
    std::string motivo;  // why it is refused
};

// The rows of the block judged against the variant's options and slot.
std::vector<ImportedOption> AnalyseOptions(common::ItemCard& card, const std::string& variante,
                                           const exchange::TextRows& righe);
// Inserts the new and updates the changed rows in one transaction; answers
// whether it was committed (errors go to the report as "ImportaOpzioni").
bool WriteOptions(common::ItemCard& card, const std::string& variante,
                  const std::vector<ImportedOption>& opzioni);

// The preview: a grid of the rows with their outcome, Conferma and Annulla.
class FRM_IMPORTAOPZIONI : public QDialog {
    Q_OBJECT
public:
    FRM_IMPORTAOPZIONI(const std::vector<ImportedOption>& opzioni, common::WindowServices& ws,
                       QWidget* parent);
    ~FRM_IMPORTAOPZIONI() override;
    QPointer<controls::DataGrid> GRD_ANTEPRIMA;
    QPointer<QLabel> LBL_RIEPILOGO;
    QPointer<QPushButton> CMD_CONFERMA;
    QPointer<QPushButton> CMD_ANNULLA;

private:
    std::unique_ptr<db::Recordset> righe_;
};

// The whole command on the current variant of the options tab: analysis,
// preview, writing, reload of the lists and of the state tabs.
void ImportOptions(common::ItemCard& card, const exchange::TextRows& righe);
// Makes the options grid take pasted blocks and files of options.
void EnableOptionImport(common::ItemCard& card, controls::DataGrid* grid);

}  // namespace groupings
