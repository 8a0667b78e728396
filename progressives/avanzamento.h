#pragma once
// The window's progress panel as a long load drives it: shown with a text,
// advanced once per row but repainted at most every few milliseconds, so
// that a load of many rows is not slowed down by its own progress bar. A
// card without a panel (nullptr) shows nothing.

#include <QElapsedTimer>
#include <string>

namespace controls {
class ProgressPanel;
}

namespace progressives {

class Avanzamento {
public:
    explicit Avanzamento(controls::ProgressPanel* panel) : panel_(panel) {}
    void mostra(const std::string& testo);
    void testo(const std::string& testo);
    void massimo(long righe);
    void avanza();
    // The user pressed the panel's cancel button.
    bool interrotto() const;
    void nascondi();

private:
    controls::ProgressPanel* panel_;
    QElapsedTimer orologio_;
    long valore_ = 0;
};

}  // namespace progressives
