#pragma once
// Split region: two or more panes separated by movable bars, whose
// positions can be saved and restored as bytes. moved is raised after the
// user moves a bar, so the host lays the panes out again.

#include <QByteArray>
#include <QSplitter>

namespace controls {

class SplitRegion : public QSplitter {
    Q_OBJECT
public:
    explicit SplitRegion(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    QByteArray SaveState() const { return saveState(); }
    bool RestoreState(const QByteArray& state) { return restoreState(state); }
    // Pane sizes in pixels; proportions when the region is not yet shown.
    void SetPaneSizes(const QList<int>& sizes) { setSizes(sizes); }
    QList<int> PaneSizes() const { return sizes(); }

signals:
    void moved();
};

}  // namespace controls
