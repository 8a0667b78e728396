#pragma once
// Lookup text box: a code in a line edit with a button that opens a
// searchable list. The handler of startLookup sets the list's query, titles
// and columns; the handler of startDecode sets the query that decodes a typed
// code. Queries run on the box's connection.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/value.h"
#include "platform/framework/lookup_service.h"

class QLineEdit;
class QToolButton;
class QTableView;

namespace db {
class Connection;
class Recordset;
}  // namespace db

namespace controls {

class LookupBox : public QWidget {
    Q_OBJECT
public:
    explicit LookupBox(QWidget* parent = nullptr);
    ~LookupBox() override;

    QString Text() const;
    void SetText(const QString& text);  // no events
    QLineEdit* LineEdit() const;
    void SetMaxLength(int length);
    int MaxLength() const;
    void SetUpperCase(bool upper);
    void SetReadOnly(bool readOnly);

    void SetConnection(db::Connection* connection);
    db::Connection* Connection() const;
    // "Lookup standard", "Articoli di magazzino", ...
    void SetLookupKind(const QString& kind);
    QString LookupKind() const;

    // Set by the startLookup handler.
    void SetLookupQuery(std::string sql);
    const std::string& LookupQuery() const;
    void SetLookupTitle(const QString& title);
    // Fields shown in the list (empty: all) with their captions.
    void SetLookupColumns(const QStringList& fields, const QStringList& captions = {});
    // Field whose value becomes the box's code (default: the first).
    void SetReturnField(const QString& field);
    // Set by the startDecode handler: a query whose first row, if any, is
    // the decoded record.
    void SetDecodeQuery(std::string sql);
    const std::string& DecodeQuery() const;

    // True when the box is blank or its code was decoded to a row.
    bool Found() const;
    void SetFound(bool found);
    // Values of the chosen or decoded row (empty when none).
    db::Value ItemValue(const QString& field) const;
    const std::vector<std::string>& ItemFields() const;

    // Context menu entries, each raising menuEntry with its key.
    void AddMenuEntry(const QString& key, const QString& caption);
    void ClearMenuEntries();
    void TriggerMenuEntry(const QString& key);

    // Opens the list (as the button does): startLookup, the dialog, and on a
    // choice the code, afterItem. Answers whether a row was chosen.
    bool OpenLookup();
    // Decodes the typed code (as leaving the box does): validate, startDecode,
    // the decode query, afterItem. Answers Found().
    // Both throw what fails (a query, a handler) to the caller; started by
    // the user (button, F3/F4, leaving the box) the failure is reported in
    // the framework's error report instead, as procedure "<name>_StartLookup"
    // or "<name>_StartDecode", and the box stays usable.
    bool Decode();
    // Decodes the text typed and not yet decided, as leaving the box would:
    // for those who settle the box's value while it may still have the focus.
    bool DecodePending();

signals:
    void startLookup(bool& cancel);
    void startDecode(bool& cancel);
    void afterItem();
    void validate(bool& cancel);
    void menuEntry(const QString& key);
    // A lookup or decode started by the user failed and was reported.
    void failed(const QString& procedure, const QString& description);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void trapped(const char* event, const std::function<void()>& action);
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Hands a request of the host's lookup service to a box: the list query,
// columns, return field and title for a search; the decode query for a decode.
void ApplyLookup(LookupBox& box, const framework::LookupRequest& request);
void ApplyDecode(LookupBox& box, const framework::LookupRequest& request);

// The list dialog: a filter box over a table, filtering as one types (every
// shown column, case-insensitive); arrows move, Enter chooses, Esc closes.
class LookupDialog : public QDialog {
    Q_OBJECT
public:
    LookupDialog(db::Recordset& rows, const QStringList& fields, const QStringList& captions,
                 QWidget* parent = nullptr);
    ~LookupDialog() override;

    QLineEdit* FilterEdit() const;
    QTableView* View() const;
    int VisibleRowCount() const;
    // Recordset row (0-based, unfiltered order) chosen, -1 when none.
    long ChosenRow() const;
    void Choose();  // accepts the current row
    // Makes the recordset row (unfiltered order) the current one, shown.
    void SelectRow(long row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace controls
