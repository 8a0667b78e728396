#pragma once
// The host database's own programmable objects for the embedded backend: the
// table-valued functions that describe an item's classification
// (dbo.FNMG53_FAMIGLIE ... dbo.FNMG77_GRUSTAT4, DBO.FNCG28_TABCODIVA) and the
// procedure SPMG_COMBIVAR that lists an item's variant structure. A real SQL
// Server gets the same objects from demo/sql/sqlserver_objects.sql.

namespace demo {

// Registers every object with the database layer's process-wide registry.
// Calling it again is harmless.
void registerHostObjects();

}  // namespace demo
