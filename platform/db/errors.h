#pragma once
// Errors of the database layer. Every failing call throws DbError; the
// connection also keeps the provider's error collection of its last failure,
// as the error report reads it.

#include <stdexcept>
#include <string>
#include <vector>

namespace db {

struct ProviderError {
    std::string sqlState;  // five characters, "23000" for an integrity violation
    long nativeError = 0;  // the backend's own code (SQLite extended result code, ODBC native)
    std::string message;   // the backend's own message text
    std::string source;    // "SQLite", "ODBC", "T-SQL adapter", ...
};

class DbError : public std::runtime_error {
public:
    DbError(std::vector<ProviderError> errors, std::string statement);
    const std::vector<ProviderError>& errors() const { return errors_; }
    // SQLSTATE of the first provider error ("" when there is none).
    const std::string& sqlState() const;
    // The statement that failed (may be empty for connection-level errors).
    const std::string& statement() const { return statement_; }

private:
    std::vector<ProviderError> errors_;
    std::string statement_;
};

// Well-known SQLSTATE values the layer reports.
namespace sqlstate {
inline constexpr const char* kIntegrity = "23000";       // constraint / foreign key violation
inline constexpr const char* kSyntax = "42000";          // syntax error or unsupported construct
inline constexpr const char* kNoSuchObject = "42S02";    // table or view not found
inline constexpr const char* kNoSuchColumn = "42S22";    // column not found
inline constexpr const char* kConnection = "08001";      // could not open
inline constexpr const char* kConnectionLost = "08S01";  // link failure
inline constexpr const char* kBusy = "HYT00";            // timeout (database locked)
inline constexpr const char* kConversion = "22018";      // invalid character value for cast
inline constexpr const char* kTruncation = "22001";      // string data, right truncated
inline constexpr const char* kGeneral = "HY000";
}  // namespace sqlstate

// Whether an error is one of the connection itself, which a retry may
// overcome (link lost, timeout, deadlock), rather than of the data.
inline bool isConnectionFailure(const std::string& sqlState) {
    return sqlState.rfind("08", 0) == 0 || sqlState == sqlstate::kBusy || sqlState == "HYT01" ||
           sqlState == "40001";
}

}  // namespace db
