#include "platform/controls/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace controls {

QPushButton* AddCloseButton(QDialog* dialog, QBoxLayout* layout) {
    auto* button = new QPushButton(QStringLiteral("Chiudi"), dialog);
    button->setObjectName("CMD_CHIUDI");
    button->setDefault(true);
    layout->addWidget(button, 0, Qt::AlignRight);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

}  // namespace controls
