#pragma once
// The database classes a header names only by pointer or reference, declared
// once for the headers of the card.

namespace db {
class Connection;
class Recordset;
}  // namespace db
