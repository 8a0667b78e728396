#pragma once
// FRMMG_RAGGR, "Raggruppamenti": the groupings of one variant (MG5G_RAGGVAR)
// in a record frame over a grid, with their codes and descriptions. The
// options tab opens it from the grouping box; "Esporta" hands the current
// code back and closes it.

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "common/forward.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"

class QComboBox;
class QLineEdit;

namespace groupings {

class FRMMG_RAGGR : public QDialog {
    Q_OBJECT
public:
    // Opens on the variant given; errors and messages go through the item
    // card's services.
    FRMMG_RAGGR(db::Connection& connection, common::WindowServices& services, std::string ditta,
                const std::string& variante, QWidget* parent = nullptr);
    ~FRMMG_RAGGR() override;

    // The variant of CBO_TIPORAGGR ("A0".."B9").
    std::string variante() const;
    db::Recordset* recordset() const { return rs_.get(); }
    // Runs after "Dove è usato…" renamed a grouping of the window.
    std::function<void(const std::string& vecchio, const std::string& nuovo)> dopoRinomina;

    // ---- event procedures
    void CBO_TIPORAGGR_Click();
    void FME_DIMEC_AfterAddNew(bool success);
    void FME_DIMEC_ChangeStatus(int status);
    // true: the code box refuses to be left.
    bool TXT_CODRAGGR_Validate();
    void GRIDNAV_AfterButtonClick(bool success, const QString& key);

    // ---- controls
    QPointer<QComboBox> CBO_TIPORAGGR;
    QPointer<controls::DataGrid> GRID_RAGGR;
    QPointer<controls::RecordFrame> FME_DIMEC;
    QPointer<QLineEdit> TXT_CODRAGGR;
    QPointer<QLineEdit> TXT_DESCR;
    QPointer<controls::GridNavigator> GRIDNAV;

signals:
    // Raised once as the window closes: the variant and grouping code
    // "Esporta" chose, both empty otherwise.
    void CloseFormRaggrVar(const QString& variante, const QString& raggruppamento);

public slots:
    void done(int result) override;

private:
    void caricaVarianti(const std::string& variante);
    void caricaRaggruppamenti();
    int messaggio(const std::string& text, int style);

    db::Connection& cn_;
    common::WindowServices& ws_;
    std::string ditta_;
    std::unique_ptr<db::Recordset> rs_;
    std::string varianteRitorno_;
    std::string raggrRitorno_;
    bool chiusa_ = false;
};

}  // namespace groupings
