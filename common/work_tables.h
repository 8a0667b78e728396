#pragma once
// Names for the work tables' constraints. Each session names its constraint
// anew: a fixed name would clash with another session's work table.

#include <string>

#include "platform/db/date_time.h"

namespace db {
class Connection;
}

namespace common {

// "PK" + the 32 hexadecimal digits of a NEWID() text ("" when none are left).
std::string WorkTableKeyName(const std::string& newId);
// "PK" + the date and time as YYYYMMDDHHNNSS: the name when no NEWID() is read.
std::string WorkTableKeyNameAt(const db::DateTime& now);
// A new identifier from the database's NEWID() ("" when it cannot give one).
std::string NewId(db::Connection& cn);
// A new constraint name from NewId(), or from the time when the database
// gives none.
std::string NewWorkTableKeyName(db::Connection& cn);

}  // namespace common
