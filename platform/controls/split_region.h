#pragma once
// Split region: two or more panes separated by movable bars, whose
// positions can be saved and restored as bytes. moved is raised after the
// user moves a bar, so the host lays the panes out again.

#include <QByteArray>
#include <QList>
#include <QSplitter>

namespace controls {

class SplitRegion : public QSplitter {
    Q_OBJECT
public:
    explicit SplitRegion(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    QByteArray SaveState() const { return saveState(); }
    // Restored positions are the user's: ApplyProportions leaves them alone.
    bool RestoreState(const QByteArray& state);
    // Pane sizes in pixels; proportions when the region is not yet shown.
    void SetPaneSizes(const QList<int>& sizes) { setSizes(sizes); }
    QList<int> PaneSizes() const { return sizes(); }

    // The share of the region's length each pane gets, by weight (0: the
    // pane keeps its own size hint); also how a resize is shared out.
    void SetProportions(const QList<int>& weights);
    // Lays the panes out by their proportions, unless the user placed the
    // bars (moved them, or they were restored). The region does it by itself
    // the first time it gets a size. Answers whether it laid them out.
    bool ApplyProportions();
    // The bars were placed by the user: moved, or restored from a saved layout.
    bool UserPlaced() const { return userPlaced_; }

signals:
    void moved();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    quint32 panesShown() const;  // one bit per pane not hidden
    QList<int> weights_;
    quint32 panesShown_ = 0;
    bool userPlaced_ = false;
    bool proportioned_ = false;
};

}  // namespace controls
