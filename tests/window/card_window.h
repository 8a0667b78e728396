#pragma once
// The real item card window for a test suite: a demo database file made once
// per suite, and before each test a window loaded, shown and activated on it
// for company 1, as the host opens it. Suites that open windows their own way
// take just the file (DemoFileTest).

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/db/connection.h"
#include "window/frmmg_veldrano.h"

class QTemporaryDir;

namespace cardtest {

class DemoFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static inline QTemporaryDir* dir = nullptr;
    static inline std::string path;  // the suite's database file
};

class CardWindowTest : public DemoFileTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types an item code and confirms it, as the user does.
    void choose(const std::string& item);

    std::unique_ptr<card::FRMMG_VELDRANO> w;
};

// The window, and a second session on its file that reads what the window
// wrote.
class CardWindowReaderTest : public CardWindowTest {
protected:
    void SetUp() override;

    db::Connection cn;
};

}  // namespace cardtest
