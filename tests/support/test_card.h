#pragma once
// A small item card for the tab tests: the demo database in memory, the
// window services without a host, one item shown, the tabs built on pages of
// their own, and the loaded-item texts, side-bar calls and tab switches
// recorded.

#include <QCheckBox>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/item_card.h"
#include "common/window_services.h"
#include "demo/demo_database.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/company.h"
#include "platform/framework/component_registry.h"

namespace cardtest {

class TestCard : public common::ItemCard {
public:
    // The demo database in memory, or an existing database file.
    explicit TestCard(std::string ditta = "1", const std::string& database = "")
        : ditta_(std::move(ditta)) {
        if (database.empty()) {
            cn_.open("Data Source=:memory:");
            demo::createSchema(cn_);
            demo::loadSampleData(cn_);
        } else {
            cn_.open("Data Source=" + database);
        }
        window_.setWindowTitle("Scheda prodotto");
        services_.setConnection(&cn_);
        services_.setWindow(&window_);
        chk_ = new QCheckBox(&window_);
        company_ = framework::Company::Load(cn_, ditta_);
    }
    ~TestCard() override {
        for (auto& t : tabs_)
            if (t)
                t->release();
        tabs_ = {};
    }

    // Creates the tab of that index from its registration and builds its page.
    template <class T>
    T& addTab(int index) {
        const common::CardTabFactory* f = common::cardTabFactory(index);
        tabs_[index] = (*f)(*this);
        pages_[index] = new QWidget(&window_);
        tabs_[index]->build(pages_[index]);
        return static_cast<T&>(*tabs_[index]);
    }

    // Shows an item as FME_ART_ChangeStatus does.
    void showItem(const std::string& code) {
        item_ = code;
        if (itemRs_.isOpen())
            itemRs_.close();
        itemRs_.open("SELECT * FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = " + ditta_ +
                         " AND MG66_CODART = '" + code + "'",
                     cn_);
        if (itemRs_.recordCount() > 0) {
            itemRs_.moveFirst();
            auto d = itemRs_.value("MG66_FLGVARART").toDecimal();
            chk_->setChecked(d && !d->isZero());
        }
    }

    db::Connection& connection() override { return cn_; }
    const std::string& connectionString() const override { return cn_.connectionString(); }
    const std::string& companyCode() const override { return ditta_; }
    const std::string& currentItem() const override { return item_; }
    framework::Cinterface* Pcls_Interface() const override { return nullptr; }
    common::WindowServices& services() override { return services_; }
    QWidget* widget() override { return &window_; }
    controls::RecordFrame* FME_ART() override { return nullptr; }
    db::Recordset* itemRecordset() override { return &itemRs_; }
    QCheckBox* CHK_FLGVARART() override { return chk_; }
    bool CheckArtVariante() override { return false; }
    void ConfiguraSidebar(bool reselect) override {
        ++sidebarCalls;
        lastSidebarArg = reselect;
    }
    controls::ProgressPanel* KOV_PROGRESS1() override { return nullptr; }
    // Moves to another item as the window does after a duplication; the codes
    // are recorded.
    bool switchToItem(const std::string& code) override {
        switchedTo.push_back(code);
        showItem(code);
        return itemRs_.recordCount() > 0;
    }
    std::vector<std::string> switchedTo;
    const framework::Company& company() const override { return company_; }
    framework::Company& mutableCompany() { return company_; }
    std::unique_ptr<framework::Cinterface> createSibling(const std::string& progId) override {
        auto sibling = framework::CreateObject(progId);
        framework::HandContext(*sibling, &cn_, nullptr, &company_, ditta_, "");
        return sibling;
    }
    // Programs opened, with their context; none is shown.
    void openProgram(const std::string& programId,
                     const framework::ProgramContext& context) override {
        programs.emplace_back(programId, context);
    }
    std::vector<std::pair<std::string, framework::ProgramContext>> programs;

    const std::string& loadedItem(int tab) const override { return loaded_.at(tab); }
    void setLoadedItem(int tab) override {
        if (tab >= 0 && tab < common::kLoadedItemTabs)
            loaded_[tab] = item_;
    }
    void clearLoadedItem(int tab) override {
        if (tab >= 0 && tab < common::kLoadedItemTabs)
            loaded_[tab].clear();
    }
    void markAllLoaded() {
        for (auto& l : loaded_)
            l = item_;
    }
    void PulisciTab(int index) override {
        ++cleared[index];
        if (index >= 0 && index < common::kTabCount && tabs_[index])
            tabs_[index]->clear();
    }
    common::CardTab* tab(int index) const override { return tabs_.at(index).get(); }
    int currentTab() const override { return current_; }
    void selectTab(int index) override {
        current_ = index;
        ++switches;
        if (tabs_[index])
            tabs_[index]->load();
    }

    int sidebarCalls = 0;
    bool lastSidebarArg = false;
    int switches = 0;
    std::map<int, int> cleared;

protected:
    std::shared_ptr<void>& sharedSlot(std::type_index type) override { return shared_[type]; }

private:
    db::Connection cn_;
    std::string ditta_;
    std::string item_;
    common::WindowServices services_;
    QWidget window_;
    QCheckBox* chk_ = nullptr;
    db::Recordset itemRs_;
    framework::Company company_;
    std::array<std::string, common::kLoadedItemTabs> loaded_{};
    std::array<std::unique_ptr<common::CardTab>, common::kTabCount> tabs_{};
    std::array<QWidget*, common::kTabCount> pages_{};
    std::map<std::type_index, std::shared_ptr<void>> shared_;
    int current_ = 0;
};

// A fresh demo database in a file of the folder, for tests that need the
// data to outlive a connection (a lost link reopens the file).
inline std::string demoFile(const std::string& folder) {
    static int made = 0;
    const std::string path = folder + "/demo-" + std::to_string(++made) + ".db";
    demo::createDemoDatabase(path);
    return path;
}

// The host's message boxes and error report, scripted: the next answers
// given, and the texts shown since the last clear.
void queueAnswer(int button);
std::vector<std::string> shownMessages();
void clearMessages();
// Runs while an error report is shown, before it is answered (as a user
// might end the other work that held a lock); clearMessages() removes it.
void beforeErrorAnswer(std::function<void(const common::RapportoErrore&)> hook);
// Runs while a message box is shown, before it is answered (what the card
// shows behind the question); clearMessages() removes it.
void whileMessageShown(std::function<void(const std::string&)> hook);
inline bool shown(const std::string& part) {
    for (const auto& m : shownMessages())
        if (m.find(part) != std::string::npos)
            return true;
    return false;
}

// The name of a report's answer, for the trace of a test that tries each.
inline const char* answerName(int answer) {
    return answer == common::vbAbort ? "abort" : answer == common::vbRetry ? "retry" : "ignore";
}

// The first value of a query; Empty without rows.
inline db::Value scalar(db::Connection& cn, const std::string& sql) {
    for (const auto& set : cn.run(sql).resultSets)
        return set.rows.empty() ? db::Value() : set.rows.front().front();
    return db::Value();
}

inline long long count(db::Connection& cn, const std::string& table, const std::string& where) {
    return scalar(cn, "SELECT COUNT(*) FROM " + table + " WHERE " + where)
        .toDecimal()
        .value()
        .toInt64()
        .value();
}

// Every row of a query as one text ("a|b;c|d;"), to compare a table's
// content before and after a command.
inline std::string snapshot(db::Connection& cn, const std::string& sql) {
    std::string out;
    for (const auto& set : cn.run(sql).resultSets)
        for (const auto& row : set.rows) {
            for (const auto& v : row)
                out += (v.isNull() ? std::string("NULL") : v.toText()) + "|";
            out += ";";
        }
    return out;
}

inline std::string text(const db::Value& v) {
    return db::rtrim(v.toText());
}

// Every row of a query as a line "a|b|", trailing blanks dropped.
inline std::vector<std::string> rowLines(db::Connection& cn, const std::string& sql) {
    std::vector<std::string> out;
    for (const auto& set : cn.run(sql).resultSets)
        for (const auto& row : set.rows) {
            std::string line;
            for (const auto& v : row)
                line += text(v) + "|";
            out.push_back(line);
        }
    return out;
}

}  // namespace cardtest
