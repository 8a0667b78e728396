#!/bin/sh
# Creates the demo database on a SQL Server and loads it: tables, the host's
# functions and procedure, and the sample companies. Every script runs
# through the item card's own SQL shell on ODBC (FreeTDS), so the text that
# reaches the server is the text in demo/sql.
#
#   demo/sqlserver_load.sh "Driver=FreeTDS;Server=HOST;Port=1433;UID=USER;PWD=PASSWORD;TDS_Version=7.4;ClientCharset=UTF-8" [VELDRANO-SQL]
#
# The connection string names no database: the script uses master to create
# VELDRANO_DEMO and then that database. VELDRANO-SQL defaults to
# build/bin/veldrano-sql next to this folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
server=${1:?give the ODBC connection string of the server}
shell=${2:-$here/../build/bin/veldrano-sql}

"$shell" --db "$server;Database=master" --file "$here/sql/sqlserver_database.sql"
demo="$server;Database=VELDRANO_DEMO"
"$shell" --db "$demo" --file "$here/sql/schema.sql"
"$shell" --db "$demo" --file "$here/sql/sqlserver_objects.sql"
# The sample data writes dates as YYYY-MM-DD, which DATETIME reads by the
# session's date format.
{ echo "SET DATEFORMAT ymd"; cat "$here/sql/data.sql"; } | "$shell" --db "$demo" --file -
echo "VELDRANO_DEMO loaded. Open the card with:"
echo "  ./run --db \"$demo\""
