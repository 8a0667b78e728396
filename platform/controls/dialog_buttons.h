#pragma once
// Buttons the host's small dialogs share.

class QBoxLayout;
class QDialog;
class QPushButton;

namespace controls {

// The dialog's "Chiudi" button (CMD_CHIUDI): the default one, at the right
// of the layout's foot; a click accepts the dialog.
QPushButton* AddCloseButton(QDialog* dialog, QBoxLayout* layout);

}  // namespace controls
