#pragma once
// Tab 0 of the item card: a read-only summary of the item. Extended
// description, state and notes, six item flags, and a two-column list of its
// classification and accounts with each code replaced by its description.

#include <QPointer>
#include <array>
#include <memory>
#include <string>

#include "common/item_card.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"
#include "window/window_sql.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace card {

ContestoDitta ReadCompanyContext(common::ItemCard& card);

// Captions of the six item flags MG66_FLGSTINV ... MG66_FLGSOST.
extern const std::array<const char*, 6> kCaptionFlag;

class DatiAnagraficiTab : public common::CardTab {
public:
    explicit DatiAnagraficiTab(common::ItemCard& card);
    ~DatiAnagraficiTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_DatiAnagrafici
    void clear() override;
    void release() override;

    void InitFLEX_ANAG();
    void CreaRsDatiAnagrafici();
    // The recordset field formatted, errors reported under "FormattaCampo".
    std::string FormattaCampo(const db::Recordset& rs, int field);

    db::Recordset* RsDatiAnagrafici() const { return rsAnag_.get(); }

    QPointer<QPlainTextEdit> TXT_DESCRESTESA;
    QPointer<QLabel> LBL_STATO;
    QPointer<QPlainTextEdit> TXT_NOTE;
    std::array<QPointer<QCheckBox>, 6> CHK_FLAG;
    QPointer<controls::DataGrid> FLEX_ANAG;

private:
    void showProgress(long value, long maximum);
    void hideProgress();
    std::unique_ptr<db::Recordset> rsAnag_;
};

}  // namespace card
