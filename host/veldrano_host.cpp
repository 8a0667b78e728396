// veldrano-host: a small host for the item card. A main window with the
// navigator's toolbar, a status bar and the company switch, the card opened
// inside it on the embedded demo database (or on --db CONNECTION).
//   --item CODE        open the card on that item
//   --screenshot DIR   render every tab on the item to DIR/tab-NN.png and exit

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <iostream>

#include "demo/demo_database.h"
#include "demo/host_objects.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "window/frmmg_veldrano.h"
#include "window/item_frame.h"

namespace {

std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string connectionString, item, shots;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--db" && i + 1 < argc)
            connectionString = argv[++i];
        else if (a == "--item" && i + 1 < argc)
            item = argv[++i];
        else if (a == "--screenshot" && i + 1 < argc)
            shots = argv[++i];
        else {
            std::cerr
                << "uso: veldrano-host [--db CONNESSIONE] [--item CODICE] [--screenshot DIR]\n";
            return 2;
        }
    }
    try {
        demo::registerHostObjects();
        if (connectionString.empty()) {
            std::string path = demo::defaultDatabasePath();
            QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
            demo::createDemoDatabase(path);
            connectionString = "Data Source=" + path;
        }

        // Companies for the switch.
        db::Connection host;
        host.open(connectionString);
        db::Recordset ditte;
        ditte.open("SELECT CG18_DITTA, CG18_RAGSOC FROM CG18_ANADITTABASE ORDER BY CG18_DITTA",
                   host);

        QMainWindow main;
        main.setWindowTitle("Veldrano");
        auto* bar = main.addToolBar("Navigatore");
        auto* company = new QComboBox(&main);
        for (long r = 0; r < ditte.recordCount(); ++r)
            company->addItem(QString::fromStdString(rtrim(ditte.valueAt(r, 1).toText())),
                             QString::fromStdString(rtrim(ditte.valueAt(r, 0).toText())));

        auto* card = new card::FRMMG_VELDRANO;
        std::string ditta = company->count() ? company->itemData(0).toString().toStdString() : "1";
        card->setContext(connectionString, ditta, !item.empty(), item);
        card->Form_Load();
        main.setCentralWidget(card);

        auto frame = [card] { return card->itemFrame(); };
        bar->addAction("Primo", [=] { frame()->moveFirst(); });
        bar->addAction("Precedente", [=] { frame()->movePrevious(); });
        bar->addAction("Successivo", [=] { frame()->moveNext(); });
        bar->addAction("Ultimo", [=] { frame()->moveLast(); });
        bar->addSeparator();
        bar->addAction("Nuovo", [=] { card->CMD_NUOVO_Click(); });
        bar->addAction("Salva", [=] { frame()->saveIfNeeded(false, false, false); });
        bar->addAction("Elimina", [] {})->setEnabled(false);  // the card deletes no items
        bar->addAction("Annulla", [=] { frame()->undo(); });
        bar->addAction("Ricerca", [=] { card->CMD_NUOVO_Click(); });
        bar->addAction("Multimedia", [] {})->setEnabled(false);
        bar->addSeparator();
        bar->addWidget(company);
        QObject::connect(
            company, QOverload<int>::of(&QComboBox::activated), &main, [=, &main](int) {
                if (card->Update()) {
                    main.statusBar()->showMessage("Cambio ditta annullato: modifiche in sospeso");
                    return;
                }
                card->setContext(card->connectionString(),
                                 company->currentData().toString().toStdString());
                card->FME_ART_Requery();
                card->CMD_NUOVO_Click();
            });
        main.statusBar()->showMessage(QString::fromStdString("Database: " + connectionString));
        main.resize(1200, 760);
        main.show();
        card->Form_Activate();

        if (!shots.empty()) {
            QDir().mkpath(QString::fromStdString(shots));
            if (card->currentItem().empty() && card->itemFrame())
                card->itemFrame()->moveFirst();
            for (int i = 0; i < common::kTabCount; ++i) {
                card->selectTab(i);
                app.processEvents();
                QString file = QString::fromStdString(shots) +
                               QString("/tab-%1.png").arg(i, 2, 10, QChar('0'));
                main.grab().save(file);
            }
            card->close();
            return 0;
        }
        return app.exec();
    } catch (const std::exception& e) {
        std::cerr << "veldrano-host: " << e.what() << "\n";
        return 1;
    }
}
