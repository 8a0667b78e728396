#include "platform/controls/grid_navigator.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringConverter>
#include <QTextStream>
#include <map>
#include <stdexcept>

#include "platform/controls/data_grid.h"
#include "platform/controls/record_frame.h"

namespace controls {

namespace {

QString csvField(QString text) {
    if (text.contains(';') || text.contains('"') || text.contains('\n') || text.contains('\r')) {
        text.replace("\"", "\"\"");
        return "\"" + text + "\"";
    }
    return text;
}

}  // namespace

void ExportGridCsv(const DataGrid& grid, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    const GridColumns& columns = grid.Columns();
    std::vector<int> shown;
    for (int i = 0; i < columns.Count(); ++i)
        if (columns.Item(i).Visible() && columns.Item(i).Kind() != CellKind::Button)
            shown.push_back(i);
    QStringList line;
    for (int i : shown)
        line << csvField(columns.Item(i).Caption());
    out << line.join(';') << '\n';
    const long rows = grid.model() ? grid.model()->rowCount() : 0;
    for (long row = 0; row < rows; ++row) {
        line.clear();
        for (int i : shown)
            line << csvField(grid.CellText(row, i));
        out << line.join(';') << '\n';
    }
    out.flush();
    if (file.error() != QFile::NoError)
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
}

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
        success = false;
        if (d->grid) {
            QString path = d->exportPath;
            const bool asked = path.isEmpty();
            if (asked)
                path = QFileDialog::getSaveFileName(this, QStringLiteral("Esporta"), {},
                                                    QStringLiteral("CSV (*.csv)"));
            if (!path.isEmpty()) {
                try {
                    ExportGridCsv(*d->grid, path);
                    success = true;
                } catch (const std::exception& e) {
                    // A preset path reports through afterButtonClick only.
                    if (asked)
                        QMessageBox::warning(this, QStringLiteral("Esporta"),
                                             QString::fromStdString(e.what()));
                }
            }
        }
    }
    emit afterButtonClick(success, key);
}

}  // namespace controls
