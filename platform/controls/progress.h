#pragma once
// Progress panel for long loops: caption, value out of a maximum and a cancel
// button that raises an abort flag. SetValue lets the event loop run, every
// 50 ms at most, so that the window repaints and the cancel button can be
// pressed.

#include <QString>
#include <QWidget>
#include <memory>

namespace controls {

class ProgressPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent = nullptr);
    ~ProgressPanel() override;

    void SetCaption(const QString& caption);
    QString Caption() const;
    void SetMaximum(long maximum);
    long Maximum() const;
    void SetValue(long value);  // also processes pending events, every 50 ms at most
    long Value() const;
    void SetCancelVisible(bool visible);
    // Shows the panel with the value at 0 and the abort flag cleared.
    void Start(const QString& caption, long maximum);
    void Finish();  // hides it
    bool Aborted() const;
    void Abort();  // as the cancel button
    void ProcessEvents();

signals:
    void cancelled();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace controls
