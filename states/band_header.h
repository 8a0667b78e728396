#pragma once
// A row of header bands laid over a grid's column headers: the first band
// spans the grid's frozen columns, the second all the columns after them.
// It sits right above the grid and follows its column widths.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/controls/forward.h"

namespace states {

class BandHeader : public QWidget {
    Q_OBJECT
public:
    explicit BandHeader(controls::DataGrid* grid, QWidget* parent = nullptr);

    void SetBands(const QString& first, const QString& second);
    QString FirstBand() const { return first_; }
    QString SecondBand() const { return second_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<controls::DataGrid> grid_;
    QString first_;
    QString second_;
};

}  // namespace states
