#include "window/item_frame.h"

#include <QLineEdit>

#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace card {

namespace {
std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}
std::string quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}
}  // namespace

ItemFrame::ItemFrame(common::WindowServices& services, QObject* parent)
    : QObject(parent), services_(services) {
    setObjectName("FME_ART");
}

void ItemFrame::bind(db::Connection& connection, db::Recordset* recordset, std::string keyField,
                     std::string baseSql, std::string listSql) {
    connection_ = &connection;
    rs_ = recordset;
    keyField_ = std::move(keyField);
    baseSql_ = std::move(baseSql);
    listSql_ = std::move(listSql);
}

void ItemFrame::bindDescription(QLineEdit* box, std::string field) {
    description_ = box;
    descriptionField_ = std::move(field);
}

void ItemFrame::setStatus(int status) {
    status_ = status;
    if (description_)
        description_->setEnabled(status == 0);
    emit ChangeStatus(status);
}

void ItemFrame::showRow() {
    shownDescription_.clear();
    if (rs_ && rs_->isOpen() && !rs_->eof() && !rs_->bof() && !descriptionField_.empty())
        shownDescription_ = rtrim(rs_->value(descriptionField_).toText());
    if (description_)
        description_->setText(QString::fromStdString(shownDescription_));
}

bool ItemFrame::lookup(const std::string& code) {
    if (!rs_ || !connection_)
        return false;
    if (rs_->isOpen())
        rs_->close();
    rs_->open(baseSql_ + " AND " + keyField_ + " = " + quoted(code), *connection_);
    if (rs_->recordCount() == 0) {
        showRow();
        return false;
    }
    rs_->moveFirst();
    showRow();
    setStatus(0);
    return true;
}

void ItemFrame::reset(const std::string& emptySql) {
    if (rs_ && connection_) {
        if (rs_->isOpen())
            rs_->close();
        rs_->open(emptySql, *connection_);
    }
    showRow();
    setStatus(2);
}

bool ItemFrame::dirty() const {
    return status_ == 0 && description_ && description_->text().toStdString() != shownDescription_;
}

bool ItemFrame::save() {
    if (!dirty())
        return true;
    rs_->setValue(descriptionField_, description_->text().toStdString());
    rs_->updateBatch(db::Affect::Current);
    shownDescription_ = description_->text().toStdString();
    return true;
}

void ItemFrame::undo() {
    showRow();
}

bool ItemFrame::saveIfNeeded(bool ask, bool, bool allowCancel) {
    if (!dirty())
        return true;
    int answer = common::vbYes;
    if (ask)
        answer = services_.VisualizzaMessaggio(
            "Salvare le modifiche apportate a " + recordDescription_ + " ?", 0,
            (allowCancel ? common::vbYesNoCancel : common::vbYesNo) + common::vbQuestion,
            services_.TraduciTesto("Avviso Utente", 8522));
    if (answer == common::vbYes) {
        try {
            return save();
        } catch (...) {
            services_.GestisciErrore("FME_ART_Update");
            return false;
        }
    }
    if (answer == common::vbNo) {
        undo();
        return true;
    }
    return false;
}

std::vector<std::string> ItemFrame::listCodes() {
    std::vector<std::string> codes;
    db::Recordset list;
    list.open(listSql_, *connection_);
    int f = list.fieldIndex(keyField_);
    for (long r = 0; r < list.recordCount(); ++r)
        codes.push_back(rtrim(list.valueAt(r, f).toText()));
    return codes;
}

bool ItemFrame::moveTo(long index) {
    if (!saveIfNeeded(true, false, true))
        return false;
    auto codes = listCodes();
    if (codes.empty())
        return false;
    if (index < 0)
        index = 0;
    if (index >= static_cast<long>(codes.size()))
        index = static_cast<long>(codes.size()) - 1;
    return lookup(codes[static_cast<std::size_t>(index)]);
}

namespace {
long positionOf(const std::vector<std::string>& codes, const std::string& code) {
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == code)
            return static_cast<long>(i);
    return -1;
}
}  // namespace

bool ItemFrame::moveFirst() {
    return moveTo(0);
}
bool ItemFrame::moveLast() {
    return moveTo(1L << 30);
}

bool ItemFrame::moveNext() {
    if (status_ != 0)
        return moveFirst();
    auto codes = listCodes();
    long at = positionOf(codes, rtrim(rs_->value(keyField_).toText()));
    return moveTo(at + 1);
}

bool ItemFrame::movePrevious() {
    if (status_ != 0)
        return moveFirst();
    auto codes = listCodes();
    long at = positionOf(codes, rtrim(rs_->value(keyField_).toText()));
    return moveTo(at - 1);
}

}  // namespace card
