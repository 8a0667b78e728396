#pragma once
// Record frame: drives one client-side recordset as a record being shown,
// edited or entered. Bound controls follow the current row and write their
// edits back to it; the frame saves through the recordset's batch update.
// Events are Qt signals meant for direct connections: a handler cancels by
// setting the bool passed by reference.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

namespace db {
class Connection;
class Recordset;
class Value;
}  // namespace db

class QWidget;

namespace controls {

class DataGrid;
class GridNavigator;

// Answer to the save question asked when pending edits would be lost.
enum class SaveAnswer { Save, Discard, Cancel };

// How a control is tied to its field.
struct BindOptions {
    QString caption;         // named in messages; the field name when empty
    bool required = false;   // an empty value refuses the save
    bool upperCase = false;  // text is stored upper case
};

class RecordFrame : public QObject {
    Q_OBJECT
public:
    // 0: a stored record is shown; 1: it is being changed; 2: a new record
    // is being entered.
    enum StatusCode : short { Browse = 0, Changed = 1, Entering = 2 };

    explicit RecordFrame(QObject* parent = nullptr);
    ~RecordFrame() override;

    // Binds the frame. listStatement, when given, is the navigation list
    // (first/previous/next/last and look-up by key run on it); otherwise the
    // frame navigates the recordset's own rows.
    void Bind(db::Connection* connection, db::Recordset* recordset, std::string keyField,
              std::string listStatement = {});
    void SetListStatement(std::string listStatement);
    const std::string& ListStatement() const;
    const std::string& KeyField() const;
    db::Connection* Connection() const;
    // Releases every binding (controls, grid, navigator, recordset).
    void Release();

    db::Recordset* Recordset() const;
    short Status() const;
    // Forces a status: 2 adds an empty row (a key is to be typed), 0 shows
    // the current stored row, 1 marks the current row changed.
    void SetStatus(short status);
    QString Name() const;
    void SetName(const QString& name);

    // Controls: QLineEdit, QPlainTextEdit (texts of several lines), LookupBox,
    // QCheckBox (0/1), QComboBox (item data when set, otherwise the index),
    // QLabel (display only). The bind order is the tab order.
    void BindControl(QWidget* control, std::string field, BindOptions options = {});
    void UnbindControls();
    // Reloads the bound controls from the current row.
    void RefreshControls();
    // The grid that lists the recordset's rows. Moving to another of its
    // rows leaves the current record: pending edits are concluded first as
    // SaveIfNeeded(true, false, true) does (save, discard, or cancel, which
    // keeps the grid on the edited row).
    void SetGrid(DataGrid* grid);
    DataGrid* Grid() const;
    // For a frame whose save writes every row of the recordset at once,
    // rows edited one after another are one record: moving between them asks
    // nothing (default: true, each row is a record).
    void SetConcludeOnRowChange(bool conclude);
    bool ConcludeOnRowChange() const;
    void SetNavigator(GridNavigator* navigator);

    // Options.
    void SetAllowInsert(bool allow);
    bool AllowInsert() const;
    void SetAllowDelete(bool allow);
    bool AllowDelete() const;
    // Names the record in messages ("l'articolo di Magazzino").
    void SetRecordDescription(const QString& text);
    QString RecordDescription() const;

    // Question asked by SaveIfNeeded; the default shows a message box.
    using AskSave = std::function<SaveAnswer(const QString& question, bool allowCancel)>;
    void SetAskSave(AskSave ask);
    // Messages (not found, refused saves); the default shows a message box.
    using Notify = std::function<void(const QString& message)>;
    void SetNotify(Notify notify);

    // ---- commands; each answers whether it succeeded
    // Saves the current record (validation, BeforeUpdate, batch update of the
    // current row, AfterUpdate).
    bool Update();
    // Concludes pending edits: with ask the user chooses Save, Discard or
    // Cancel; without ask the edits are saved, or dropped when
    // discardWithoutAsking. allowCancel offers Cancel. Answers true when
    // nothing is left pending.
    bool SaveIfNeeded(bool ask = true, bool discardWithoutAsking = false, bool allowCancel = true);
    bool AddNew();
    bool Delete();
    void Undo();
    // Marks the current row as being changed (status 1), as an edit would.
    void Change(int reserved1 = 0, int reserved2 = 0, int reserved3 = 0);
    // Looks up the record whose key is in the current row's key field:
    // positions on it (status 0) or, when notFoundMessage, reports that it
    // does not exist. keepEntry keeps the typed row when nothing is found.
    bool LookupRecord(bool notFoundMessage = true, bool keepEntry = true);
    bool MoveFirst();
    bool MovePrevious();
    bool MoveNext();
    bool MoveLast();
    // Runs the recordset's query again (raises Requery).
    void Requery();
    // Drops pending edits and returns to status 0 without a current record.
    void Reset();

signals:
    void changeStatus(int status);
    void afterAddNew(bool success);
    void beforeUpdate(bool& cancel);
    void afterUpdate(bool success);
    void afterUndo();
    void beforeDelete(bool& cancel);
    void afterDelete(bool success);
    // A handler names the invalid control, or cancels outright.
    void validateRecord(QWidget*& invalidControl, bool& cancel);
    void requery();
    // The navigation (a move, or a key entered to look another record up) is
    // about to leave the record shown, its own edits concluded: a handler
    // that settles what hangs on it may cancel.
    void beforeMove(bool& cancel);

protected:
    // Esc in a bound control or the grid abandons the row being entered or
    // edited (Undo); with nothing pending it goes on to the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Move(int step);
    struct Impl;
    std::unique_ptr<Impl> d;
};

// "a" joined to the article that opens the text, as Italian writes it:
// "all'articolo", "al codice", "alle varianti"; "a " before anything else.
QString WithPrepositionA(const QString& text);

// The statement narrowed to one key: "key = literal" joins the statement's
// top-level WHERE (or starts one) ahead of its GROUP BY / ORDER BY.
std::string KeyFilteredStatement(const std::string& sql, const std::string& keyField,
                                 const db::Value& key);

}  // namespace controls
