#pragma once
// Connection strings carry passwords. Anything the layer puts into a message
// (errors, reports, traces, logs, the host's status bar) shows a connection
// string through maskCredentials: the value of every PWD or Password key,
// in any case, becomes "****".

#include <string>
#include <vector>

#include "platform/db/errors.h"

namespace db {

std::string maskCredentials(const std::string& text);

// The failure of opening a connection as the user is told about it: every
// message masked, each SQLSTATE once (the first message of each).
DbError connectionFailure(const DbError& error);

// "SQLSTATE xxxxx: message" of every provider error of a failure, one per line:
// what a program prints after its own (catalogue) text.
std::string describeFailure(const DbError& error);

}  // namespace db
