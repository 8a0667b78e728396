// The cross grid of tab 6: the options of the first variant as columns of
// #TMP_VARIANTE1, the options of the second as rows of #TMP_VARIANTE2,
// crossed into #TMP_CROSSVAR whose cells hold the states.

#include <QComboBox>
#include <QFontMetrics>
#include <QVBoxLayout>
#include <algorithm>

#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/band_header.h"
#include "states/state_grid.h"
#include "states/state_paste.h"
#include "states/state_rows.h"
#include "states/state_services.h"
#include "states/states_sql.h"
#include "states/stati_combinazione_tab.h"

namespace states {

using common::Procedure;

void StatiCombinazioneTab::buildGrid(QWidget* page) {
    AREA_GRIGLIA = new QWidget(page);
    AREA_GRIGLIA->setObjectName("AREA_GRIGLIA");
    auto* layout = new QVBoxLayout(AREA_GRIGLIA);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    GRDX_COMBINAZIONI = new StateGrid(AREA_GRIGLIA);
    GRDX_COMBINAZIONI->setObjectName("GRDX_COMBINAZIONI");
    // A block of cells is selected, copied and pasted as a spreadsheet's.
    GRDX_COMBINAZIONI->setSelectionBehavior(QAbstractItemView::SelectItems);
    GRDX_COMBINAZIONI->setSelectionMode(QAbstractItemView::ContiguousSelection);
    BANDE_COMBINAZIONI = new BandHeader(GRDX_COMBINAZIONI, AREA_GRIGLIA);
    layout->addWidget(BANDE_COMBINAZIONI);
    layout->addWidget(GRDX_COMBINAZIONI, 1);
    EnableStatePaste(card(), {GRDX_COMBINAZIONI, "IncollaStatiCombinazione",
                              [this](int column) {
                                  return column >= 2
                                             ? GRDX_COMBINAZIONI->Columns().Item(column).Field()
                                             : std::string();
                              },
                              [this](long row, const std::string& campo) {
                                  return std::optional<RigaStato>(RigaCombinazione(
                                      campo, common::NzStringa(rsCross_->valueAt(row, 0))));
                              },
                              [this] { CombinazioneVarianti(); }});
}

void StatiCombinazioneTab::CreaCombinazioneVarianti() {
    crossPronta_ = false;
    if (!coppiaValida())
        return;
    Procedure p(card(), "CreaCombinazioneVarianti");
    common::WindowServices& ws = card().services();
    db::Connection& cn = card().connection();
    const std::string& ditta = card().companyCode();
    std::vector<std::string> opzioni;
    p.step([&] {
        db::Recordset rs;
        rs.open(sqlVariantOptions(ditta, var1_, raggr1_), cn);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            opzioni.push_back(common::NzStringa(rs.value("OPZIONE")));
    });
    p.step([&] { ws.EliminaTabellaTemp("#TMP_VARIANTE1"); });
    // One column per option, in the order of the query.
    for (std::size_t i = 0; i < opzioni.size(); ++i)
        p.step([&, i] {
            const std::string colonna = "[" + opzioni[i] + "] DECIMAL(18,0) NULL";
            cn.execute(i == 0 ? "CREATE TABLE #TMP_VARIANTE1(" + colonna + ")"
                              : "ALTER TABLE #TMP_VARIANTE1 ADD " + colonna);
        });
    p.step([&] { ws.EliminaTabellaTemp("#TMP_VARIANTE2"); });
    p.step([&] {
        cn.execute(
            sqlSecondVariantRows(ditta, var2_, raggr2_, descrizioneVariante(CBO_TIPOVAR6_2)));
    });
    p.step([&] { ws.EliminaTabellaTemp("#TMP_CROSSVAR"); });
    p.step([&] {
        cn.execute(kSqlCrossJoin);
        crossPronta_ = true;
    });
}

void StatiCombinazioneTab::LoadCombinazioneVarianti() {
    if (!coppiaValida())
        return;
    Procedure p(card(), "LoadCombinazioneVarianti");
    db::Connection& cn = card().connection();
    db::Recordset rs;
    p.step([&] { rs.open(sqlPairStates(card().companyCode(), condArt(), varA(), varB()), cn); });
    if (crossPronta_)
        p.step([&] {
            const bool primoMinore = varA() == var1_;
            const std::string descrVar2 = descrizioneVariante(CBO_TIPOVAR6_2);
            for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
                const db::Value stato = common::NzNumero(rs.value("MG5W_IDSTATOVAR_MG5V"));
                const std::string colonna = common::NzStringa(
                    rs.value(primoMinore ? "MG5W_OPZIONE1_MG5E" : "MG5W_OPZIONE2_MG5E"));
                const std::string riga = common::NzStringa(
                    rs.value(primoMinore ? "MG5W_OPZIONE2_MG5E" : "MG5W_OPZIONE1_MG5E"));
                try {
                    cn.execute(sqlCrossCell(colonna, stato.toText(), descrVar2, riga));
                } catch (const std::exception&) {
                    // The option left the grouping: the grid has no cell for it.
                    cn.clearErrors();
                }
            }
        });
    p.step([&] { CaricaDefaultCombinazione(condArt(), varA(), varB()); });
}

void StatiCombinazioneTab::VisualizzaCombinazioneVarianti() {
    if (!coppiaValida())
        return;
    Procedure p(card(), "VisualizzaCombinazioneVarianti");
    p.onAbort([&] {
        scollegaGriglia();
        common::ChiudiRecordset(rsCross_);
    });
    p.step([&] {
        scollegaGriglia();
        common::ChiudiRecordset(rsCross_);
    });
    if (!crossPronta_)
        return;
    p.step([&] {
        auto rs = std::make_unique<db::Recordset>();
        rs->open("SELECT * FROM #TMP_CROSSVAR", card().connection());
        rsCross_ = std::move(rs);
    });
    p.step([&] { InitGRDX_COMBINAZIONI(); });
}

void StatiCombinazioneTab::InitGRDX_COMBINAZIONI() {
    Procedure p(card(), "InitGRDX_COMBINAZIONI");
    p.onAbort([&] { scollegaGriglia(); });
    db::Recordset forma;
    std::vector<std::pair<db::Value, QString>> stati;
    p.step([&] { forma.open("SELECT * FROM #TMP_CROSSVAR WHERE 1 = 0", card().connection()); });
    p.step([&] { stati = ElencoStati(card()); });
    p.step([&] { SetStateCellCodes(card(), GRDX_COMBINAZIONI); });
    p.step([&] {
        BANDE_COMBINAZIONI->SetBands(
            QString::fromStdString(card().services().TraduciCaption("Variante")),
            QString::fromStdString(descrizioneVariante(CBO_TIPOVAR6_1)));
    });
    p.step([&] {
        controls::GridColumns& cols = GRDX_COMBINAZIONI->Columns();
        GRDX_COMBINAZIONI->SetDataSource(nullptr);
        // The grid lays the columns out once, when they are all defined.
        struct Colonne {
            controls::DataGrid* grid;
            explicit Colonne(controls::DataGrid* g) : grid(g) { grid->BeginColumnsUpdate(); }
            ~Colonne() { grid->EndColumnsUpdate(); }
        } inDefinizione(GRDX_COMBINAZIONI);
        cols.Clear();
        const QFontMetrics metrics(GRDX_COMBINAZIONI->font());
        for (int i = 0; i < forma.fieldCount(); ++i) {
            const std::string& nome = forma.field(i).name;
            if (i == 0) {
                cols.Add(nome, QString::fromStdString(nome)).SetReadOnly(true).SetWidth(90);
            } else if (i == 1) {
                cols.Add(nome, QStringLiteral("Descrizione")).SetReadOnly(true).SetWidth(170);
            } else {
                const QString caption = QString::fromStdString(
                    nome + "-" + GetDescrizioneOpzione(var1_, nome, raggr1_));
                controls::GridColumn& col =
                    cols.Add(nome, caption).SetKind(controls::CellKind::Combo).SetValueList(stati);
                // As wide as its caption or the widest state it shows, within
                // reason: a longer state (one with its dates) shows whole as
                // the cell's tooltip.
                int widest = metrics.horizontalAdvance(caption);
                const int field = rsCross_ ? rsCross_->fieldIndex(nome) : -1;
                for (long r = 0; field >= 0 && r < rsCross_->recordCount(); ++r)
                    widest = std::max(widest,
                                      metrics.horizontalAdvance(
                                          col.DisplayText(rsCross_->valueAt(r, field)).trimmed()));
                col.SetWidth(std::clamp(widest + 16, 70, 260));
            }
        }
    });
    p.step([&] { GRDX_COMBINAZIONI->SetFrozenColumns(std::min(2, forma.fieldCount())); });
    p.step([&] { GRDX_COMBINAZIONI->SetDataSource(rsCross_.get()); });
}

std::string StatiCombinazioneTab::GetDescrizioneOpzione(const std::string& variante,
                                                        const std::string& opzione,
                                                        const std::string& raggr) {
    std::string descrizione;
    Procedure p(card(), "GetDescrizioneOpzione");
    p.step([&] {
        const std::string& ditta = card().companyCode();
        db::Recordset rs;
        rs.open(sqlOptionCaption(ditta, variante, raggr, opzione), card().connection());
        if (rs.recordCount() == 1) {
            rs.moveFirst();
            descrizione = common::NzStringa(rs.value("MG5E_DESCR"));
        }
    });
    return descrizione;
}

// ------------------------------------------------------------ cell edits

void StatiCombinazioneTab::GRDX_COMBINAZIONI_CloseUp(int column, long row) {
    Procedure p(card(), "GRDX_COMBINAZIONI_CloseUp");
    db::Value valore;
    p.step([&] {
        GRDX_COMBINAZIONI->setCurrentIndex(
            GRDX_COMBINAZIONI->model()->index(static_cast<int>(row), column));
        const int campo = GRDX_COMBINAZIONI->Columns().Item(column).FieldIndex();
        valore = rsCross_->valueAt(row, campo);
    });
    p.step([&] { SalvaGRDX_COMBINAZIONI(valore); });
}

void StatiCombinazioneTab::GRDX_COMBINAZIONI_ValueTyped(int column, long row,
                                                        const QString& testo) {
    try {
        GRDX_COMBINAZIONI->setCurrentIndex(
            GRDX_COMBINAZIONI->model()->index(static_cast<int>(row), column));
        const db::Value codice = CodeFromText(card(), testo);
        if (!codice.isEmpty())
            SalvaGRDX_COMBINAZIONI(codice);
    } catch (const std::exception&) {
        // A typed text that fits no state changes nothing.
    }
}

void StatiCombinazioneTab::SalvaGRDX_COMBINAZIONI(const db::Value& valore) {
    if (!rsCross_ || !rsCross_->hasCurrentRow())
        return;
    Procedure p(card(), "SalvaGRDX_COMBINAZIONI");
    std::string colonna;
    p.step([&] {
        const int column = GRDX_COMBINAZIONI->CurrentColumn();
        if (column < 2) {
            p.leave();
            return;
        }
        colonna = common::NzStringa(GRDX_COMBINAZIONI->Columns().Item(column).Field());
    });
    p.step([&] { rsCross_->setValue(colonna, valore); });
    p.step([&] { SalvaRecordCombinazione(colonna); });
}

RigaStato StatiCombinazioneTab::RigaCombinazione(const std::string& colonna,
                                                 const std::string& opzioneRiga) const {
    const std::string opzA = var1_ < var2_ ? colonna : opzioneRiga;
    const std::string opzB = var1_ < var2_ ? opzioneRiga : colonna;
    const std::string where =
        sqlCombinationCondition(card().companyCode(), condArt(), varA(), opzA, varB(), opzB);
    RigaStato riga{"MG5W_PROVSTATI", where, "MG5W_IDSTATOVAR_MG5V", {}};
    riga.nuova = {{"MG5W_DITTA_CG18", common::NzNumero(db::Value(card().companyCode()))},
                  {"MG5W_CODICEVAR1_MG5F", varA()},
                  {"MG5W_OPZIONE1_MG5E", opzA},
                  {"MG5W_CODICEVAR2_MG5F", varB()},
                  {"MG5W_OPZIONE2_MG5E", opzB}};
    if (ambito() == kSingola)
        riga.nuova.emplace_back("MG5W_CODART_MG66", card().currentItem());
    return riga;
}

void StatiCombinazioneTab::SalvaRecordCombinazione(const std::string& colonna) {
    if (!coppiaValida() || !rsCross_)
        return;
    Procedure p(card(), "SalvaRecordCombinazione");
    db::Value stato;
    std::string opzioneRiga;
    p.step([&] {
        stato = StateNumber(rsCross_->value(colonna));
        opzioneRiga = common::NzStringa(rsCross_->value(0));
    });
    if (!p.running())
        return;
    const RigaStato riga = RigaCombinazione(colonna, opzioneRiga);
    const db::Value scritto = WriteState(p, card(), riga, stato);
    // Not written (an expired state not confirmed, a write refused or
    // failed): the cell shows the stored state again.
    if (!SameState(scritto, stato))
        rsCross_->setValue(colonna, scritto);
}

}  // namespace states
