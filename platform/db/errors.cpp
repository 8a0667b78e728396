#include "platform/db/errors.h"

namespace db {
namespace {

// The text the error report shows: the provider's own message, tagged with
// its SQLSTATE so that a report pasted by a user says what kind of failure it was.
std::string describe(const std::vector<ProviderError>& errors) {
    if (errors.empty())
        return "Errore del database";
    const ProviderError& first = errors.front();
    std::string text = first.message.empty() ? "Errore del database" : first.message;
    if (!first.sqlState.empty())
        text += " [" + first.sqlState + "]";
    return text;
}

}  // namespace

DbError::DbError(std::vector<ProviderError> errors, std::string statement)
    : std::runtime_error(describe(errors)),
      errors_(std::move(errors)),
      statement_(std::move(statement)) {}

const std::string& DbError::sqlState() const {
    static const std::string kNone;
    return errors_.empty() ? kNone : errors_.front().sqlState;
}

}  // namespace db
