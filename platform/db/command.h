#pragma once
// A statement to run on a connection, as the host's command objects hold it:
// the text, how it is run, and whether it returns records.

#include <string>
#include <utility>

#include "platform/db/backend.h"

namespace db {

class Connection;
class Recordset;

class Command {
public:
    // Options of the host's command objects, combined as there:
    // kText (1) | kExecuteNoRecords (128) = 129 runs text without a result.
    static constexpr int kText = 1;
    static constexpr int kExecuteNoRecords = 128;

    explicit Command(Connection& connection, std::string text = {}, int options = kText)
        : connection_(&connection), text_(std::move(text)), options_(options) {}

    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    int options() const { return options_; }
    void setOptions(int options) { options_ = options; }
    Connection& connection() const { return *connection_; }

    // Runs the text; answers the rows affected. Result sets, when the
    // options do not say "no records", come back through run().
    long long execute();
    BatchResult run();
    // Opens the recordset on the text (its last result set).
    void open(Recordset& recordset);

private:
    Connection* connection_;
    std::string text_;
    int options_;
};

}  // namespace db
