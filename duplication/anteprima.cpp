// The generation preview of the "Duplica distinte" pane: the structure of
// the destination item (#COMBIVAR, filled by SPMG_COMBIVAR) with a selection
// flag per option, and the combinations of the selected options (#PREVIEW),
// each with its composed option code.

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <set>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "duplication/cell_colours.h"
#include "duplication/db_read.h"
#include "duplication/dupl_pane.h"
#include "duplication/preview_sql.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace duplication {

namespace {

// "A0".."A9": the variants that take part in the preview.
bool previewVariant(const std::string& code) {
    return code.size() == 2 && code[0] == 'A' && code[1] >= '0' && code[1] <= '9';
}

// The variant of an option or selection column of the structure grid.
std::string variantOfColumn(const std::string& key) {
    if (previewVariant(key))
        return key;
    if (key.rfind("SELEZ_", 0) == 0 && previewVariant(key.substr(6)))
        return key.substr(6);
    return {};
}

const QString kCheckOn = QStringLiteral("\u2611 ");
const QString kCheckOff = QStringLiteral("\u2610 ");

}  // namespace

bool DuplPane::CaricaRSTMG5F() {
    common::Procedure p(card(), "CaricaRSTMG5F");
    p.onAbort([&] { common::ChiudiRecordset(rsMG5F_); });
    p.step([&] {
        // Read once per company: the dimensions do not change under the card.
        if (rsMG5F_ && rsMG5F_->isOpen() && mg5fDitta_ == card().companyCode())
            return;
        common::ChiudiRecordset(rsMG5F_);
        auto rs = std::make_unique<db::Recordset>();
        rs->open(common::SqlVariantSizes(card().companyCode()), card().connection());
        rsMG5F_ = std::move(rs);
        mg5fDitta_ = card().companyCode();
    });
    return p.running();
}

bool DuplPane::CreaTemporaneaCombivar() {
    common::Procedure p(card(), "CreaTemporaneaCombivar");
    p.step([&] { nomeCombivar_ = "#COMBIVAR"; });
    p.step([&] { card().services().EliminaTabellaTemp(nomeCombivar_); });
    p.step([&] { card().connection().execute(sqlCreaCombivar()); });
    return p.running();
}

bool DuplPane::CaricaCombivar(const std::string& item) {
    db::Connection& cn = card().connection();
    common::Procedure p(card(), "CaricaCombivar");
    p.onAbort([&] {
        QGRID_STRUTT_DESTI->SetDataSource(nullptr);
        common::ChiudiRecordset(rsStrutt_);
    });
    long long rows = 0;
    p.step([&] { rows = db::integerOf(readRows(cn, sqlContaCombivar(item)).at(0).at(0)); });
    p.step([&] {
        if (rows == 0)
            cn.execute(sqlRiempiCombivar(card().companyCode(), item));
    });
    p.step([&] {
        QGRID_STRUTT_DESTI->SetDataSource(nullptr);
        common::ChiudiRecordset(rsStrutt_);
        auto rs = std::make_unique<db::Recordset>();
        rs->open(sqlLeggiCombivar(item), cn);
        rsStrutt_ = std::move(rs);
    });
    return p.running();
}

bool DuplPane::Configura_QGRID_STRUTT_DESTI(const std::string& item) {
    common::Procedure p(card(), "Configura_QGRID_STRUTT_DESTI");
    p.onAbort([&] { QGRID_STRUTT_DESTI->SetDataSource(nullptr); });
    std::vector<std::vector<db::Value>> variants;
    p.step([&] {
        variants = readRows(card().connection(), sqlVariantiStruttura(card().companyCode(), item));
    });
    p.step([&] {
        QGRID_STRUTT_DESTI->SetDataSource(nullptr);
        auto& cols = QGRID_STRUTT_DESTI->Columns();
        for (int c = 0; c < cols.Count(); ++c) {
            if (QAbstractItemDelegate* d = QGRID_STRUTT_DESTI->itemDelegateForColumn(c)) {
                QGRID_STRUTT_DESTI->setItemDelegateForColumn(c, nullptr);
                d->deleteLater();
            }
        }
        cols.Clear();
        cols.Add("NREC", QStringLiteral("Nrec")).SetWidth(40).SetNumberFormat(0);
        for (const auto& v : variants) {
            const std::string code = common::NzStringa(v.at(0));
            if (!previewVariant(code))
                continue;
            cols.Add(code, QString::fromStdString(common::NzStringa(v.at(1)))).SetWidth(60);
            cols.Add("DESCRI_" + code, QStringLiteral("Descr.")).SetWidth(110);
            cols.Add("SELEZ_" + code, QStringLiteral("Sel."))
                .SetKind(controls::CellKind::Check)
                .SetReadOnly(true)
                .SetWidth(34);
        }
        card().services().TraduciColonne(QGRID_STRUTT_DESTI);
        // An option is drawn in red while it is selected.
        for (int c = 0; c < cols.Count(); ++c) {
            const std::string key = cols.Item(c).Key().toStdString();
            if (!previewVariant(key))
                continue;
            QGRID_STRUTT_DESTI->setItemDelegateForColumn(
                c, new CellColours(QGRID_STRUTT_DESTI, [this, key](long row, int) {
                    if (!rsStrutt_ || !rsStrutt_->isOpen() || row >= rsStrutt_->recordCount())
                        return QColor();
                    const int f = rsStrutt_->fieldIndex("SELEZ_" + key);
                    return hostColour(f >= 0 && db::integerOf(rsStrutt_->valueAt(row, f)) == 1 ? 255
                                                                                               : 0);
                }));
        }
        QGRID_STRUTT_DESTI->SetDataSource(rsStrutt_.get());
    });
    return p.running();
}

bool DuplPane::Configura_QGRID_PREVIEW() {
    common::Procedure p(card(), "Configura_QGRID_PREVIEW");
    p.step([&] {
        auto& cols = QGRID_PREVIEW->Columns();
        if (cols.Count() == 0) {
            cols.Add("SELEZ", QStringLiteral("Selezione"))
                .SetKind(controls::CellKind::Check)
                .SetWidth(78);
            cols.Add("ARTICOLO", QStringLiteral("Codice articolo")).SetReadOnly(true).SetWidth(92);
            cols.Add("VARIANTE", QStringLiteral("Variante articolo"))
                .SetReadOnly(true)
                .SetWidth(108);
            cols.Add("DESCRIZIONE", QStringLiteral("Descrizione"))
                .SetUnboundRead([this](long row) { return db::Value(descriptionOf(row)); })
                .SetWidth(110);
            cols.Add("ESITO", QStringLiteral("Esito")).SetReadOnly(true).SetWidth(110);
            QGRID_PREVIEW->horizontalHeader()->setStretchLastSection(true);
            card().services().TraduciColonne(QGRID_PREVIEW);
            selezCaption_ = cols.Item(0).Caption();
            const int esito = 4;
            QGRID_PREVIEW->setItemDelegateForColumn(
                esito, new CellColours(QGRID_PREVIEW, [this](long row, int) {
                    if (!rsPreview_ || !rsPreview_->isOpen() || row >= rsPreview_->recordCount())
                        return QColor();
                    const std::string e = common::NzStringa(
                        rsPreview_->valueAt(row, rsPreview_->fieldIndex("ESITO")));
                    if (e.empty())
                        return QColor();
                    return hostColour(e == "OK" ? 32768 : 255);
                }));
        }
        cols.Item(0).SetCaption((headCheck_ ? kCheckOn : kCheckOff) + selezCaption_);
        if (!rsPreview_ || !rsPreview_->isOpen() || rsPreview_->recordCount() == 0)
            LBL_PREVIEW->setText(
                QString::fromStdString(card().services().TraduciTesto("Anteprima", 6888)));
    });
    return p.running();
}

void DuplPane::CMD_ANTEPRIMA_ButtonClick() {
    common::Procedure p(card(), "CMD_ANTEPRIMA_ButtonClick");
    p.step([&] {
        TXT_ARTICOLO_DESTI->SetText(QString::fromStdString(card().currentItem()));
        TXT_ARTICOLO_DESTI->Decode();
    });
    bool built = false;
    p.step([&] { built = CreaAnteprima(); });
    p.step([&] { built = CaricaAnteprima() && built; });
    p.step([&] { CMD_DUPL->setEnabled(built && !nessunaSelezione_); });
    p.step([&] {
        if (built && nessunaSelezione_)
            card().services().VisualizzaMessaggio(
                "Nessuna opzione selezionata: l'anteprima non ha combinazioni.", 91203,
                common::vbExclamation, card().widget()->windowTitle().toStdString());
        else if (built)
            warnOversizedOptions(TXT_ARTICOLO_DESTI->Text().toStdString());
    });
}

bool DuplPane::CreaAnteprima() {
    common::Procedure p(card(), "CreaAnteprima");
    p.step([&] { nomePreview_ = "#PREVIEW"; });
    p.step([&] { card().services().EliminaTabellaTemp(nomePreview_); });
    p.step([&] { creaPreview_ = true; });
    bool built = false;
    p.step([&] { built = CreaQueryCTE(TXT_ARTICOLO_DESTI->Text().toStdString()); });
    return p.running() && built;
}

bool DuplPane::CreaQueryCTE(const std::string& item) {
    db::Connection& cn = card().connection();
    common::Procedure p(card(), "CreaQueryCTE");
    std::vector<SlotAnteprima> varianti;
    p.step([&] {
        for (int i = 0; i < 10; ++i) {
            SlotAnteprima s;
            s.variante = "A" + std::to_string(i);
            s.selezionate =
                db::integerOf(readRows(cn, sqlContaSelezionate(item, s.variante)).at(0).at(0));
            s.size = sizeOf(s.variante);
            varianti.push_back(s);
        }
    });
    p.step([&] {
        nessunaSelezione_ = std::all_of(varianti.begin(), varianti.end(),
                                        [](const SlotAnteprima& s) { return s.selezionate == 0; });
        const std::string sql = sqlCreaQueryCTE(item, varianti, creaPreview_ ? nomePreview_ : "");
        creaPreview_ = false;
        cn.execute(sql);
    });
    return p.running();
}

int DuplPane::sizeOf(const std::string& variant) {
    if (!rsMG5F_ || !rsMG5F_->isOpen())
        return 0;
    rsMG5F_->setFilter("MG5F_CODICEVAR = '" + common::RaddoppiaApici(variant) + "'");
    int size = 0;
    if (rsMG5F_->recordCount() > 0) {
        rsMG5F_->moveFirst();
        size = static_cast<int>(db::integerOf(rsMG5F_->value("MG5F_SIZE")));
    }
    rsMG5F_->setFilter("");
    return std::max(size, 0);
}

bool DuplPane::CaricaAnteprima() {
    common::Procedure p(card(), "CaricaAnteprima");
    p.onAbort([&] {
        QGRID_PREVIEW->SetDataSource(nullptr);
        common::ChiudiRecordset(rsPreview_);
    });
    p.step([&] {
        if (!guardia_) {
            guardia_ = true;
            headCheck_ = false;
            Configura_QGRID_PREVIEW();
            guardia_ = false;
        }
    });
    p.step([&] {
        QGRID_PREVIEW->SetDataSource(nullptr);
        common::ChiudiRecordset(rsPreview_);
        descrizioni_.clear();
        auto rs = std::make_unique<db::Recordset>();
        rs->open(sqlCaricaAnteprima(nomePreview_), card().connection());
        rsPreview_ = std::move(rs);
        QGRID_PREVIEW->SetDataSource(rsPreview_.get());
    });
    p.step([&] {
        const long n = rsPreview_->recordCount();
        common::WindowServices& ws = card().services();
        std::string caption;
        if (n == 0)
            caption = ws.TraduciTesto("Anteprima", 6888);
        else
            caption =
                formatoConteggio(n) + (n == 1 ? ws.TraduciTesto(" combinazione elaborata.", 80576)
                                              : ws.TraduciTesto(" combinazioni elaborate.", 80577));
        LBL_PREVIEW->setText(QString::fromStdString(caption));
    });
    return p.running();
}

void DuplPane::TroncaPreview() {
    common::Procedure p(card(), "TroncaPreview");
    p.step([&] {
        if (!common::NzValore(db::Value(nomePreview_), "").empty())
            card().connection().execute(sqlEmptyPreview(nomePreview_));
    });
    p.step([&] { CMD_DUPL->setEnabled(false); });
}

void DuplPane::structureCell(long row, const std::string& key) {
    if (!variantOfColumn(key).empty())
        QGRID_STRUTT_DESTI_Click(key, row);
}

void DuplPane::QGRID_STRUTT_DESTI_Click(const std::string& columnKey, long row) {
    const std::string v = variantOfColumn(columnKey);
    if (v.empty() || !rsStrutt_ || !rsStrutt_->isOpen() || row < 0 ||
        row >= rsStrutt_->recordCount())
        return;
    const int fOption = rsStrutt_->fieldIndex(v);
    const int fSel = rsStrutt_->fieldIndex("SELEZ_" + v);
    // A blank cell (the variant has fewer options) holds nothing to select.
    if (fOption < 0 || fSel < 0 || common::NzStringa(rsStrutt_->valueAt(row, fOption)).empty())
        return;
    common::Procedure p(card(), "QGRID_STRUTT_DESTI_Click");
    p.step([&] {
        const long long nrec =
            db::integerOf(rsStrutt_->valueAt(row, rsStrutt_->fieldIndex("NREC")));
        const std::string item =
            common::NzStringa(rsStrutt_->valueAt(row, rsStrutt_->fieldIndex("ARTICOLO")));
        card().connection().execute(sqlInvertiSelezione(item, v, nrec));
        const long long now = db::integerOf(rsStrutt_->valueAt(row, fSel));
        rsStrutt_->setValueAt(row, fSel, db::Value(db::Decimal(now == 1 ? 0 : 1)));
        QGRID_STRUTT_DESTI->viewport()->update();
    });
    p.step([&] {
        if (CMD_DUPL->isEnabled()) {
            TroncaPreview();
            CaricaAnteprima();
        }
    });
}

void DuplPane::QGRID_STRUTT_DESTI_BeforeSorting(const std::string& columnKey, bool& cancel) {
    const std::string v = variantOfColumn(columnKey);
    if (v.empty())
        return;
    cancel = true;
    if (!rsStrutt_ || !rsStrutt_->isOpen() || rsStrutt_->recordCount() == 0)
        return;
    common::Procedure p(card(), "QGRID_STRUTT_DESTI_BeforeSorting");
    QGRID_STRUTT_DESTI->setUpdatesEnabled(false);
    p.step([&] {
        card().connection().execute(sqlInvertiColonna(TXT_ARTICOLO_DESTI->Text().toStdString(), v));
    });
    p.step([&] {
        rsStrutt_->requery();
        QGRID_STRUTT_DESTI->Refresh();
    });
    QGRID_STRUTT_DESTI->setUpdatesEnabled(true);
    p.step([&] {
        if (CMD_DUPL->isEnabled()) {
            TroncaPreview();
            CaricaAnteprima();
        }
    });
}

void DuplPane::QGRID_PREVIEW_HeadCheckClick(const std::string& columnKey, bool ticked,
                                            bool& cancel) {
    if (columnKey != "SELEZ" || guardia_ || nomePreview_.empty())
        return;
    cancel = true;
    common::Procedure p(card(), "QGRID_PREVIEW_HeadCheckClick");
    p.step([&] { QGRID_PREVIEW->SetDataSource(nullptr); });
    p.step([&] { card().connection().execute(sqlTickPreview(nomePreview_, ticked)); });
    p.step([&] {
        guardia_ = true;
        headCheck_ = ticked;
        CaricaAnteprima();
        Configura_QGRID_PREVIEW();
        guardia_ = false;
    });
}

std::string DuplPane::descriptionOf(long row) {
    try {
        if (!rsPreview_ || !rsPreview_->isOpen() || row < 0 || row >= rsPreview_->recordCount())
            return {};
        const std::string variant =
            common::NzStringa(rsPreview_->valueAt(row, rsPreview_->fieldIndex("VARIANTE")));
        auto it = descrizioni_.find(variant);
        if (it != descrizioni_.end())
            return it->second;
        std::string text;
        auto rows =
            readRows(card().connection(),
                     sqlDescrizioneVariante(card().companyCode(), card().currentItem(), variant));
        if (!rows.empty())
            text = common::NzStringa(rows.front().at(0));
        descrizioni_[variant] = text;
        return text;
    } catch (...) {
        return {};
    }
}

void DuplPane::warnOversizedOptions(const std::string& item) {
    // The composed code keeps the first characters of an option that does
    // not fit its variant's slot, and nothing of a variant the company does
    // not define: the user is told which options were cut or left out.
    common::Procedure p(card(), "CMD_ANTEPRIMA_ButtonClick");
    p.step([&] {
        std::string cut, undefined;
        std::set<std::string> seen;
        for (int i = 0; i < 10; ++i) {
            const std::string v = "A" + std::to_string(i);
            const bool defined = definedVariant(v);
            const int size = sizeOf(v);
            for (const auto& row : readRows(card().connection(), sqlOpzioniSelezionate(item, v))) {
                const std::string option = common::NzStringa(row.at(0));
                if (option.empty() ||
                    !seen.insert(std::string(v).append("\x01").append(option)).second)
                    continue;
                std::string& list = defined ? cut : undefined;
                if (defined && static_cast<int>(option.size()) <= size)
                    continue;
                list.append(list.empty() ? "" : ", ").append(v).append(" '").append(option);
                if (defined)
                    list.append("' -> '").append(option.substr(0, static_cast<std::size_t>(size)));
                list.append("'");
            }
        }
        const std::string title = card().widget()->windowTitle().toStdString();
        // Options cut to their slot and options of variants the company does not
        // define: each kind is told once, with its list.
        auto tell = [&](const std::string& list, const std::string& why, long number) {
            if (!list.empty())
                card().services().VisualizzaMessaggio(why + list + ".", number,
                                                      common::vbExclamation, title,
                                                      std::vector<db::Value>{list});
        };
        tell(cut,
             "Alcune opzioni superano la lunghezza della loro variante e nel codice della "
             "variante articolo sono troncate: ",
             91201);
        tell(undefined,
             "Alcune opzioni appartengono a varianti non definite per la ditta e non entrano "
             "nel codice della variante articolo: ",
             91202);
    });
}

bool DuplPane::definedVariant(const std::string& variant) {
    if (!rsMG5F_ || !rsMG5F_->isOpen())
        return false;
    rsMG5F_->setFilter("MG5F_CODICEVAR = '" + common::RaddoppiaApici(variant) + "'");
    const bool found = rsMG5F_->recordCount() > 0;
    rsMG5F_->setFilter("");
    return found;
}

}  // namespace duplication
