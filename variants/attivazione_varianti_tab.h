#pragma once
// Tab 3 of the item card: whether the item is managed by variants, which of
// the company's variants it uses (MG6B_GESVARART, one row per variant) with
// grouping, obligation, default option and bill-of-materials inheritance,
// and the item's own bill-of-materials settings (MG66_ANAGRART).
//
// The variant rows are edited in the record frame FME_VARIANTI over the
// grid; its save rewrites all of the item's rows in one transaction.

#include <QPointer>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/item_card.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace variants {

// Stored value and text of a choice list entry.
using Scelte = std::vector<std::pair<int, std::string>>;
const Scelte& scelteIndicatore();       // CBO_INDOBBLIG, CBO_INDDEFAULT
const Scelte& scelteEreditaDiba();      // CBO_INDEREDIBA (99 "Come da param. generali")
const Scelte& scelteGenerazioneDiba();  // CBO_MODGENVARDIBA
const Scelte& scelteModoEreditaDiba();  // CBO_MODEREDIBA

// Fills a combo with stored values as item data.
void riempiCombo(QComboBox* combo, const Scelte& scelte);
// The stored value of the combo's entry (0 when none); selects by value.
int valoreCombo(const QComboBox* combo);
void impostaCombo(QComboBox* combo, int value);

// Whether the current item is managed by variants and has an active one
// (the side bar offers the variant tabs only then).
bool ItemHasActiveVariants(common::ItemCard& card);

class AttivazioneVariantiTab : public common::CardTab {
public:
    explicit AttivazioneVariantiTab(common::ItemCard& card);
    ~AttivazioneVariantiTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_AttivazioneVarianti
    void clear() override;
    void release() override;
    // The variant frame is available only for items managed by variants;
    // an edit left for the item shown before is concluded first.
    void itemShown() override;
    void newSearch() override;

    void CaricaListeCombo();
    void InitGRD_VARIANTI();
    void AttivaFrameworkVarianti();
    bool ChiudiFrameworkVarianti();
    // The frame's save: the navigator's "Conferma" (or the host's save).
    bool FME_VARIANTI_Update();
    bool Grst_MG6B_UpdateBatchAll();
    void FME_VARIANTI_AfterUpdate(bool success);
    void FME_VARIANTI_ChangeStatus();

    void CHK_FLGVARART_Click();
    void CHK_FLGGESTVAR_Click();
    void CBO_INDDEFAULT_Click();
    void CBO_MODGENVARDIBA_Click();
    void CBO_MODEREDIBA_Click();
    void TXT_CODREGOLA_Validate();
    void TXT_VALDEFAULT_StartLookup();
    void TXT_VALDEFAULT_StartDecode();

    db::Recordset* Grst_MG6B() const { return rs_.get(); }
    // Moves the frame to the row of a variant, as a click on the grid would.
    bool selezionaVariante(const std::string& variante);

    // ---- controls
    QPointer<QGroupBox> FRAME_RAGGR;
    QPointer<QComboBox> CBO_MODGENVARDIBA;
    QPointer<QComboBox> CBO_MODEREDIBA;
    QPointer<QLineEdit> TXT_CODREGOLA;
    QPointer<controls::DataGrid> GRD_VARIANTI;
    QPointer<controls::GridNavigator> GRIDNAV_VARIANTI;
    QPointer<controls::RecordFrame> FME_VARIANTI;
    QPointer<QCheckBox> CHK_FLGGESTVAR;
    QPointer<QComboBox> CBO_INDOBBLIG;
    QPointer<QComboBox> CBO_INDDEFAULT;
    QPointer<controls::LookupBox> TXT_VALDEFAULT;
    QPointer<QLabel> LBL_DECVAR;
    QPointer<QComboBox> CBO_INDEREDIBA;

private:
    void abilitaControlliRiga();
    // Each typed default option (variant, value) decodes among its variant's options.
    bool defaultOptionsDecode(const std::vector<std::pair<std::string, std::string>>& rows);
    std::unique_ptr<db::Recordset> rs_;
    // The item whose rows rs_ holds: a save rewrites that item's rows, even
    // when it comes after another item was shown.
    std::string articoloRighe_;
};

}  // namespace variants
