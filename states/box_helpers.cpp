#include "states/box_helpers.h"

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "platform/db/recordset.h"

namespace states {

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

}  // namespace states
