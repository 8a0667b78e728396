#pragma once
// The demo database's SQL scripts, built into the library.

#include <string_view>

namespace demo {

std::string_view schemaSql();            // CREATE TABLE batches separated by GO
std::string_view sampleDataSql();        // INSERT batches separated by GO
std::string_view sqlServerObjectsSql();  // functions and procedure for a real SQL Server
// Changes whenever any of the scripts above changes (a hash of them, never 0).
int scriptsVersion();

}  // namespace demo
