#pragma once
// FME_ART: the item record frame. It waits for a code (status 2), looks the
// item up by its key and shows it (status 0), keeps the description box in
// step with the row and asks before pending edits are dropped.

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;

namespace db {
class Connection;
class Recordset;
}  // namespace db
namespace common {
class WindowServices;
}

namespace card {

class ItemFrame : public QObject {
    Q_OBJECT
public:
    ItemFrame(common::WindowServices& services, QObject* parent = nullptr);

    void bind(db::Connection& connection, db::Recordset* recordset, std::string keyField,
              std::string baseSql, std::string listSql);
    void bindDescription(QLineEdit* box, std::string field);
    void setListSql(std::string listSql) { listSql_ = std::move(listSql); }
    void setRecordDescription(std::string text) { recordDescription_ = std::move(text); }

    int status() const { return status_; }
    void setStatus(int status);
    // Looks the item up by its key; status 0 when found. Answers whether found.
    bool lookup(const std::string& code);
    // Back to waiting for a code, with the recordset reopened on sql.
    void reset(const std::string& emptySql);
    bool dirty() const;
    // Concludes pending edits: asks to save them (yes saves, no drops them,
    // cancel keeps them). Answers whether they were concluded.
    bool saveIfNeeded(bool ask, bool quiet, bool allowCancel);
    bool save();
    void undo();
    // Navigation over the company's items (the list statement).
    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();

signals:
    void ChangeStatus(int status);

private:
    bool moveTo(long index);
    void showRow();
    std::vector<std::string> listCodes();

    common::WindowServices& services_;
    db::Connection* connection_ = nullptr;
    db::Recordset* rs_ = nullptr;
    std::string keyField_, baseSql_, listSql_, recordDescription_;
    QLineEdit* description_ = nullptr;
    std::string descriptionField_;
    std::string shownDescription_;
    int status_ = 2;
};

}  // namespace card
