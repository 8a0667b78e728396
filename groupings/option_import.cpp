#include "groupings/option_import.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <set>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/rights.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/groupings_sql.h"
#include "groupings/option_lists.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/mnemonics.h"
#include "platform/controls/text_limit.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/cinterface.h"

namespace groupings {

namespace {

constexpr int kDescrizioneMassima = 80;

QString pulito(const std::string& s) {
    return QString::fromStdString(s).trimmed();
}

// A caption of the file is one of the names given (Italian, or English as
// an English card exports them) or one of them in the user's language.
bool una(common::WindowServices& ws, const std::string& testo,
         std::initializer_list<const char*> nomi) {
    for (const char* n : nomi)
        if (pulito(testo).compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0 ||
            pulito(testo).compare(QString::fromStdString(ws.TraduciCaption(n)),
                                  Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Codes are compared as the database compares them: without regard to case.
std::string chiave(const std::string& codice) {
    return QString::fromStdString(codice).toUpper().toStdString();
}

// A tick as the options grid copies it.
bool spunta(const std::string& testo) {
    return testo == "0" || testo == "1";
}

const char* testoEsito(ImportOutcome e) {
    switch (e) {
        case ImportOutcome::New:
            return "Nuova";
        case ImportOutcome::Changed:
            return "Modificata";
        case ImportOutcome::Unchanged:
            return "Invariata";
        default:
            return "Rifiutata";
    }
}

}  // namespace

std::vector<ImportedOption> AnalyseOptions(common::ItemCard& card, const std::string& variante,
                                           const exchange::TextRows& righe) {
    db::Connection& cn = card.connection();
    common::WindowServices& ws = card.services();
    const std::string& ditta = card.companyCode();
    int larghezza = 20;
    bool numerica = false;
    {
        db::Recordset dim;
        dim.open(sqlVariantSizeAndNature(ditta, variante), cn);
        if (dim.recordCount() > 0) {
            dim.moveFirst();
            larghezza = static_cast<int>(
                common::NzNumero(dim.value("MG5F_SIZE")).toDecimal()->toInt64().value_or(20));
            numerica = common::NzNumero(dim.value("MG5F_INDNATURA")).toText() == "1";
        }
    }
    // The stored code and its description, by chiave().
    std::map<std::string, std::pair<std::string, std::string>> esistenti;
    {
        db::Recordset rs;
        rs.open(sqlVariantOptions(ditta, variante, false), cn);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            const std::string codice =
                pulito(common::NzStringa(rs.value("MG5E_OPZIONE"))).toStdString();
            esistenti[chiave(codice)] = {
                codice, exchange::RightTrimmed(common::NzStringa(rs.value("MG5E_DESCR")))};
        }
    }
    const common::Rights diritti = common::rightsOf(card.Pcls_Interface());
    const bool puoInserire = common::allowed(diritti, common::WriteKind::Add);
    const bool puoModificare = common::allowed(diritti, common::WriteKind::Change);

    // Captions in the first row name the columns; otherwise code, description.
    std::size_t colCodice = 0, colDescr = 1, prima = 0;
    if (!righe.empty()) {
        const auto& t = righe.front();
        for (std::size_t j = 0; j < t.size(); ++j) {
            if (una(ws, t[j], {"Opzione", "Codice", "MG5E_OPZIONE", "Option", "Code"})) {
                colCodice = j;
                prima = 1;
            } else if (una(ws, t[j], {"Descrizione", "MG5E_DESCR", "Description"})) {
                colDescr = j;
                prima = 1;
            }
        }
    }
    // Rows copied from the options grid itself (tick, code, description,
    // letter, sort) begin with its tick column: code and description follow.
    if (prima == 0 && !righe.empty() &&
        std::all_of(righe.begin(), righe.end(), [](const std::vector<std::string>& r) {
            return r.empty() || (r.size() == 1 && pulito(r[0]).isEmpty()) ||
                   (r.size() >= 5 && spunta(pulito(r[0]).toStdString()));
        })) {
        colCodice = 1;
        colDescr = 2;
    }
    std::vector<ImportedOption> out;
    std::set<std::string> visti;  // by chiave()
    for (std::size_t i = prima; i < righe.size(); ++i) {
        const auto& r = righe[i];
        ImportedOption o;
        o.codice = colCodice < r.size() ? pulito(r[colCodice]).toStdString() : std::string();
        o.descrizione = colDescr < r.size() ? pulito(r[colDescr]).toStdString() : std::string();
        if (o.codice.empty() && o.descrizione.empty())
            continue;  // an empty line
        const QString codice = QString::fromStdString(o.codice);
        const QString illeggibile =
            controls::UnstorableText(codice + QString::fromStdString(o.descrizione));
        if (o.codice.empty())
            o.motivo = ws.TraduciTesto("codice vuoto", 91910);
        else if (!illeggibile.isEmpty())
            o.motivo = ws.TraduciTesto(
                "il carattere \"" + illeggibile.toStdString() + "\" non può essere memorizzato",
                91918, {{db::Value(illeggibile.toStdString())}});
        else if (codice.contains('\''))
            o.motivo = ws.TraduciTesto("il codice non può contenere il carattere apice (')", 91911);
        else if (codice.size() > larghezza)
            o.motivo = ws.TraduciTesto(
                "codice più lungo di " + common::countText(larghezza, common::kCaratteri), 91912,
                {{db::Value(ws.CountText(larghezza, common::kCaratteri))}});
        else if (numerica && !std::all_of(o.codice.begin(), o.codice.end(),
                                          [](unsigned char c) { return c >= '0' && c <= '9'; }))
            o.motivo = ws.TraduciTesto("la variante accetta solo cifre", 91913);
        else if (visti.count(chiave(o.codice)))
            o.motivo = ws.TraduciTesto("codice ripetuto", 91914);
        else if (QString::fromStdString(o.descrizione).size() > kDescrizioneMassima)
            o.motivo = ws.TraduciTesto("descrizione più lunga di 80 caratteri", 91915);
        visti.insert(chiave(o.codice));
        if (o.motivo.empty()) {
            const auto e = esistenti.find(chiave(o.codice));
            if (e == esistenti.end()) {
                o.esito = puoInserire ? ImportOutcome::New : ImportOutcome::Refused;
            } else {
                // "m" of the file is the stored "M": shown and written as stored.
                o.codice = e->second.first;
                o.esito = e->second.second == o.descrizione
                              ? ImportOutcome::Unchanged
                              : (puoModificare ? ImportOutcome::Changed : ImportOutcome::Refused);
            }
            if (o.esito == ImportOutcome::Refused)
                o.motivo = ws.TraduciTesto("diritti insufficienti", 91916);
        }
        out.push_back(std::move(o));
    }
    return out;
}

bool WriteOptions(common::ItemCard& card, const std::string& variante,
                  const std::vector<ImportedOption>& opzioni) {
    db::Connection& cn = card.connection();
    const std::string& ditta = card.companyCode();
    common::Procedure p(card, "ImportaOpzioni");
    common::beginWhole(p, cn);
    for (const auto& o : opzioni) {
        if (!p.running())
            break;
        if (o.esito == ImportOutcome::New)
            p.step([&] { cn.execute(sqlInsertOption(ditta, variante, o.codice, o.descrizione)); });
        else if (o.esito == ImportOutcome::Changed)
            p.step([&] {
                cn.execute(sqlSetOptionDescription(ditta, variante, o.codice, o.descrizione));
            });
    }
    return common::commitWhole(p, cn);
}

FRM_IMPORTAOPZIONI::FRM_IMPORTAOPZIONI(const std::vector<ImportedOption>& opzioni,
                                       common::WindowServices& ws, QWidget* parent)
    : QDialog(parent), righe_(std::make_unique<db::Recordset>()) {
    setObjectName("FRM_IMPORTAOPZIONI");
    setWindowTitle(QStringLiteral("Importa opzioni"));
    righe_->appendField("ESITO", db::FieldType::Text, 12);
    righe_->appendField("OPZIONE", db::FieldType::Text, 20);
    righe_->appendField("DESCRIZIONE", db::FieldType::Text, 80);
    righe_->appendField("MOTIVO", db::FieldType::Text, 80);
    righe_->open();
    int accettate = 0, rifiutate = 0;
    for (const auto& o : opzioni) {
        righe_->addNew();
        righe_->setValue("ESITO", ws.TraduciCaption(testoEsito(o.esito)));
        righe_->setValue("OPZIONE", o.codice);
        righe_->setValue("DESCRIZIONE", o.descrizione);
        righe_->setValue("MOTIVO", o.motivo);
        if (o.esito == ImportOutcome::New || o.esito == ImportOutcome::Changed)
            ++accettate;
        if (o.esito == ImportOutcome::Refused)
            ++rifiutate;
    }
    if (righe_->recordCount() > 0)
        righe_->moveFirst();
    auto* layout = new QVBoxLayout(this);
    GRD_ANTEPRIMA = new controls::DataGrid(this);
    GRD_ANTEPRIMA->setObjectName("GRD_ANTEPRIMA");
    GRD_ANTEPRIMA->SetReadOnly(true);
    auto& cols = GRD_ANTEPRIMA->Columns();
    cols.Add("ESITO", QStringLiteral("Esito")).SetWidth(90);
    cols.Add("OPZIONE", QStringLiteral("Opzione")).SetWidth(100);
    cols.Add("DESCRIZIONE", QStringLiteral("Descrizione")).SetWidth(220);
    cols.Add("MOTIVO", QStringLiteral("Motivo")).SetWidth(260);
    GRD_ANTEPRIMA->SetDataSource(righe_.get());
    layout->addWidget(GRD_ANTEPRIMA, 1);
    LBL_RIEPILOGO = new QLabel(QString::fromStdString(ws.TraduciTesto(
                                   "Righe da scrivere: " + std::to_string(accettate) +
                                       ". Righe rifiutate: " + std::to_string(rifiutate) + ".",
                                   91917,
                                   {{db::Value(static_cast<std::int64_t>(accettate)),
                                     db::Value(static_cast<std::int64_t>(rifiutate))}})),
                               this);
    LBL_RIEPILOGO->setObjectName("LBL_RIEPILOGO");
    layout->addWidget(LBL_RIEPILOGO);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    CMD_CONFERMA = new QPushButton(QStringLiteral("Conferma"), this);
    CMD_CONFERMA->setObjectName("CMD_CONFERMA");
    CMD_CONFERMA->setEnabled(accettate > 0);
    CMD_ANNULLA = new QPushButton(QStringLiteral("Annulla"), this);
    CMD_ANNULLA->setObjectName("CMD_ANNULLA");
    buttons->addWidget(CMD_CONFERMA);
    buttons->addWidget(CMD_ANNULLA);
    layout->addLayout(buttons);
    connect(CMD_CONFERMA, &QPushButton::clicked, this, &QDialog::accept);
    connect(CMD_ANNULLA, &QPushButton::clicked, this, &QDialog::reject);
    // Its title, captions and commands in the user's language, each command
    // with its letter; the summary was said in it already.
    const QString riepilogo = LBL_RIEPILOGO->text();
    ws.TranslateControls(this);
    LBL_RIEPILOGO->setText(riepilogo);
    controls::AssignMnemonics(this);
    resize(760, 420);
}

FRM_IMPORTAOPZIONI::~FRM_IMPORTAOPZIONI() {
    GRD_ANTEPRIMA->SetDataSource(nullptr);
}

void ImportOptions(common::ItemCard& card, const exchange::TextRows& righe) {
    StatoOpzioni& st = card.shared<StatoOpzioni>();
    if (st.variante.empty())
        return;
    // Options are written only while they can be saved by hand: not while
    // the grouping box holds a code that does not exist.
    if (st.CMD_OPZORIG_SALVA && !st.CMD_OPZORIG_SALVA->isEnabled()) {
        common::WindowServices& ws = card.services();
        ws.VisualizzaMessaggio(
            "Le opzioni non possono essere modificate ora: indicare un raggruppamento esistente "
            "o lasciare vuota la casella del raggruppamento.",
            91919, common::vbExclamation, ws.TraduciTesto("Scheda articolo - varianti", 50877));
        return;
    }
    if (st.concludiModifiche)
        st.concludiModifiche();
    std::vector<ImportedOption> opzioni;
    {
        common::Procedure p(card, "ImportaOpzioni");
        p.step([&] { opzioni = AnalyseOptions(card, st.variante, righe); });
        if (!p.running() || p.failed())
            return;
    }
    FRM_IMPORTAOPZIONI anteprima(opzioni, card.services(), card.widget());
    if (anteprima.exec() != QDialog::Accepted)
        return;
    if (!WriteOptions(card, st.variante, opzioni))
        return;
    CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false);
    AzzeraTabStati(card);
}

void EnableOptionImport(common::ItemCard& card, controls::DataGrid* grid) {
    controls::GridExchange::Of(grid)->SetReceiver(
        [&card](const exchange::TextRows& righe, bool) { ImportOptions(card, righe); });
}

}  // namespace groupings
