#pragma once
// How the item card lays itself out: its size when it opens, and the
// layout it hands to the host's layout model (the positions of its split
// regions), so that the host can give it back at the next opening. The
// window keeps no settings of its own.

#include <QByteArray>
#include <QSize>
#include <QVariantMap>

class QWidget;

namespace card {

// The smallest window in which every grid of the card stays usable.
inline constexpr QSize kDimensioniMinime{1024, 700};

// The window's size at load: most of the screen it opens on, at least the
// smallest usable size when the screen has room for it.
QSize DimensioniIniziali(const QWidget& window);

// The positions of the named split regions inside the window that the user
// placed, and those of `kept` (a layout given back earlier) whose regions
// are not in the window: a tab not yet built keeps what it was given.
QByteArray SaveLayout(const QWidget& window, const QByteArray& kept = {});
// Puts back the positions SaveLayout gave; regions not in it, or no
// longer of the same panes, keep their own. Answers how many were restored.
int RestoreLayout(QWidget& window, const QByteArray& layout);

// What the user made of the window's grids (DataGrid::SaveLayout), each
// under the window's name and the grid's joined by "." ("FRMMG_VELDRANO.
// GRD_TRASCF"), and the entries of `kept` for grids not in the window.
QVariantMap SaveGridLayouts(const QWidget& window, const QVariantMap& kept = {});
// Gives the grids under root (of window) their entries. Answers how many took one.
int RestoreGridLayouts(const QWidget& window, QWidget& root, const QVariantMap& layouts);

}  // namespace card
