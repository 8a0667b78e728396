// veldrano-host: a small host of the item card, as the application's own
// host would run it. It makes the global object (connection string, company
// from the database, message catalogue), the navigator with its toolbar
// acting on the active record frame, the status bar and the company switch;
// loads the component library, creates the card by its identifier, sets its
// properties, attaches the navigator and shows it.
//   --db CONNECTION    the database (default: the embedded demo database)
//   --ditta CODE       the company (default: the first one)
//   --item CODE        open the card on that item (IsCalled + CodiceArticolo)
//   --screenshot DIR   render every tab of the card to DIR/tab-NN.png and exit
//   --size WxH         the card's size, shown or in the screenshots (1024x768)
//   --layout FILE      where the windows' layout is kept between runs
//                      (default: the user's settings of the host)
//   --lingua CODE      the user's language: IT (default) or EN
//   --readonly         the card shows everything and writes nothing
//   --help             this usage

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iostream>

#include "demo/demo_database.h"
#include "host/demo_images.h"
#include "host/frame_actions.h"
#include "host/host_programs.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/credentials.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/global.h"
#include "platform/framework/menu_entry.h"
#include "platform/framework/navigator.h"
#include "platform/framework/object_models.h"
#include "platform/framework/qt_translation.h"

namespace {

constexpr const char* kCard = "ZOLT_VELDRANO.CLSMG_VELDRANO";

constexpr const char* kUsage =
    "uso: veldrano-host [--db CONNESSIONE] [--ditta CODICE] [--item CODICE]\n"
    "                  [--screenshot DIR] [--size LARGHEZZAxALTEZZA] [--layout FILE]\n"
    "                  [--lingua IT|EN] [--readonly] [--help]\n"
    "  --db CONNESSIONE   il database (predefinito: il database dimostrativo)\n"
    "  --ditta CODICE     la ditta (predefinita: la prima)\n"
    "  --item CODICE      apre la scheda su quell'articolo\n"
    "  --screenshot DIR   salva ogni scheda in DIR/tab-NN.png ed esce\n"
    "  --size LxA         dimensione della scheda, a video o nelle immagini\n"
    "  --layout FILE      dove si conserva la disposizione delle finestre\n"
    "  --lingua IT|EN     lingua dell'utente (predefinita: IT)\n"
    "  --readonly         la scheda mostra tutto e non scrive nulla\n";

struct Options {
    std::string connectionString, company, item, screenshots, layout, language = "IT";
    QSize size;
    bool readOnly = false;  // the card is launched without the rights to write
};

// "1024x768" -> 1024 x 768; an empty size for anything else.
QSize parseSize(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('x'));
    if (parts.size() != 2)
        return {};
    bool okW = false, okH = false;
    const int w = parts[0].toInt(&okW), h = parts[1].toInt(&okH);
    if (!okW || !okH || w < 320 || h < 240 || w > 7680 || h > 4320)
        return {};
    return {w, h};
}

using db::rtrim;

std::string first(db::Connection& cn, const std::string& sql) {
    db::Recordset rs;
    rs.open(sql, cn);
    return rs.recordCount() > 0 ? rtrim(rs.valueAt(0, 0).toText()) : std::string();
}

// The catalogue shipped with the host, in the user's language: next to the
// program once installed, in the source tree while it runs from the build.
std::string catalogueFile(const std::string& language = "IT") {
    const QString name =
        language == "EN" ? QStringLiteral("messages_en.tsv") : QStringLiteral("messages.tsv");
    const QString app = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {app + "/../share/veldrano/" + name, QStringLiteral(VELDRANO_SOURCE_DIR "/demo/") + name})
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).absoluteFilePath().toStdString();
    return {};
}

// The host's message for a database it cannot open (catalogue 91506), with
// the provider's errors after it.
std::string connectionFailureText(const db::DbError& e) {
    framework::Catalogue catalogue;
    if (const std::string file = catalogueFile(); !file.empty()) {
        try {
            catalogue = framework::Catalogue::FromFile(file);
        } catch (const std::exception&) {
        }
    }
    return catalogue.Text(
        91506, {db::Value(db::describeFailure(e))},
        "Impossibile aprire la connessione al database:\n" + db::describeFailure(e));
}

// Component libraries live in the build's lib folder, or next to the program.
void loadComponents() {
    const QString app = QCoreApplication::applicationDirPath();
    for (const QString& folder : {app + "/../lib", app})
        if (QDir(folder).exists() && framework::LoadComponentLibraries(folder.toStdString()) > 0)
            return;
    throw framework::ComponentError("Nessuna libreria di componenti trovata accanto a " +
                                    app.toStdString());
}

// An item whose variants are managed, so that the tabs show data.
std::string variantItem(db::Connection& cn, const std::string& company) {
    return first(cn,
                 "SELECT TOP 1 MG66_CODART FROM MG66_ANAGRART WITH (NOLOCK) "
                 "WHERE MG66_DITTA_CG18 = " +
                     company +
                     " AND MG66_FLGVARART = 1 AND EXISTS (SELECT 1 FROM MG6B_GESVARART "
                     "WHERE MG6B_DITTA_CG18 = MG66_DITTA_CG18 AND MG6B_CODART_MG66 = MG66_CODART "
                     "AND MG6B_FLGGESTVAR = 1) ORDER BY MG66_CODART");
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool value = i + 1 < argc;
        if (a == "--db" && value)
            o.connectionString = argv[++i];
        else if (a == "--ditta" && value)
            o.company = argv[++i];
        else if (a == "--item" && value)
            o.item = argv[++i];
        else if (a == "--screenshot" && value)
            o.screenshots = argv[++i];
        else if (a == "--layout" && value)
            o.layout = argv[++i];
        else if (a == "--lingua" && value) {
            o.language = QString::fromUtf8(argv[++i]).toUpper().toStdString();
            if (o.language != "IT" && o.language != "EN") {
                std::cerr << "veldrano-host: lingua non disponibile: " << argv[i] << " (IT o EN)\n";
                return false;
            }
        } else if (a == "--readonly")
            o.readOnly = true;
        else if (a == "--size" && value) {
            o.size = parseSize(argv[++i]);
            if (!o.size.isValid()) {
                std::cerr << "veldrano-host: dimensione non valida: " << argv[i]
                          << " (attesa LARGHEZZAxALTEZZA, da 320x240 a 7680x4320)\n";
                return false;
            }
        } else
            return false;
    }
    return true;
}

// Chooses an entry of a combo box of the card as a user would.
void choose(QWidget& window, const char* name, int index) {
    auto* box = window.findChild<QComboBox*>(name);
    if (!box || index >= box->count())
        return;
    box->setCurrentIndex(index);
    emit box->activated(index);
    QApplication::processEvents();
}

// Every tab of the card, one picture each, through the window's scriptable
// tab choice. The combinations tab opens on one variant twice, which shows
// nothing: its picture crosses the first two variants in a grid.
void screenshots(QWidget& window, const std::string& folder, QSize size) {
    QDir().mkpath(QString::fromStdString(folder));
    if (size.isValid()) {
        window.resize(size);
        QApplication::processEvents();
    }
    for (int i = 0; i < 13; ++i) {
        QMetaObject::invokeMethod(&window, "selectTab", Q_ARG(int, i));
        QApplication::processEvents();
        if (i == 6) {
            choose(window, "CBO_TIPOCOMBINAZIONE", 0);
            choose(window, "CBO_TIPOVAR6_2", 1);
        }
        const QString file =
            QString::fromStdString(folder) + QString("/tab-%1.png").arg(i, 2, 10, QChar('0'));
        if (!window.grab().save(file))
            throw std::runtime_error("Impossibile salvare " + file.toStdString());
    }
}

// Whether Qt can show windows here: a platform chosen, or a display to use.
bool displayAvailable() {
#if defined(Q_OS_LINUX)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// The card below the host's main window, so the navigator is never under it,
// at the size asked for; on a short screen it gives up height (never below its
// minimum) rather than hang its command row off the bottom edge.
void placeCard(const QMainWindow& main, QSize size) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "FRMMG_VELDRANO" && w->isVisible()) {
            if (size.isValid())
                w->resize(size);
            const QRect host = main.frameGeometry();
            w->move(host.left(), host.bottom() + 1);
            const QScreen* screen = main.screen();
            if (screen == nullptr)
                continue;
            const QRect room = screen->availableGeometry();
            const int frame = w->frameGeometry().height() - w->height();
            const int fit = room.bottom() - host.bottom() - frame;
            if (w->height() > fit)
                w->resize(w->width(), std::max(fit, w->minimumSizeHint().height()));
        }
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            std::cout << kUsage;
            return 0;
        }
    if (!displayAvailable()) {
        std::cerr
            << "veldrano-host: nessun display disponibile. Per disegnare la scheda fuori "
               "schermo: QT_QPA_PLATFORM=offscreen ./run --screenshot DIR [--size 1024x768]\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Veldrano");
    QApplication::setApplicationName("veldrano-host");
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    // Qt's own texts (Yes/No, file dialogs) in the user's language.
    if (!framework::InstallQtTranslation(options.language))
        std::cerr << "veldrano-host: traduzioni di Qt non installate (qt6-translations-l10n)\n";
    try {
        host::RegisterHostPrograms();
        const bool demoDatabase = options.connectionString.empty();
        if (demoDatabase) {
            const std::string path = demo::defaultDatabasePath();
            QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
            demo::createDemoDatabase(path);
            options.connectionString = "Data Source=" + path;
        }
        db::Connection database;
        try {
            database.open(options.connectionString);
        } catch (const db::DbError& e) {
            // Said once, in Italian, without the password; the exit status
            // tells a script that nothing was shown.
            std::cerr << "veldrano-host: " << connectionFailureText(e) << "\n";
            return 1;
        }
        if (options.company.empty())
            options.company =
                first(database, "SELECT CG18_DITTA FROM CG18_ANADITTABASE ORDER BY CG18_DITTA");

        // ---- the global object
        framework::Global global;
        global.SetApplicationName("Veldrano");
        global.SetConnectionString(options.connectionString);
        global.SetHostConnection(&database);
        global.SetCurrentCompany(framework::Company::Load(database, options.company));
        global.SetMediaFolder(
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                .filePath("media")
                .toStdString());
        if (demoDatabase)
            host::AddDemoImages(database, global.MediaFolder());
        if (const std::string file = catalogueFile(options.language); !file.empty())
            global.SetMultilingua(framework::Multilingual(framework::Catalogue::FromFile(file)));

        // ---- the main window: navigator, company switch, status bar
        QMainWindow main;
        main.setObjectName("FRMHOST");
        main.setWindowTitle("Veldrano");
        global.SetMainWindow(&main);
        framework::Navigator navigator;
        // The layout of the windows is the host's to keep; pictures are taken
        // at their own size and leave the user's layout alone.
        std::unique_ptr<QSettings> layoutSettings;
        if (!options.layout.empty())
            layoutSettings = std::make_unique<QSettings>(QString::fromStdString(options.layout),
                                                         QSettings::IniFormat);
        else if (options.screenshots.empty())
            layoutSettings = std::make_unique<QSettings>();
        auto layout = layoutSettings
                          ? std::make_unique<framework::LayoutModel>(std::move(layoutSettings))
                          : std::make_unique<framework::LayoutModel>();
        framework::ScriptModel script;
        navigator.SetLayoutModel(layout.get());
        navigator.SetScriptModel(&script);
        global.SetNavigator(&navigator);
        // The host's own words in the user's language, as the card's are.
        const auto caption = [&global](const QString& text) {
            return QString::fromStdString(global.Multilingua().Translate(text.toStdString()));
        };
        QToolBar* bar = navigator.CreateToolBar(&main);
        for (QAction* action : bar->actions()) {
            if (action->isSeparator())
                continue;
            action->setText(caption(action->text()));
            action->setToolTip(QStringLiteral("%1 (%2)").arg(
                caption(action->toolTip().section(QStringLiteral(" ("), 0, 0)),
                action->shortcut().toString()));
        }
        main.addToolBar(bar);
        auto* companies = new QComboBox(&main);
        companies->setObjectName("CBO_DITTA");
        {
            db::Recordset rs;
            rs.open("SELECT CG18_DITTA, CG18_RAGSOC FROM CG18_ANADITTABASE ORDER BY CG18_DITTA",
                    database);
            for (long r = 0; r < rs.recordCount(); ++r)
                companies->addItem(QString::fromStdString(rtrim(rs.valueAt(r, 1).toText())),
                                   QString::fromStdString(rtrim(rs.valueAt(r, 0).toText())));
            companies->setCurrentIndex(
                companies->findData(QString::fromStdString(options.company)));
        }
        bar->addSeparator();
        bar->addWidget(
            new QLabel(QStringLiteral(" %1 ").arg(caption(QStringLiteral("Ditta"))), &main));
        bar->addWidget(companies);
        auto* central = new QWidget(&main);
        auto* layoutBox = new QVBoxLayout(central);
        auto* open = new QPushButton(caption(QStringLiteral("Scheda prodotto varianti")), central);
        layoutBox->addWidget(new QLabel(caption(QStringLiteral("Programmi")), central));
        layoutBox->addWidget(open);
        layoutBox->addStretch(1);
        main.setCentralWidget(central);
        auto status = [&] {
            main.statusBar()->showMessage(
                QStringLiteral("%1 %2 - %3    Database: %4")
                    .arg(caption(QStringLiteral("Ditta")),
                         QString::fromStdString(global.CurrentCompany().Code()),
                         QString::fromStdString(global.CurrentCompany().Name()),
                         QString::fromStdString(db::maskCredentials(options.connectionString))));
        };
        status();
        main.resize(760, 180);

        // ---- the card, by identifier
        loadComponents();
        framework::MenuEntry entry("MG", "MG-ANAGRAFICHE", kCard, "Scheda prodotto varianti");
        std::unique_ptr<framework::Cinterface> card;
        auto showCard = [&](const std::string& item) {
            if (card && card->CloseForm().toText() != "True")
                return;  // the open card refused to close
            card = framework::CreateObject(kCard);
            card->SetClsGlobal(&global);
            card->SetConnection(&database);
            card->SetStatusBar(main.statusBar());
            // --readonly: the card may show everything and write nothing.
            card->SetCanInsert(!options.readOnly);
            card->SetCanDelete(!options.readOnly);
            card->SetCanUpdate(!options.readOnly);
            card->SetCanQbe(true);
            card->SetWindowState(0);
            card->SetWindowModal(false);
            card->SetMenuModulo(db::Value(entry.Modulo()));
            card->SetMenuPadre(db::Value(entry.Padre()));
            card->SetMenuProg(db::Value(entry.Programma()));
            // The title in the user's language, as the host's menu shows it.
            card->SetCaption(
                db::Value(caption(QString::fromStdString(entry.Descrizione())).toStdString()));
            card->SethwndParent(static_cast<std::int32_t>(main.winId()));
            card->SetTop(db::Value(0));
            card->SetLeft(db::Value(0));
            card->SetClsVoceMenu(&entry);
            card->SetIsActive(true);
            card->SetIsCalled(!item.empty());
            card->SetProperty("CodiceArticolo", db::Value(item));
            card->SetActiveNavigator(&navigator);
            global.SetActiveComponent(card.get());
            card->ShowForm();
        };

        // The record buttons act on the frame the active component shows.
        QPointer<controls::RecordFrame> watched;
        QMetaObject::Connection watching;
        auto activeFrame = [&]() -> controls::RecordFrame* {
            framework::Cinterface* active = global.ActiveComponent();
            return active ? active->ActiveFrame() : nullptr;
        };
        QObject::connect(&navigator, &framework::Navigator::ButtonAction, &main, [&](int button) {
            if (controls::RecordFrame* frame = activeFrame()) {
                host::ActOnFrame(*frame, button, global.Multilingua(),
                                 QApplication::activeWindow());
                if ((frame = activeFrame())) {
                    navigator.SetStatus(frame->Status());
                    navigator.Refresh();
                }
            }
        });
        // The toolbar follows the active frame's status as the user edits.
        QObject::connect(&navigator, &framework::Navigator::Refreshed, &main, [&] {
            controls::RecordFrame* frame = activeFrame();
            if (frame == watched)
                return;
            QObject::disconnect(watching);
            watched = frame;
            navigator.SetAllowed(!frame || frame->AllowInsert(), !frame || frame->AllowDelete());
            if (frame)
                watching = QObject::connect(
                    frame, &controls::RecordFrame::changeStatus, &main, [&, frame](int s) {
                        navigator.SetAllowed(frame->AllowInsert(), frame->AllowDelete());
                        navigator.SetStatus(static_cast<short>(s));
                    });
        });
        QObject::connect(companies, QOverload<int>::of(&QComboBox::activated), &main, [&](int) {
            const std::string code = companies->currentData().toString().toStdString();
            if (code == global.CurrentCompany().Code())
                return;
            const bool changed = navigator.ChangeCompany(db::Value(code), [&] {
                global.SetCurrentCompany(framework::Company::Load(database, code));
            });
            if (!changed) {
                companies->setCurrentIndex(
                    companies->findData(QString::fromStdString(global.CurrentCompany().Code())));
                main.statusBar()->showMessage("Cambio ditta annullato: modifiche in sospeso", 5000);
                return;
            }
            status();
        });
        QObject::connect(open, &QPushButton::clicked, &main, [&] { showCard({}); });

        if (!options.screenshots.empty()) {
            std::string item = options.item.empty()
                                   ? variantItem(database, global.CurrentCompany().Code())
                                   : options.item;
            showCard(item);
            QApplication::processEvents();
            QWidget* window = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "FRMMG_VELDRANO" && w->isVisible())
                    window = w;
            if (!window)
                throw std::runtime_error("La scheda prodotto non si è aperta");
            screenshots(*window, options.screenshots, options.size);
            card->CloseForm();
            return 0;
        }
        main.move(0, 0);
        main.show();
        showCard(options.item);
        placeCard(main, options.size);
        const int result = app.exec();
        if (card)
            card->CloseForm();
        return result;
    } catch (const std::exception& e) {
        std::cerr << "veldrano-host: " << e.what() << "\n";
        return 1;
    }
}
