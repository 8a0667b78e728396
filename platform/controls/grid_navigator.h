#pragma once
// Button bar under a grid: "Nuovo" adds a record, "Conferma" saves it, "Apri"
// is left to the handler, "Esporta" writes the grid to a CSV file. Each press
// raises afterButtonClick with the action's outcome.

#include <QString>
#include <QWidget>
#include <memory>

class QPushButton;

namespace controls {

class DataGrid;
class RecordFrame;

class GridNavigator : public QWidget {
    Q_OBJECT
public:
    explicit GridNavigator(QWidget* parent = nullptr);
    ~GridNavigator() override;

    void SetFrame(RecordFrame* frame);
    RecordFrame* Frame() const;
    void SetGrid(DataGrid* grid);
    DataGrid* Grid() const;

    // Button keys: "Nuovo", "Conferma", "Apri", "Esporta"; nullptr otherwise.
    QPushButton* Button(const QString& key) const;
    void SetButtonEnabled(const QString& key, bool enabled);
    bool ButtonEnabled(const QString& key) const;
    void SetButtonVisible(const QString& key, bool visible);
    // Presses a button by program, as a click would.
    void Click(const QString& key);

    // Where "Esporta" writes; empty asks with a file dialog.
    void SetExportPath(const QString& path);
    QString ExportPath() const;

signals:
    // Before the action: a handler may take it over by cancelling.
    void beforeButtonClick(const QString& key, bool& cancel);
    void afterButtonClick(bool success, const QString& key);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace controls
