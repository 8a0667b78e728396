#pragma once
// Text colours of single cells of a grid: a delegate that asks its owner
// for the colour of each cell it paints (an invalid colour keeps the
// grid's own), and shows blank-padded codes without their trailing blanks.

#include <QColor>
#include <functional>

#include "platform/controls/grid_delegate.h"

namespace duplication {

class CellColours : public controls::GridDelegate {
public:
    using Colour = std::function<QColor(long row, int column)>;
    CellColours(controls::DataGrid* grid, Colour colour)
        : controls::GridDelegate(grid), colour_(std::move(colour)) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    Colour colour_;
};

// A colour value of the host (0x00BBGGRR): 255 is red, 32768 green.
QColor hostColour(int value);

}  // namespace duplication
