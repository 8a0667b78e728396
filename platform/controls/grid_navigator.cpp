#include "platform/controls/grid_navigator.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <map>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/record_frame.h"

namespace controls {

struct GridNavigator::Impl {
    QPointer<RecordFrame> frame;
    QPointer<DataGrid> grid;
    std::map<QString, QPushButton*> buttons;
    std::map<QString, bool> wanted;  // as the tab last set them
    QString exportPath;

    // A button is on when its tab wants it and it has something to act on:
    // Nuovo and Conferma a frame, Esporta a grid. Without them a click would
    // do nothing, without a word.
    void refresh() {
        for (const auto& [key, button] : buttons) {
            const auto it = wanted.find(key);
            const bool want = it == wanted.end() || it->second;
            const bool target = key == QLatin1String("Nuovo") || key == QLatin1String("Conferma")
                                    ? !frame.isNull()
                                : key == QLatin1String("Esporta") ? !grid.isNull()
                                                                  : true;
            button->setEnabled(want && target);
        }
    }
};

GridNavigator::GridNavigator(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    const std::pair<const char*, const char*> keys[] = {
        {"Nuovo", "Nuovo"}, {"Conferma", "Conferma"}, {"Apri", "Apri"}, {"Esporta", "Esporta"}};
    for (const auto& [key, caption] : keys) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QStringLiteral("CMD_") + QString::fromLatin1(key).toUpper());
        b->setAutoDefault(false);
        layout->addWidget(b);
        const QString k = QString::fromLatin1(key);
        d->buttons[k] = b;
        connect(b, &QPushButton::clicked, this, [this, k]() { Click(k); });
    }
    d->refresh();
    layout->addStretch(1);
}

GridNavigator::~GridNavigator() = default;

void GridNavigator::SetFrame(RecordFrame* frame) {
    if (d->frame)
        disconnect(d->frame, &QObject::destroyed, this, nullptr);
    d->frame = frame;
    if (frame)
        connect(frame, &QObject::destroyed, this, [this] { d->refresh(); });
    d->refresh();
}
RecordFrame* GridNavigator::Frame() const {
    return d->frame;
}
void GridNavigator::SetGrid(DataGrid* grid) {
    d->grid = grid;
    d->refresh();
}
DataGrid* GridNavigator::Grid() const {
    return d->grid;
}

QPushButton* GridNavigator::Button(const QString& key) const {
    auto it = d->buttons.find(key);
    return it == d->buttons.end() ? nullptr : it->second;
}
void GridNavigator::SetButtonEnabled(const QString& key, bool enabled) {
    d->wanted[key] = enabled;
    d->refresh();
}
bool GridNavigator::ButtonEnabled(const QString& key) const {
    QPushButton* b = Button(key);
    return b && b->isEnabled();
}
void GridNavigator::SetButtonVisible(const QString& key, bool visible) {
    if (QPushButton* b = Button(key))
        b->setVisible(visible);
}
void GridNavigator::SetExportPath(const QString& path) {
    d->exportPath = path;
}
QString GridNavigator::ExportPath() const {
    return d->exportPath;
}

void GridNavigator::Click(const QString& key) {
    QPushButton* b = Button(key);
    if (!b || !b->isEnabled())
        return;
    bool cancel = false;
    emit beforeButtonClick(key, cancel);
    if (cancel)
        return;
    bool success = true;
    if (key == QLatin1String("Nuovo")) {
        success = d->frame && d->frame->AddNew();
    } else if (key == QLatin1String("Conferma")) {
        success = d->frame && d->frame->Update();
    } else if (key == QLatin1String("Esporta")) {
        // The grid's own export: the same file, file dialog and messages as
        // its context menu.
        success = false;
        if (d->grid) {
            GridExchange* exchange = GridExchange::Of(d->grid);
            success = d->exportPath.isEmpty() ? exchange->ExportCsv()
                                              : exchange->ExportCsv(d->exportPath);
        }
    }
    emit afterButtonClick(success, key);
}

}  // namespace controls
