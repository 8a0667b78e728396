#include "progressives/avanzamento.h"

#include <QString>

#include "platform/controls/progress.h"

namespace progressives {

namespace {
constexpr qint64 kIntervallo = 40;  // ms between repaints
}

void Avanzamento::mostra(const std::string& testo) {
    valore_ = 0;
    if (!panel_)
        return;
    panel_->Start(QString::fromStdString(testo), 0);
    orologio_.start();
}

void Avanzamento::testo(const std::string& testo) {
    if (panel_)
        panel_->SetCaption(QString::fromStdString(testo));
}

void Avanzamento::massimo(long righe) {
    valore_ = 0;
    if (!panel_)
        return;
    panel_->SetMaximum(righe);
    panel_->SetValue(0);
    orologio_.restart();
}

void Avanzamento::avanza() {
    ++valore_;
    if (panel_ && orologio_.elapsed() >= kIntervallo) {
        panel_->SetValue(valore_);
        orologio_.restart();
    }
}

bool Avanzamento::interrotto() const {
    return panel_ && panel_->Aborted();
}

void Avanzamento::nascondi() {
    if (panel_)
        panel_->Finish();
}

}  // namespace progressives
