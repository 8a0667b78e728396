#pragma once
// The item card opened as the demo host opens it: created by identifier,
// given the host's global object (the demo catalogue), the navigator with
// its toolbar, the connection and the rights of the launch, then shown.
// Messages and error reports are scripted (queueAnswer, shownMessages).

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>
#include <string>

#include "component/clsmg_veldrano.h"
#include "demo/demo_database.h"
#include "platform/db/connection.h"
#include "platform/framework/component_registry.h"
#include "platform/framework/global.h"
#include "platform/framework/menu_entry.h"
#include "platform/framework/multilingual.h"
#include "platform/framework/navigator.h"
#include "tests/support/test_card.h"
#include "window/frmmg_veldrano.h"

namespace contracttest {

struct Rights {
    bool update = true, insert = true, del = true, qbe = true;
};

class HostedCard : public ::testing::Test {
protected:
    static void SetUpTestSuite() { component::RegisterComponents(); }

    void SetUp() override {
        cardtest::clearMessages();
        path = cardtest::demoFile(dir.path().toStdString());
        database.open("Data Source=" + path);
        global.SetConnectionString("Data Source=" + path);
        global.SetHostConnection(&database);
        global.SetCurrentCompany(framework::Company::Load(database, "1"));
        global.SetMultilingua(framework::Multilingual(catalogue()));
        global.SetNavigator(&navigator);
        toolbar.reset(navigator.CreateToolBar(nullptr));
    }

    void TearDown() override {
        if (card)
            card->CloseForm();
        card.reset();
        toolbar.reset();
        cardtest::clearMessages();
    }

    // The demo host's catalogue; tests may add to it before open().
    virtual framework::Catalogue catalogue() {
        return framework::Catalogue::FromFile(std::string(VELDRANO_SOURCE_DIR) +
                                              "/demo/messages.tsv");
    }

    void open(Rights rights = {}) {
        card = framework::CreateObject(component::kProgIdVeldrano);
        card->SetClsGlobal(&global);
        card->SetConnection(&database);
        card->SetCanUpdate(rights.update);
        card->SetCanInsert(rights.insert);
        card->SetCanDelete(rights.del);
        card->SetCanQbe(rights.qbe);
        card->SetCaption(db::Value("Scheda prodotto varianti"));
        card->SetClsVoceMenu(&entry);
        card->SetIsActive(true);
        card->SetActiveNavigator(&navigator);
        global.SetActiveComponent(card.get());
        card->ShowForm();
        QApplication::processEvents();
        w = static_cast<component::CLSMG_VELDRANO*>(card.get())->Finestra();
        ASSERT_NE(w, nullptr);
    }

    // Types the item code into the code box and presses Enter, as a user does.
    void choose(const std::string& item) {
        QLineEdit* code = w->TXT_CODART();
        code->setFocus();
        code->clear();
        QTest::keyClicks(code, QString::fromStdString(item));
        QTest::keyClick(code, Qt::Key_Return);
        QApplication::processEvents();
    }

    // Clicks a check box on its box, where a click toggles it.
    static void tick(QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QApplication::processEvents();
    }

    // A table's rows as one text, on the host's own connection.
    std::string rows(const std::string& sql) { return cardtest::snapshot(database, sql); }
    long long count(const std::string& table, const std::string& where) {
        return cardtest::count(database, table, where);
    }

    QTemporaryDir dir;
    std::string path;
    db::Connection database;
    framework::Global global;
    framework::Navigator navigator;
    std::unique_ptr<QToolBar> toolbar;
    framework::MenuEntry entry{"MG", "MG-ANAGRAFICHE", "ZOLT_VELDRANO.CLSMG_VELDRANO",
                               "Scheda prodotto varianti"};
    std::unique_ptr<framework::Cinterface> card;
    card::FRMMG_VELDRANO* w = nullptr;
};

}  // namespace contracttest
