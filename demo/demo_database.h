#pragma once
// The demo database: the host application's tables with believable sample
// data for Maglificio Veldrano S.p.A. (company 1, item "MAGLIA-001" and
// others) and Sartoria Bellandi S.n.c. (company 2), and a generator of large
// databases for measurements.

#include <string>

#include "platform/db/forward.h"

namespace demo {

// Creates the tables (schema.sql) on an open connection.
void createSchema(db::Connection& connection);
// Inserts the sample data (data.sql); the tables must exist and be empty.
void loadSampleData(db::Connection& connection);

// Creates the demo database file from schema and data when it does not exist,
// is empty, or was made from other scripts (its stamp differs from
// demoVersion(): an older program's file lacks what this one reads); does
// nothing otherwise, so a current file keeps the user's changes. A new file
// is written beside the old one and takes its place once complete: on
// failure the old file is left as it was. The host database's procedure and
// functions are in the file, written by createSchema from the same T-SQL a
// real SQL Server is given.
void createDemoDatabase(const std::string& path);

// The stamp of the demo database this program makes (PRAGMA user_version),
// and the stamp of the file at path: 0 when it has none or is not a
// database.
int demoVersion();
int databaseVersion(const std::string& path);

// $XDG_DATA_HOME/veldrano/demo.db, or ~/.local/share/veldrano/demo.db.
std::string defaultDatabasePath();

struct LargeSizes {
    int variants = 20;                    // A0..A9, B0..B9 at most
    int options = 5000;                   // over all variants
    int items = 2000;                     // items managed by variants
    long long progressiveRows = 1000000;  // rows of MG70_MAGPROQTA
    // A few of each, for tests.
    static LargeSizes small();
};

// Writes a new database at path (replacing any file there) with the demo
// schema and one company (1) of generated variants, options, groupings,
// items (ART-000001 ...), descriptions and stock progressives; customers 1-20
// and suppliers 1-10 with a code of each kind for every item, transcodings of
// the first four variants, and the states of the combinations of the first
// item's first two variants. Throws std::invalid_argument when the sizes
// cannot be laid out (more than 20 variants, composed codes wider than 40
// characters, more progressives than distinct keys). The data depends only
// on the sizes: it is generated once into the temporary folder
// (veldrano-large/) and copied from there afterwards.
void generateLargeDatabase(const std::string& path, const LargeSizes& sizes = {});

}  // namespace demo
