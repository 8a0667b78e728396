#pragma once
// The description tab's list as its tests read it.

#include <string>

#include "platform/db/recordset.h"
#include "tests/support/test_card.h"

namespace generadtest {

// The row of the list that shows a variant article (-1 when none does).
inline long rowOfVariant(db::Recordset& rs, const std::string& code) {
    for (long r = 0; r < rs.recordCount(); ++r)
        if (cardtest::text(rs.valueAt(r, rs.fieldIndex("VARIANTE"))) == code)
            return r;
    return -1;
}

}  // namespace generadtest
