#pragma once
// Helpers of the exchange tests: the demo database in memory, files in a
// temporary folder chosen instead of the file dialogs, the messages shown,
// and programs run for an independent look at the files written.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "demo/demo_database.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/connection.h"
#include "platform/framework/multilingual.h"

namespace exchangetest {

inline void openDemo(db::Connection& connection) {
    connection.open("Data Source=:memory:");
    demo::createSchema(connection);
    demo::loadSampleData(connection);
}

// Standard output of a command; "" when it cannot run.
inline std::string output(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, p))
            out.append(buffer, n);
        pclose(p);
    }
    return out;
}

// The message boxes of the framework answered from a list, their texts kept.
struct Messages : framework::MessageBoxService {
    std::vector<std::string> texts;
    std::vector<int> answers;
    Messages() { framework::SetMessageBoxService(this); }
    ~Messages() override { framework::SetMessageBoxService(nullptr); }
    int Show(const std::string& text, int, const std::string&) override {
        texts.push_back(text);
        if (answers.empty())
            return 1;
        const int a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
};

// The file dialogs answer with this path.
struct ChosenFile {
    explicit ChosenFile(const QString& path) {
        controls::SetFileChooser([path](bool, const QString&) { return path; });
    }
    ~ChosenFile() { controls::SetFileChooser(nullptr); }
};

}  // namespace exchangetest
