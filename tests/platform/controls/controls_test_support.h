#pragma once
// Helpers of the controls tests: the demo database in memory, the error
// report answered from a script, and input as the user gives it.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "demo/demo_database.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/error_report.h"

namespace controls::test {

constexpr int kAbort = 3;
constexpr int kRetry = 4;
constexpr int kIgnore = 5;

inline void openDemo(db::Connection& connection) {
    connection.open("Data Source=:memory:");
    demo::createSchema(connection);
    demo::loadSampleData(connection);
}

// First value of a query, trailing blanks dropped; "" when there is no row.
inline std::string scalar(db::Connection& connection, const std::string& sql) {
    db::Recordset rs;
    rs.open(sql, connection);
    if (rs.recordCount() == 0)
        return {};
    std::string s = rs.valueAt(0, 0).toText();
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// Installed for the life of a test: every report is kept and answered from
// the queue (abort when it is empty); before answering, `before` may take
// the cause of the failure away.
class ScriptedReports : public framework::ErrorReportPresenter {
public:
    ScriptedReports() { framework::SetErrorReportPresenter(this); }
    ~ScriptedReports() override { framework::SetErrorReportPresenter(nullptr); }
    ScriptedReports(const ScriptedReports&) = delete;
    ScriptedReports& operator=(const ScriptedReports&) = delete;
    int Present(const framework::ErrorReportData& report) override {
        reports.push_back(report);
        if (before)
            before();
        if (answers.empty())
            return kAbort;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<framework::ErrorReportData> reports;
    std::deque<int> answers;
    std::function<void()> before;
};

inline void pressKey(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

inline void click(QWidget* target, QPoint at) {
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// As the user types into a box: the text changes and the box says it was edited.
inline void typeInto(QLineEdit* box, const QString& text) {
    box->setText(text);
    emit box->textEdited(text);
}

}  // namespace controls::test
