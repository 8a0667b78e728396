#include "duplication/clsmg_artdupl.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/box_text.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "duplication/db_read.h"
#include "platform/controls/mnemonics.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/global.h"

namespace duplication {

namespace {

const bool registered =
    (framework::RegisterComponent(kProgIdArtDupl, [] { return std::make_unique<CLSMG_ARTDUPL>(); }),
     true);

}  // namespace

CLSMG_ARTDUPL::CLSMG_ARTDUPL() {
    (void)registered;
    AcceptProperties({"CodiceArticolo"});
}

CLSMG_ARTDUPL::~CLSMG_ARTDUPL() = default;

FRMMG_ARTDUPL* CLSMG_ARTDUPL::finestra() const {
    return qobject_cast<FRMMG_ARTDUPL*>(Form());
}

QWidget* CLSMG_ARTDUPL::CreateForm(QWidget* parent) {
    SetResult("ArticoloDuplicato", false);
    SetResult("CodiceArticoloDuplicato", std::string());
    db::Connection* cn = ADOConnection() ? ADOConnection() : Connection();
    const std::string item = TextProperty("CodiceArticolo");
    if (!cn || item.empty())
        return nullptr;
    auto* window =
        new FRMMG_ARTDUPL(*cn, TextProperty("CodiceDitta"), item, parent, ActiveInterface());
    QObject::connect(window, &QDialog::accepted, window, [this, window] {
        SetResult("ArticoloDuplicato", window->duplicato());
        SetResult("CodiceArticoloDuplicato", window->codiceNuovo());
    });
    return window;
}

FRMMG_ARTDUPL::FRMMG_ARTDUPL(db::Connection& connection, std::string ditta, std::string item,
                             QWidget* parent, framework::Cinterface* host)
    : QDialog(parent), cn_(connection), ditta_(std::move(ditta)), item_(std::move(item)) {
    setObjectName("FRMMG_ARTDUPL");
    setWindowTitle(QStringLiteral("Duplicazione articolo"));
    services_.setInterface(host);
    services_.setConnection(&cn_);
    services_.setWindow(this);

    auto* layout = new QGridLayout(this);
    auto line = [this](const char* name, int maxLength, bool readOnly) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(maxLength);
        e->setReadOnly(readOnly);
        if (readOnly)
            e->setFocusPolicy(Qt::NoFocus);
        return e;
    };
    TXT_CODART_ORIG = line("TXT_CODART_ORIG", 25, true);
    TXT_DESCART_ORIG = line("TXT_DESCART_ORIG", 80, true);
    TXT_CODART_NEW = line("TXT_CODART_NEW", 25, false);
    TXT_DESCART_NEW = line("TXT_DESCART_NEW", 80, false);
    TXT_CODART_ORIG->setMinimumWidth(180);
    TXT_DESCART_ORIG->setMinimumWidth(320);
    layout->addWidget(new QLabel(QStringLiteral("Articolo da duplicare"), this), 0, 0);
    layout->addWidget(TXT_CODART_ORIG, 0, 1);
    layout->addWidget(TXT_DESCART_ORIG, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Nuovo articolo"), this), 1, 0);
    layout->addWidget(TXT_CODART_NEW, 1, 1);
    layout->addWidget(TXT_DESCART_NEW, 1, 2);

    auto check = [this](const char* name, const char* caption) {
        auto* c = new QCheckBox(QString::fromUtf8(caption), this);
        c->setObjectName(name);
        c->setChecked(true);
        return c;
    };
    CHK_VARIANTI = check("CHK_VARIANTI", "Varianti gestite");
    CHK_DESCRIZIONI = check("CHK_DESCRIZIONI", "Descrizioni in lingua e delle varianti");
    CHK_DISTINTA = check("CHK_DISTINTA", "Distinta base");
    CHK_DATIPROD = check("CHK_DATIPROD", "Dati di produzione");
    auto* copies = new QGridLayout;
    copies->addWidget(CHK_VARIANTI, 0, 0);
    copies->addWidget(CHK_DESCRIZIONI, 0, 1);
    copies->addWidget(CHK_DISTINTA, 1, 0);
    copies->addWidget(CHK_DATIPROD, 1, 1);
    layout->addLayout(copies, 2, 1, 1, 2);

    auto* commands = new QHBoxLayout;
    CMD_DUPLICA = new QPushButton(QStringLiteral("Duplica"), this);
    CMD_DUPLICA->setObjectName("CMD_DUPLICA");
    CMD_DUPLICA->setDefault(true);
    CMD_ANNULLA = new QPushButton(QStringLiteral("Annulla"), this);
    CMD_ANNULLA->setObjectName("CMD_ANNULLA");
    commands->addStretch(1);
    commands->addWidget(CMD_DUPLICA);
    commands->addWidget(CMD_ANNULLA);
    layout->addLayout(commands, 3, 0, 1, 3);
    connect(CMD_DUPLICA, &QPushButton::clicked, this, [this] { CMD_DUPLICA_Click(); });
    connect(CMD_ANNULLA, &QPushButton::clicked, this, &QDialog::reject);

    // Its own captions in the user's language, each command with its letter.
    services_.TranslateControls(this);
    controls::AssignMnemonics(this);

    TXT_CODART_ORIG->setText(QString::fromStdString(item_));
    common::Procedure p(services_, "FRMMG_ARTDUPL_Load");
    p.step([&] {
        auto rows = readRows(cn_,
                             "SELECT MG66_DESCART FROM MG66_ANAGRART WITH (NOLOCK) WHERE "
                             "MG66_DITTA_CG18 = " +
                                 ditta_ + " AND MG66_CODART = " + quoted(item_));
        if (!rows.empty()) {
            TXT_DESCART_ORIG->setText(
                QString::fromStdString(common::NzStringa(rows.front().at(0))));
            TXT_DESCART_NEW->setText(TXT_DESCART_ORIG->text());
        }
    });
    TXT_CODART_NEW->setFocus();
}

FRMMG_ARTDUPL::~FRMMG_ARTDUPL() = default;

bool FRMMG_ARTDUPL::CMD_DUPLICA_Click() {
    const std::string title = windowTitle().toStdString();
    const std::string code = common::BoxText(TXT_CODART_NEW);
    const std::string description = common::BoxText(TXT_DESCART_NEW);
    auto refuse = [&](const std::string& text, long number, QLineEdit* box,
                      const common::Parametri& parameters = std::nullopt) {
        services_.VisualizzaMessaggio(text, number, common::vbCritical, title, parameters);
        box->setFocus();
        return false;
    };
    if (code.empty())
        return refuse("Indicare il codice del nuovo articolo.", 91101, TXT_CODART_NEW);
    if (code.find('\'') != std::string::npos)
        return refuse("Il codice articolo non può contenere apici.", 91102, TXT_CODART_NEW);
    if (code.size() > 25)
        return refuse("Il codice articolo può avere al massimo 25 caratteri.", 91103,
                      TXT_CODART_NEW);
    if (description.empty())
        return refuse("Indicare la descrizione del nuovo articolo.", 91105, TXT_DESCART_NEW);
    bool exists = true;
    {
        common::Procedure p(services_, "CMD_DUPLICA_Click");
        p.step([&] {
            exists = returnsRow(cn_,
                                "SELECT TOP 1 1 FROM MG66_ANAGRART WITH (NOLOCK) WHERE "
                                "MG66_DITTA_CG18 = " +
                                    ditta_ + " AND MG66_CODART = " + quoted(code));
        });
        if (!p.running())
            return false;
    }
    if (exists)
        return refuse("L'articolo " + code + " esiste già.", 91104, TXT_CODART_NEW,
                      std::vector<db::Value>{code});
    copia(code, description);
    if (!duplicato_)
        return false;
    accept();
    return true;
}

void FRMMG_ARTDUPL::copia(const std::string& code, const std::string& description) {
    auto where = [&](const std::string& prefix, const std::string& itemColumn) {
        return " WHERE " + prefix + "_DITTA_CG18 = " + ditta_ + " AND " + itemColumn + " = " +
               quoted(item_);
    };
    common::Procedure p(services_, "CMD_DUPLICA_Click");
    p.onAbort([&] { common::rollbackQuietly(cn_); });
    std::string columns, values;
    p.step([&] {
        // Every column of the item row is copied but its key, description,
        // media and creation date (the new item has its own).
        db::Recordset shape;
        shape.open("SELECT * FROM MG66_ANAGRART WITH (NOLOCK) WHERE 1=0", cn_);
        for (int i = 0; i < shape.fieldCount(); ++i) {
            const std::string& name = shape.field(i).name;
            columns += (i ? ", " : "") + name;
            values += i ? ", " : "";
            if (name == "MG66_CODART")
                values += quoted(code);
            else if (name == "MG66_DESCART")
                values += quoted(description);
            else if (name == "MG66_IDMEDIA_CG99")
                values += "NULL";
            else if (name == "MG66_DTCREAZ")
                values += "GETDATE()";
            else
                values += name;
        }
    });
    p.step([&] { cn_.beginTransaction(); });
    p.step([&] {
        cn_.execute("INSERT INTO MG66_ANAGRART (" + columns + ") SELECT " + values +
                    " FROM MG66_ANAGRART" + where("MG66", "MG66_CODART"));
    });
    p.step([&] {
        const long long n = cn_.execute(
            "INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, "
            "MG87_LINGUA_MG52, MG87_DESCART, MG87_DESCARTEST, MG87_NOTEART) SELECT "
            "MG87_DITTA_CG18, " +
            quoted(code) + ", '', '', " + quoted(description) +
            ", MG87_DESCARTEST, MG87_NOTEART FROM MG87_ARTDESC" +
            where("MG87", "MG87_CODART_MG66") +
            " AND MG87_OPZIONE_MG5E = '' AND MG87_LINGUA_MG52 = ''");
        if (n == 0)
            cn_.execute(
                "INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, "
                "MG87_LINGUA_MG52, MG87_DESCART) VALUES (" +
                ditta_ + ", " + quoted(code) + ", '', '', " + quoted(description) + ")");
    });
    // The copies the user ticked: the item's rows of a table again under the
    // new code, its company and item columns first, then the others as they
    // are; a condition narrows the rows.
    const struct {
        QCheckBox* tick;
        const char* table;
        const char* prefix;
        const char* others;
        const char* condition;
    } copies[] = {
        {CHK_DESCRIZIONI, "MG87_ARTDESC", "MG87",
         "MG87_OPZIONE_MG5E, MG87_LINGUA_MG52, MG87_DESCART, MG87_DESCARTEST, MG87_NOTEART",
         " AND (MG87_OPZIONE_MG5E <> '' OR MG87_LINGUA_MG52 <> '')"},
        {CHK_VARIANTI, "MG6B_GESVARART", "MG6B",
         "MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, MG6B_INDOBBLIG, "
         "MG6B_INDDEFAULT, MG6B_VARDEFAULT, MG6B_INDEREDIBA",
         ""},
        {CHK_DATIPROD, "PD18_ARTPROD", "PD18", "PD18_CODCICLO, PD18_LOTTOECON, PD18_GGLAVORAZ", ""},
        {CHK_DISTINTA, "PD95_DISBA", "PD95",
         "PD95_OPZIONE, PD95_TIPO_DISTINTA, PD95_NRRIGA, PD95_CODCOMP_MG66, PD95_OPZCOMP, "
         "PD95_QTAUTIL, PD95_UM",
         ""},
    };
    for (const auto& c : copies)
        p.step([&] {
            if (!c.tick->isChecked())
                return;
            const std::string prefix = c.prefix, others = c.others;
            cn_.execute("INSERT INTO " + std::string(c.table) + " (" + prefix + "_DITTA_CG18, " +
                        prefix + "_CODART_MG66, " + others + ") SELECT " + prefix +
                        "_DITTA_CG18, " + quoted(code) + ", " + others + " FROM " + c.table +
                        where(prefix, prefix + "_CODART_MG66") + c.condition);
        });
    p.step([&] {
        cn_.commitTransaction();
        duplicato_ = true;
        nuovo_ = code;
    });
    if (!p.running() && cn_.transactionDepth() > 0)
        cn_.rollbackTransaction();
}

}  // namespace duplication
