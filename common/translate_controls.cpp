// The captions of a window's own controls in the user's language: every
// label, command, check box, frame title, tooltip, placeholder, fixed list
// entry and tree entry goes through the host's translation by text
// (TraduciCaption), as the grids' column captions do.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>

#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/mnemonics.h"

namespace common {

namespace {
// Set on a grid while its captions are being translated.
constexpr const char* kTranslating = "translatingCaptions";
}  // namespace

QString WindowServices::TranslateCaption(const QString& text) {
    if (text.trimmed().isEmpty())
        return text;
    const QString plain = controls::PlainCaption(text).trimmed();
    const QString translated = QString::fromStdString(TraduciCaption(plain.toStdString()));
    // Untranslated, the caption keeps its own mnemonic; translated, it gets
    // one of the new words when the window assigns them.
    return translated == plain ? text : translated;
}

void WindowServices::TranslateControls(QWidget* root) {
    if (!root || !interface_)
        return;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->toolTip().isEmpty())
            w->setToolTip(TranslateCaption(w->toolTip()));
        if (!w->windowTitle().isEmpty())  // a page's names its exports
            w->setWindowTitle(TranslateCaption(w->windowTitle()));
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(TranslateCaption(label->text()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->setText(TranslateCaption(button->text()));
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            group->setTitle(TranslateCaption(group->title()));
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setPlaceholderText(TranslateCaption(edit->placeholderText()));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // Entries made with the control are captions; those read from
            // tables come later, at the tab's load.
            for (int i = 0; i < combo->count(); ++i)
                combo->setItemText(i, TranslateCaption(combo->itemText(i)));
        } else if (auto* grid = qobject_cast<controls::DataGrid*>(w)) {
            // A grid's columns are defined at its tab's load, and again at
            // times: their captions are translated each time.
            QObject::connect(grid, &controls::DataGrid::columnsDefined, grid, [this, grid] {
                if (grid->property(kTranslating).toBool())
                    return;
                grid->setProperty(kTranslating, true);
                TraduciColonne(grid);
                grid->setProperty(kTranslating, false);
            });
            TraduciColonne(grid);
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                (*it)->setText(0, TranslateCaption((*it)->text(0)));
        }
    }
}

}  // namespace common
