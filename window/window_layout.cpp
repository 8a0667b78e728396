#include "window/window_layout.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QIODevice>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/controls/data_grid.h"
#include "platform/controls/split_region.h"

namespace card {

namespace {
// The stream's own version, written first: a layout of another version is
// ignored instead of misread.
constexpr qint32 kVersione = 1;
}  // namespace

QSize DimensioniIniziali(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return kDimensioniMinime;
    const QSize avail = screen->availableGeometry().size();
    QSize size = avail * 0.85;
    size = size.expandedTo(kDimensioniMinime).boundedTo(avail);
    return size;
}

namespace {

// The entries of a layout in order; empty when it is not one of this version.
QList<QPair<QString, QByteArray>> entriesOf(const QByteArray& layout) {
    QList<QPair<QString, QByteArray>> entries;
    if (layout.isEmpty())
        return entries;
    QDataStream s(layout);
    qint32 versione = 0, count = 0;
    s >> versione >> count;
    if (s.status() != QDataStream::Ok || versione != kVersione || count < 0)
        return entries;
    for (qint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        QString name;
        QByteArray state;
        s >> name >> state;
        if (s.status() != QDataStream::Ok)
            break;
        entries.append({name, state});
    }
    return entries;
}

}  // namespace

QByteArray SaveLayout(const QWidget& window, const QByteArray& kept) {
    // Only the regions the user placed: the others keep laying themselves
    // out by their proportions at whatever size the window has next time.
    QList<QPair<QString, QByteArray>> placed;
    for (const auto* r : window.findChildren<controls::SplitRegion*>())
        if (!r->objectName().isEmpty() && r->UserPlaced())
            placed.append({r->objectName(), r->SaveState()});
    for (const auto& e : entriesOf(kept))
        if (!window.findChild<controls::SplitRegion*>(e.first))
            placed.append(e);
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s << kVersione;
    s << static_cast<qint32>(placed.size());
    for (const auto& e : placed)
        s << e.first << e.second;
    return out;
}

int RestoreLayout(QWidget& window, const QByteArray& layout) {
    int restored = 0;
    for (const auto& e : entriesOf(layout))
        if (auto* r = window.findChild<controls::SplitRegion*>(e.first))
            restored += r->RestoreState(e.second) ? 1 : 0;
    return restored;
}

namespace {

QString gridKey(const QWidget& window, const QWidget& grid) {
    return window.objectName() + QLatin1Char('.') + grid.objectName();
}

// The window's own grids: those of its dialogs are theirs.
QList<controls::DataGrid*> gridsOf(const QWidget& window, const QWidget& root) {
    QList<controls::DataGrid*> grids;
    for (auto* g : root.findChildren<controls::DataGrid*>())
        if (!g->objectName().isEmpty() && g->window() == &window)
            grids.append(g);
    return grids;
}

}  // namespace

QVariantMap SaveGridLayouts(const QWidget& window, const QVariantMap& kept) {
    QVariantMap out = kept;
    for (const auto* g : gridsOf(window, window)) {
        const QByteArray layout = g->SaveLayout();
        if (!layout.isEmpty())
            out.insert(gridKey(window, *g), layout);
    }
    return out;
}

int RestoreGridLayouts(const QWidget& window, QWidget& root, const QVariantMap& layouts) {
    int restored = 0;
    for (auto* g : gridsOf(window, root)) {
        const auto it = layouts.find(gridKey(window, *g));
        if (it != layouts.end() && g->RestoreLayout(it->toByteArray()))
            ++restored;
    }
    return restored;
}

}  // namespace card
