#pragma once
// A connection whose link goes down in the middle of a command, as a
// network failure takes it: the statement fails with 08S01 and the
// transaction goes with the link.

#include <string>

#include "platform/db/connection.h"

namespace cardtest {

// The link drops at the first statement holding `match` after `skip` such
// statements went through.
inline void dropLinkAt(db::Connection& cn, const std::string& match, int skip = 0) {
    db::Connection::Fault lost;
    lost.match = match;
    lost.skip = skip;
    lost.dropsLink = true;
    cn.injectFault(lost);
}

}  // namespace cardtest
