#include "duplication/cell_colours.h"

namespace duplication {

void CellColours::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    controls::GridDelegate::initStyleOption(option, index);
    // Codes are blank-padded to their width: the blanks are no text to show.
    while (option->text.endsWith(QLatin1Char(' ')))
        option->text.chop(1);
    if (!colour_ || !index.isValid())
        return;
    const QColor c = colour_(index.row(), index.column());
    if (c.isValid()) {
        option->palette.setColor(QPalette::Text, c);
        option->palette.setColor(QPalette::HighlightedText, c);
    }
}

QColor hostColour(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace duplication
