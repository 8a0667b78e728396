#include "states/box_helpers.h"

#include <QLabel>
#include <QLineEdit>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/steady_label.h"
#include "platform/db/recordset.h"

namespace states {

void LookUpStates(common::ItemCard& card, controls::LookupBox& box) {
    controls::ApplyLookup(box, card.lookups().States());
}

void DecodeStateCode(common::ItemCard& card, controls::LookupBox& box) {
    controls::ApplyDecode(box, card.lookups().DecodeState(box.Text().toStdString()));
}

std::string DecodedDescription(common::ItemCard& card, const framework::LookupRequest& request) {
    try {
        db::Recordset rs;
        rs.open(request.sql, card.connection());
        if (rs.recordCount() == 0)
            return "";
        rs.moveFirst();
        return common::NzStringa(rs.value(request.descriptionField));
    } catch (const std::exception&) {
        return "";
    }
}

controls::LookupBox* NewCodeBox(QWidget* parent, const char* name, db::Connection* connection,
                                int maxLength) {
    auto* box = new controls::LookupBox(parent);
    box->setObjectName(name);
    box->SetConnection(connection);
    box->SetMaxLength(maxLength);
    box->SetUpperCase(true);
    return box;
}

QLineEdit* NewDescriptionEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QLabel* NewWarningLabel(QWidget* parent, const char* name, int lines) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    if (lines > 1)
        label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #8a4b00;"));
    label->hide();
    controls::KeepPlaceWhenHidden(label, lines);
    return label;
}

}  // namespace states
