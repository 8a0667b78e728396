#include "tests/window/card_window.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include "demo/demo_database.h"
#include "tests/support/test_card.h"

namespace cardtest {

void DemoFileTest::SetUpTestSuite() {
    dir = new QTemporaryDir;
    path = dir->filePath("demo.db").toStdString();
    demo::createDemoDatabase(path);
}

void DemoFileTest::TearDownTestSuite() {
    delete dir;
    dir = nullptr;
}

void CardWindowTest::SetUp() {
    clearMessages();
    w = std::make_unique<card::FRMMG_VELDRANO>();
    w->setContext("Data Source=" + path, "1");
    w->Form_Load();
    w->show();
    w->Form_Activate();
}

void CardWindowTest::TearDown() {
    w.reset();
    clearMessages();
}

void CardWindowReaderTest::SetUp() {
    CardWindowTest::SetUp();
    cn.open("Data Source=" + path);
}

void CardWindowTest::choose(const std::string& item) {
    w->TXT_CODART()->setText(QString::fromStdString(item));
    w->TXT_CODART_Confirm(item);
}

}  // namespace cardtest
