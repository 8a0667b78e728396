#pragma once
// What a box holds as the card reads it before a lookup or a statement: the
// text with trailing blanks removed, a blank box (or none) as empty text.

#include <string>

class QLineEdit;

namespace controls {
class LookupBox;
}

namespace common {

std::string BoxText(const QLineEdit* box);
std::string BoxText(const controls::LookupBox* box);

}  // namespace common
