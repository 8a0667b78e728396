#pragma once
// Tab 0 of the item card: a read-only summary of the item. Extended
// description, state and notes, six item flags, and a two-column list of its
// classification and accounts with each code replaced by its description.

#include <QPointer>
#include <array>
#include <memory>
#include <string>

#include "common/item_card.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace db {
class Recordset;
}
namespace controls {
class DataGrid;
}

namespace card {

// What the company's context says about the summary: its chart-of-accounts
// group ({Gruppo}, unquoted; "NULL" when the company has none, so that no
// account matches) and its classification setting ("1": sub-levels are
// defined under their parent levels).
struct ContestoDitta {
    std::string gruppo = "NULL";
    std::string classificazione;
};
ContestoDitta ReadCompanyContext(common::ItemCard& card);

// The summary statement of one item. codArt goes between apostrophes as it is.
std::string SqlItemData(const std::string& ditta, const std::string& codArt,
                        const ContestoDitta& contesto);

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

    QPlainTextEdit* TXT_DESCRESTESA = nullptr;
    QLabel* LBL_STATO = nullptr;
    QPlainTextEdit* TXT_NOTE = nullptr;
    std::array<QCheckBox*, 6> CHK_FLAG{};
    QPointer<controls::DataGrid> FLEX_ANAG;

private:
    void showProgress(long value, long maximum);
    void hideProgress();
    std::unique_ptr<db::Recordset> rsAnag_;
};

}  // namespace card
