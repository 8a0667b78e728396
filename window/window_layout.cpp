#include "window/window_layout.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QIODevice>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

QByteArray SaveLayout(const QWidget& window) {
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s << kVersione;
    // Only the regions the user placed: the others keep laying themselves
    // out by their proportions at whatever size the window has next time.
    QList<const controls::SplitRegion*> placed;
    for (const auto* r : window.findChildren<controls::SplitRegion*>())
        if (!r->objectName().isEmpty() && r->UserPlaced())
            placed << r;
    s << static_cast<qint32>(placed.size());
    for (const auto* r : placed)
        s << r->objectName() << r->SaveState();
    return out;
}

int RestoreLayout(QWidget& window, const QByteArray& layout) {
    if (layout.isEmpty())
        return 0;
    QDataStream s(layout);
    qint32 versione = 0, count = 0;
    s >> versione >> count;
    if (s.status() != QDataStream::Ok || versione != kVersione || count < 0)
        return 0;
    int restored = 0;
    for (qint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        QString name;
        QByteArray state;
        s >> name >> state;
        if (s.status() != QDataStream::Ok)
            break;
        if (auto* r = window.findChild<controls::SplitRegion*>(name))
            restored += r->RestoreState(state) ? 1 : 0;
    }
    return restored;
}

}  // namespace card
