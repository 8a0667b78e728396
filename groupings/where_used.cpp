#include "groupings/where_used.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/text_limit_notice.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/groupings_sql.h"
#include "groupings/option_lists.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/mnemonics.h"
#include "platform/controls/text_limit.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "platform/exchange/sheet.h"

namespace groupings {

using common::Procedure;

namespace {

long numero(const db::Value& v) {
    return static_cast<long>(db::integerOf(v));
}

long long conta(db::Connection& cn, const std::string& sql) {
    for (const auto& set : cn.run(sql).resultSets)
        if (!set.rows.empty())
            return numero(set.rows.front().front());
    return 0;
}

const char* kTitoloAvviso = "Avviso Utente";

// The longest code of its kind: an option fits its variant's slot and its
// column (20), a grouping its 25.
int codiceMassimo(CodeKind kind, const UsedCode& u) {
    return kind == CodeKind::Option ? std::min(u.size > 0 ? u.size : 20, 20) : 25;
}

// The new code as it is stored: right-trimmed; a grouping's in upper case,
// as the grouping box and the groupings window write them.
std::string codiceNuovo(CodeKind kind, const std::string& testo) {
    const std::string codice = exchange::RightTrimmed(testo);
    return kind == CodeKind::Grouping ? QString::fromStdString(codice).toUpper().toStdString()
                                      : codice;
}

// Whether the variant takes digits only in its options (MG5F_INDNATURA 1).
bool soloCifre(db::Connection& cn, const UsedCode& u) {
    db::Recordset rs;
    rs.open(sqlVariantSizeAndNature(u.ditta, u.variante), cn);
    if (rs.recordCount() == 0)
        return false;
    rs.moveFirst();
    return common::NzNumero(rs.value("MG5F_INDNATURA")).toText() == "1";
}

// A list opened from a line: the items (or counterparts, or options) of it.
class ItemListDialog : public QDialog {
public:
    ItemListDialog(db::Connection& cn, const std::string& sql, const QString& title,
                   QWidget* parent)
        : QDialog(parent) {
        setObjectName("DLG_ELENCO");
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(title);
        auto* layout = new QGridLayout(this);
        GRD_ELENCO = new controls::DataGrid(this);
        GRD_ELENCO->setObjectName("GRD_ELENCO");
        GRD_ELENCO->SetReadOnly(true);
        GRD_ELENCO->Columns().Add("CODICE", QStringLiteral("Codice")).SetWidth(200);
        GRD_ELENCO->Columns().Add("DESCRIZIONE", QStringLiteral("Descrizione")).SetWidth(320);
        layout->addWidget(GRD_ELENCO, 0, 0);
        rs_.open(sql, cn);
        GRD_ELENCO->SetDataSource(&rs_);
        resize(560, 420);
    }
    ~ItemListDialog() override { GRD_ELENCO->SetDataSource(nullptr); }
    controls::DataGrid* GRD_ELENCO = nullptr;

private:
    db::Recordset rs_;
};

}  // namespace

void ReadSlot(db::Connection& cn, UsedCode& u) {
    db::Recordset rs;
    rs.open(common::SqlVariantSizes(u.ditta), cn);
    for (long r = 0; r < rs.recordCount(); ++r)
        if (exchange::RightTrimmed(
                common::NzStringa(rs.valueAt(r, rs.fieldIndex("MG5F_CODICEVAR")))) == u.variante) {
            u.start = static_cast<int>(numero(rs.valueAt(r, rs.fieldIndex("MG5F_START"))));
            u.size = static_cast<int>(numero(rs.valueAt(r, rs.fieldIndex("MG5F_SIZE"))));
            u.nomeVariante = exchange::RightTrimmed(
                common::NzStringa(rs.valueAt(r, rs.fieldIndex("MG5F_DESCR_VAR"))));
        }
}

std::string VariantName(const UsedCode& u) {
    return u.nomeVariante.empty() ? u.variante : u.nomeVariante;
}

// ------------------------------------------------------------------ rename

bool ValidateNewCode(common::WindowServices& ws, db::Connection& cn, CodeKind kind,
                     const UsedCode& u, const std::string& nuovo) {
    const std::string title = ws.TraduciTesto(kTitoloAvviso, 8522);
    auto rifiuta = [&](const std::string& text, long number, std::vector<db::Value> parameters) {
        ws.VisualizzaMessaggio(text, number, common::vbExclamation, title, parameters);
        return false;
    };
    const int massimo = codiceMassimo(kind, u);
    const QString testo = QString::fromStdString(nuovo);
    if (nuovo.empty())
        return rifiuta("Indicare il nuovo codice.", 91831, {});
    if (nuovo.find('\'') != std::string::npos)
        return rifiuta("Il codice " + nuovo + " non può contenere il carattere apice (').", 91832,
                       {db::Value(nuovo)});
    // What the columns cannot hold is refused as the boxes refuse it.
    const QString illeggibile = controls::UnstorableText(testo);
    if (!illeggibile.isEmpty())
        return rifiuta("Il carattere \"" + illeggibile.toStdString() +
                           "\" non può essere memorizzato: usare lettere, cifre e segni "
                           "dell'alfabeto latino.",
                       91600, {db::Value(illeggibile.toStdString())});
    // Characters, not bytes: an accented letter is one.
    if (testo.size() > massimo)
        return rifiuta("Il codice " + nuovo + " supera la lunghezza massima di " +
                           common::countText(massimo, common::kCaratteri) + ".",
                       91833,
                       {db::Value(nuovo), db::Value(ws.CountText(massimo, common::kCaratteri))});
    if (kind == CodeKind::Option && soloCifre(cn, u) &&
        !std::all_of(testo.begin(), testo.end(),
                     [](QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }))
        return rifiuta("Il codice " + nuovo + " non è valido: la variante " + VariantName(u) +
                           " accetta solo cifre.",
                       91842, {db::Value(nuovo), db::Value(VariantName(u))});
    const bool esiste = kind == CodeKind::Option ? conta(cn, sqlOptionExists(u, nuovo)) > 0
                                                 : conta(cn, sqlGroupingExists(u, nuovo)) > 0;
    const std::string variante = VariantName(u);
    if (esiste)
        return kind == CodeKind::Option
                   ? rifiuta("L'opzione " + nuovo + " esiste già per la variante " + variante + ".",
                             91834, {db::Value(nuovo), db::Value(variante)})
                   : rifiuta("Il raggruppamento " + nuovo + " esiste già per la variante " +
                                 variante + ".",
                             91840, {db::Value(nuovo), db::Value(variante)});
    return true;
}

bool RenameCode(common::WindowServices& ws, db::Connection& cn, CodeKind kind, const UsedCode& u,
                const std::string& nuovoDato) {
    const std::string nuovo = codiceNuovo(kind, nuovoDato);
    const bool opzione = kind == CodeKind::Option;
    Procedure p(ws, opzione ? "RinominaOpzione" : "RinominaRaggruppamento");
    bool valido = false;
    p.step([&] { valido = ValidateNewCode(ws, cn, kind, u, nuovo); });
    if (!p.running() || !valido)
        return false;
    const std::vector<std::string> passi =
        opzione ? sqlRenameOption(u, nuovo) : sqlRenameGrouping(u, nuovo);
    common::beginWhole(p, cn);
    for (std::size_t i = 0; i + 1 < passi.size(); ++i)
        p.step([&] { cn.execute(passi[i]); });
    // The old code goes last: a table the card does not know that still
    // refers to it makes the database refuse, and nothing is kept.
    bool inUso = false;
    p.step([&] {
        try {
            cn.execute(passi.back());
        } catch (const db::DbError& e) {
            if (e.sqlState() != db::sqlstate::kIntegrity)
                throw;
            inUso = true;
        }
    });
    if (!p.running())
        return false;
    const std::string title = ws.TraduciTesto(kTitoloAvviso, 8522);
    if (inUso) {
        common::rollbackQuietly(cn);
        ws.VisualizzaMessaggio(
            opzione ? "L'opzione " + u.codice +
                          " è ancora usata da una tabella che la scheda non conosce: la rinomina "
                          "è stata annullata e nulla è cambiato."
                    : "Il raggruppamento " + u.codice +
                          " è ancora usato da una tabella che la scheda non conosce: la rinomina "
                          "è stata annullata e nulla è cambiato.",
            opzione ? 91836 : 91841, common::vbCritical, title, {{db::Value(u.codice)}});
        return false;
    }
    const bool fatto = common::commitWhole(p, cn);
    if (!fatto && !p.aborted())
        ws.VisualizzaMessaggio("La rinomina non è stata completata: nulla è cambiato.", 91838,
                               common::vbExclamation, title);
    return fatto;
}

bool RetireOption(common::WindowServices& ws, db::Connection& cn, const UsedCode& u,
                  const std::string& idStato) {
    Procedure p(ws, "RitiraOpzione");
    common::beginWhole(p, cn);
    p.step([&] { cn.execute(sqlDeleteRetirement(u)); });
    if (!idStato.empty() && idStato != "0")
        p.step([&] { cn.execute(sqlInsertRetirement(u, idStato)); });
    return common::commitWhole(p, cn);
}

// ------------------------------------------------------------------ window

WhereUsedDialog::WhereUsedDialog(db::Connection& cn, common::WindowServices& ws, CodeKind kind,
                                 UsedCode u, AfterChange after, QWidget* parent)
    : QDialog(parent),
      cn_(cn),
      ws_(ws),
      kind_(kind),
      u_(std::move(u)),
      after_(std::move(after)),
      rs_(std::make_unique<db::Recordset>()) {
    setObjectName("DLG_DOVEUSATA");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QGridLayout(this);
    GRD_DOVEUSATA = new controls::DataGrid(this);
    GRD_DOVEUSATA->setObjectName("GRD_DOVEUSATA");
    GRD_DOVEUSATA->SetReadOnly(true);
    GRD_DOVEUSATA->Columns().Add("DESCRIZIONE", QStringLiteral("Dove")).SetWidth(300);
    GRD_DOVEUSATA->Columns().Add("TABELLA", QStringLiteral("Tabella")).SetWidth(150);
    GRD_DOVEUSATA->Columns()
        .Add("RIGHE", QStringLiteral("Righe"))
        .SetWidth(90)
        .SetAlignment(Qt::AlignRight | Qt::AlignVCenter)
        .SetNumberFormat(0, true);
    layout->addWidget(GRD_DOVEUSATA, 0, 0, 1, 4);
    CMD_ELENCO = new QPushButton(QStringLiteral("Elenco articoli\u2026"), this);
    CMD_ELENCO->setObjectName("CMD_ELENCO");
    layout->addWidget(CMD_ELENCO, 1, 3);
    connect(CMD_ELENCO, &QPushButton::clicked, this,
            [this] { OpenItemList(GRD_DOVEUSATA->CurrentRow()); });
    connect(GRD_DOVEUSATA, &controls::DataGrid::rowChanged, this,
            [this](long, long) { updateListCommand(); });
    connect(GRD_DOVEUSATA, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OpenItemList(index.row()); });

    int riga = 2;
    if (kind_ == CodeKind::Option) {
        LBL_RITIRO = new QLabel(this);
        LBL_RITIRO->setObjectName("LBL_RITIRO");
        layout->addWidget(LBL_RITIRO, riga, 0);
        CBO_STATORITIRO = new QComboBox(this);
        CBO_STATORITIRO->setObjectName("CBO_STATORITIRO");
        layout->addWidget(CBO_STATORITIRO, riga, 1, 1, 2);
        CMD_RITIRA = new QPushButton(QStringLiteral("Ritira"), this);
        CMD_RITIRA->setObjectName("CMD_RITIRA");
        layout->addWidget(CMD_RITIRA, riga, 3);
        connect(CMD_RITIRA, &QPushButton::clicked, this, [this] { CMD_RITIRA_Click(); });
        ++riga;
    }
    layout->addWidget(new QLabel(QStringLiteral("Nuovo codice"), this), riga, 0);
    TXT_NUOVOCODICE = new QLineEdit(this);
    TXT_NUOVOCODICE->setObjectName("TXT_NUOVOCODICE");
    // The box refuses what cannot be stored, and says so, as the card's
    // boxes do.
    new common::TextLimitNotice(this, ws_);
    layout->addWidget(TXT_NUOVOCODICE, riga, 1, 1, 2);
    CMD_RINOMINA = new QPushButton(QStringLiteral("Rinomina"), this);
    CMD_RINOMINA->setObjectName("CMD_RINOMINA");
    layout->addWidget(CMD_RINOMINA, riga, 3);
    connect(CMD_RINOMINA, &QPushButton::clicked, this, [this] { CMD_RINOMINA_Click(); });
    // Enter in the new code renames; no command is the dialog's default, so
    // that Enter there (or in the state list) does not open an item list.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    connect(TXT_NUOVOCODICE, &QLineEdit::returnPressed, this, [this] { CMD_RINOMINA_Click(); });
    // A grouping code is upper case as it is typed, as in the grouping box.
    if (kind_ == CodeKind::Grouping)
        connect(TXT_NUOVOCODICE, &QLineEdit::textEdited, this, [this](const QString& testo) {
            if (testo == testo.toUpper())
                return;
            const int at = TXT_NUOVOCODICE->cursorPosition();
            TXT_NUOVOCODICE->setText(testo.toUpper());
            TXT_NUOVOCODICE->setCursorPosition(at);
        });
    layout->setColumnStretch(1, 1);
    resize(640, 440);
    // Its own captions in the user's language, each command with its letter.
    ws_.TranslateControls(this);
    controls::AssignMnemonics(this);

    Procedure p(ws_, "DoveUsata");
    p.step([&] { ws_.TraduciColonne(GRD_DOVEUSATA); });
    p.step([&] {
        if (u_.size == 0 || u_.nomeVariante.empty())
            ReadSlot(cn_, u_);
    });
    p.step([&] { setWindowTitle(QString::fromStdString(title())); });
    usi_ = kind_ == CodeKind::Option ? OptionUses(u_) : GroupingUses(u_);
    for (CodeUse& uso : usi_)
        p.step([&] { uso.descrizione = ws_.TraduciTesto(uso.descrizione, uso.numero); });
    if (kind_ == CodeKind::Option)
        p.step([&] { loadStates(); });
    Reload();
}

WhereUsedDialog::~WhereUsedDialog() {
    GRD_DOVEUSATA->SetDataSource(nullptr);
}

std::string WhereUsedDialog::title() const {
    const std::string variante = VariantName(u_);
    return kind_ == CodeKind::Option
               ? ws_.TraduciTesto(
                     "Dove è usata l'opzione " + u_.codice + " della variante " + variante, 91800,
                     {{db::Value(u_.codice), db::Value(variante)}})
               : ws_.TraduciTesto(
                     "Dove è usato il raggruppamento " + u_.codice + " della variante " + variante,
                     91801, {{db::Value(u_.codice), db::Value(variante)}});
}

void WhereUsedDialog::Reload() {
    Procedure p(ws_, "DoveUsata");
    p.step([&] {
        GRD_DOVEUSATA->SetDataSource(nullptr);
        rs_ = std::make_unique<db::Recordset>();
        rs_->open(sqlWhereUsed(usi_), cn_);
        GRD_DOVEUSATA->SetDataSource(rs_.get());
    });
    updateListCommand();
    if (kind_ != CodeKind::Option)
        return;
    p.step([&] {
        std::string stato;
        for (const auto& set : cn_.run(sqlRetirementState(u_)).resultSets)
            if (!set.rows.empty())
                stato = exchange::RightTrimmed(set.rows.front().at(1).toText());
        ritirata_ = !stato.empty();
        LBL_RITIRO->setText(QString::fromStdString(
            stato.empty()
                ? ws_.TraduciTesto("Non ritirata", 91820)
                : ws_.TraduciTesto("Ritirata con lo stato " + stato, 91821, {{db::Value(stato)}})));
    });
}

void WhereUsedDialog::loadStates() {
    CBO_STATORITIRO->clear();
    CBO_STATORITIRO->addItem(QString(), QStringLiteral("0"));
    for (const auto& set : cn_.run(sqlRetirementStates(u_.ditta)).resultSets)
        for (const auto& row : set.rows)
            CBO_STATORITIRO->addItem(
                QString::fromStdString(exchange::RightTrimmed(row.at(1).toText()) + " - " +
                                       row.at(2).toText()),
                QString::fromStdString(row.at(0).toText()));
}

const CodeUse* WhereUsedDialog::lineUse(long riga) const {
    if (!rs_ || !rs_->isOpen() || riga < 0 || riga >= rs_->recordCount())
        return nullptr;
    // The line's own number: the grid may show the lines sorted otherwise.
    const long i = numero(rs_->valueAt(riga, rs_->fieldIndex("ORDINE"))) - 1;
    if (i < 0 || i >= static_cast<long>(usi_.size()) || usi_[i].elenco.empty())
        return nullptr;
    return &usi_[i];
}

bool WhereUsedDialog::lineHasRows(long riga) const {
    return lineUse(riga) && numero(rs_->valueAt(riga, rs_->fieldIndex("RIGHE"))) > 0;
}

// A line without rows has no items to list: the command is off there, as
// the grid's 0 says.
void WhereUsedDialog::updateListCommand() {
    CMD_ELENCO->setEnabled(lineHasRows(GRD_DOVEUSATA->CurrentRow()));
}

QDialog* WhereUsedDialog::OpenItemList(long riga) {
    if (!lineHasRows(riga))
        return nullptr;
    const CodeUse* uso = lineUse(riga);
    GRD_DOVEUSATA->SetCurrentRow(riga);
    Procedure p(ws_, "DoveUsata");
    QDialog* d = nullptr;
    p.step([&] {
        d = new ItemListDialog(cn_, uso->elenco,
                               QString::fromStdString(title() + " - " + uso->descrizione), this);
        ws_.TranslateControls(d);
        ShowInFront(d);
    });
    return d;
}

void WhereUsedDialog::CMD_RITIRA_Click() {
    const std::string stato = CBO_STATORITIRO->currentData().toString().toStdString();
    if ((stato.empty() || stato == "0") && !ritirata_) {
        // Nothing to take away: the state is what the command needs.
        ws_.VisualizzaMessaggio("Scegliere lo stato con cui ritirare l'opzione.", 91822,
                                common::vbExclamation, title());
        CBO_STATORITIRO->setFocus();
        return;
    }
    if (RetireOption(ws_, cn_, u_, stato) && after_)
        after_(u_.codice, u_.codice);
    Reload();
}

void WhereUsedDialog::CMD_RINOMINA_Click() {
    const std::string nuovo = codiceNuovo(kind_, TXT_NUOVOCODICE->text().toStdString());
    Procedure p(ws_, "CMD_RINOMINA_Click");
    bool valido = false;
    p.step([&] { valido = ValidateNewCode(ws_, cn_, kind_, u_, nuovo); });
    if (!p.running() || !valido)
        return;
    // The lines are the preview: the rows that will change, read again now.
    Reload();
    long long righe = 0;
    p.step([&] {
        for (long r = 0; r < rs_->recordCount(); ++r)
            righe += numero(rs_->valueAt(r, rs_->fieldIndex("RIGHE")));
    });
    int risposta = common::vbNo;
    p.step([&] {
        risposta = ws_.VisualizzaMessaggio(
            "Rinomino " + u_.codice + " in " + nuovo + "? Cambiano le righe elencate (" +
                std::to_string(righe) + ").",
            91835, common::vbYesNo + common::vbDefaultButton2 + common::vbQuestion, title(),
            {{db::Value(u_.codice), db::Value(nuovo), db::Value(righe)}});
    });
    if (!p.running() || risposta != common::vbYes)
        return;
    if (!RenameCode(ws_, cn_, kind_, u_, nuovo))
        return;
    const std::string vecchio = u_.codice;
    u_.codice = nuovo;
    usi_ = kind_ == CodeKind::Option ? OptionUses(u_) : GroupingUses(u_);
    for (CodeUse& uso : usi_)
        uso.descrizione = ws_.TraduciTesto(uso.descrizione, uso.numero);
    setWindowTitle(QString::fromStdString(title()));
    TXT_NUOVOCODICE->clear();
    if (after_)
        after_(vecchio, nuovo);
    Reload();
}

void ShowInFront(QDialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    if (QWidget* first = dialog->nextInFocusChain(); first && first != dialog)
        first->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace groupings
