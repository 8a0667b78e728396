#include "common/box_text.h"

#include <QLineEdit>

#include "common/value_helpers.h"
#include "platform/controls/lookup_box.h"

namespace common {

std::string BoxText(const QLineEdit* box) {
    return box ? NzValore(db::Value(box->text().toStdString()), "") : std::string();
}

std::string BoxText(const controls::LookupBox* box) {
    return box ? NzValore(db::Value(box->Text().toStdString()), "") : std::string();
}

}  // namespace common
