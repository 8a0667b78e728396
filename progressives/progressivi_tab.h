#pragma once
// Tab 7 of the item card: the stock progressives of the item, read from the
// warehouse progressives (MG70_MAGPROQTA) and the subcontracting ones of the
// company's two subcontracting warehouses (MG7E_CLAVPROQTA), pivoted in
// memory by one variant of the item (the column variant): each of its
// options is a column, each row a warehouse, a variant article without that
// variant and a progressive; "Tot." adds the options up and a total row per
// warehouse and progressive adds the variant articles up. Nothing is
// written to the database.

#include <QPointer>
#include <memory>
#include <string>

#include "common/item_card.h"
#include "progressives/dizionario_progressivi.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace db {
class Recordset;
}
namespace controls {
class DataGrid;
}

namespace progressives {

class ProgressiviTab : public common::CardTab {
public:
    explicit ProgressiviTab(common::ItemCard& card);
    ~ProgressiviTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_Progressivi
    void clear() override;
    void release() override;

    // ---- event procedures
    void CBO_TIPOVAR7_Click();
    void CBO_TIPOPROGRESSIVI_Click();
    void CBO_TIPOQTA_Click();
    // The year was confirmed (Return or leaving the box); a year that is not
    // a number of up to four digits is refused with a message.
    void TXT_ANNO_Validate();

    void CaricaProgressivi();
    void CaricaProgressiviContoLavoro(int tipo, const std::string& deposito);
    void CreaDictionaryProgressivi();
    void Configura_QGRID_PROGRESSIVI();

    // ---- window state
    const std::string& varianteColonna() const;
    const std::string& descrizioneVariante() const;
    int startVariante() const;
    int sizeVariante() const;
    const DizionarioProgressivi* dizionario() const;
    db::Recordset* pivot() const;  // nullptr until a load has built one
    long contatoreRighe() const;

    // ---- controls
    QPointer<QComboBox> CBO_TIPOVAR7;
    QPointer<QComboBox> CBO_TIPOPROGRESSIVI;
    QPointer<QComboBox> CBO_TIPOQTA;
    QPointer<QLineEdit> TXT_ANNO;
    QPointer<controls::DataGrid> QGRID_PROGRESSIVI;
    QPointer<QLabel> LBL_ESITO;  // why the grid is empty, when the choices found nothing

private:
    struct Stato;
    std::unique_ptr<Stato> st_;
};

}  // namespace progressives
