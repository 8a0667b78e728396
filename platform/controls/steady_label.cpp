#include "platform/controls/steady_label.h"

#include <QLabel>

namespace controls {

void KeepPlaceWhenHidden(QLabel* label, int lines) {
    if (!label)
        return;
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    const int margins = label->contentsMargins().top() + label->contentsMargins().bottom();
    label->setMinimumHeight(lines * label->fontMetrics().lineSpacing() + margins);
}

}  // namespace controls
