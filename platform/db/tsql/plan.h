#pragma once
// A T-SQL batch translated for SQLite: a tree of statements the embedded
// backend runs one by one. Literal strings of the batch become numbered
// parameters (?N is the N-th literal), so that one translation serves every
// statement of the same shape.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace db::tsql {

// Declared type of a column as T-SQL writes it: CHAR(20), DECIMAL(18,0).
struct TypeSpec {
    std::string name;  // upper case: CHAR, VARCHAR, DECIMAL, DATETIME, INT ...
    int length = 0;    // characters, or precision for DECIMAL; -1 for MAX
    int scale = 0;
    // An integer written as a number: its digits, the precision it takes
    // beside a decimal (2 in "1.0 / 2" is DECIMAL(1,0), not INT's 10).
    int digits = 0;
    std::string text() const;  // "CHAR(20)", "DECIMAL(18,0)", "INT"
    // The type a column is declared with in SQLite: text(), except that a
    // decimal with a scale keeps its values as floating point even when
    // they are whole ("DECIMAL FLOAT(10,2)"): SQLite would store 12.00 as
    // the integer 12, and 12.00 / 8 would divide as integers.
    std::string storage() const;
    bool isText() const;       // CHAR, VARCHAR, NCHAR, NVARCHAR, TEXT
    bool isFixedText() const;  // CHAR, NCHAR
    bool isBinary() const;     // BINARY, VARBINARY, IMAGE
    bool isDate() const;       // DATETIME, DATE, SMALLDATETIME
    // TIME, DATETIME2, DATETIMEOFFSET: `scale` holds the digits of their
    // fraction of a second (7 unless declared).
    bool isTime() const;
    bool isDecimal() const;  // DECIMAL, NUMERIC
    bool isInteger() const;  // BIGINT, INT, SMALLINT, TINYINT, BIT
    bool isMoney() const;    // MONEY, SMALLMONEY
};

// The type of a column as SQLite declares it in a table the adapter made:
// "DECIMAL FLOAT(10,2)" is DECIMAL(10,2).
TypeSpec typeOfDeclared(std::string_view declared);

struct ColumnDef {
    std::string name;
    TypeSpec type;
    bool notNull = false;
};

// An argument of EXEC: positional (no name) or @name = value; DEFAULT
// leaves the parameter its own default.
struct Argument {
    std::string name;            // the parameter, upper case with '@'; empty when positional
    std::string outputVariable;  // upper case with '@': the caller's variable OUTPUT fills
    bool isDefault = false;      // DEFAULT: no value in sql
};

struct Statement {
    enum class Kind {
        Query,          // sql runs as is; rows come back when it has columns
        SelectInto,     // sql is the SELECT whose rows fill the new table `table`
        CreateTable,    // sql creates `table` with `columns`
        InsertExec,     // rows of procedure `name`, args from sql ("SELECT a, b"), into `table`
        Exec,           // procedure `name` with args from sql; its rows come back
        AlterColumn,    // rebuild `table` with column columns[0] retyped
        AddPrimaryKey,  // rebuild `table` with primary key `keyColumns`
        If,             // sql answers 1 or 0; then `body`, else `elseBody`
        Block,          // body
        Begin,
        Commit,          // COMMIT [TRAN]: one level of BEGIN TRAN
        Rollback,        // ROLLBACK [TRAN [name]]: all levels, or back to savepoint `name`
        Save,            // SAVE TRAN name
        IdentityInsert,  // SET IDENTITY_INSERT `table` ON (sql "ON") or OFF
        Declare,         // variable `name` of columns[0].type; sql ("SELECT v") its first value
        SetVariable,     // `variables` take the values of sql's first row
        SelectAssign,    // `variables` take the values of sql's last row
        While,           // sql answers 1 or 0; `body` runs while it is 1
        Break,
        Continue,
        Return,        // with sql: the value a procedure or function returns
        DefineModule,  // sql is the CREATE/ALTER of a procedure, function, view or trigger
        DropModule,    // DROP `table` (PROCEDURE, FUNCTION, VIEW, TRIGGER) `name`
        Print,         // sql answers the text
        TryCatch,      // body; on an error, elseBody with ERROR_NUMBER() and the rest set
        Throw,         // sql answers number, message, state; without sql the error being handled
        Output,        // body[0] writes `table`; elseBody[0] reads what it wrote (OUTPUT)
        Merge,         // body: the steps of a MERGE into `table`; elseBody[0] as for Output
        Noop,
    };
    Kind kind = Kind::Noop;
    std::string sql;
    std::string table;  // target, "#X" for temporary tables; the table an INSERT or UPDATE writes
    bool temporary = false;
    std::string name;  // procedure
    std::vector<ColumnDef> columns;
    std::vector<std::string> keyColumns;
    // For SelectInto: declared types of result columns known from CONVERT/CAST.
    std::vector<std::pair<std::string, TypeSpec>> typeHints;
    std::vector<Statement> body;
    std::vector<Statement> elseBody;
    std::string source;  // the T-SQL text of the statement, for error reports
    // An INSERT without a column list: its values go to every column but
    // the IDENTITY ones, as SQL Server takes them.
    bool insertAllColumns = false;
    // An INSERT, with the columns its list names (upper case; empty without a list).
    bool insert = false;
    std::vector<std::string> insertColumns;
    // TRUNCATE TABLE: the table's IDENTITY starts again from its seed.
    bool truncate = false;
    // Variables a statement assigns, upper case with their '@'.
    std::vector<std::string> variables;
    // A query's result columns as SQL Server types them, where the text
    // tells (an empty name where it does not): a decimal's scale shows.
    std::vector<TypeSpec> resultTypes;
    // The query joins several by UNION, EXCEPT or INTERSECT: its columns
    // take the types of all of them, even where the first names a column.
    bool compound = false;
    // CreateTable of DECLARE @t TABLE: the table goes when its batch ends.
    bool tableVariable = false;
    // Exec and InsertExec: the arguments in order (values in sql); `variables`
    // holds EXEC @rc = ...'s variable. DropModule: IF EXISTS.
    std::vector<Argument> arguments;
    bool ifExists = false;
    // TOP (n) WITH TIES or PERCENT: `top` answers n; sql returns every row
    // in order, with its ORDER BY keys as the last `topKeys` columns.
    std::string top;
    bool topPercent = false, topTies = false;
    std::size_t topKeys = 0;
};

// The columns of the database's tables, as translation asks for them.
// A table's columns and types in one text, to tell whether a plan made
// with them still holds.
std::string signatureOf(const std::vector<ColumnDef>* columns);

class Schema {
public:
    virtual ~Schema() = default;
    // The columns of `table` ("#X" for a work table); nullptr when there is none.
    virtual const std::vector<ColumnDef>* columnsOf(const std::string& table) = 0;
    // signatureOf(columnsOf(table)): a schema that keeps the columns keeps
    // their signature too, and a cached plan is checked without building it.
    virtual const std::string& signature(const std::string& table) {
        last_ = signatureOf(columnsOf(table));
        return last_;
    }
    // Moves on whenever what columnsOf answers may have changed: a plan
    // checked at the same count still holds. 0: unknown, check every time.
    virtual std::uint64_t generation() const { return 0; }

private:
    std::string last_;
};

// A derived table of CROSS or OUTER APPLY: its query as T-SQL text, in
// which @<name>_1, @<name>_2 ... stand for the outer columns it reads.
// SQLite calls it as the table function `name` with those columns' values.
struct ApplyQuery {
    std::string name, text;
    std::size_t parameters = 0;
};

struct Plan {
    std::vector<Statement> statements;
    std::vector<ApplyQuery> applies;
    // Literals written into the SQL text rather than bound (aliases, DDL):
    // a cached plan serves only batches with the same values there.
    std::vector<std::pair<int, std::string>> inlined;
    // The tables whose column types the translation read, with their
    // signatures then: the plan holds while they are the same.
    std::vector<std::pair<std::string, std::string>> schemaUsed;
    // Where translation reads column types; only while translating.
    Schema* schema = nullptr;
    // Tables the batch itself creates, by upper-case name, with their columns.
    std::map<std::string, std::vector<ColumnDef>> batchTables;
    // The batch's variables declared so far (upper case, with '@'), with
    // their types; only while translating.
    std::map<std::string, TypeSpec> variables;
};

// Literal strings of a batch in order, and the batch's shape: its text with
// every literal string replaced by '?', the key of the translation cache.
struct Shape {
    std::string key;
    std::vector<std::string> literals;
};

Shape shapeOf(std::string_view sql);

// Translates a batch; throws DbError (42000) quoting the statement for any
// construct it does not know.
std::shared_ptr<const Plan> translate(std::string_view sql, Schema* schema = nullptr);

// Translations kept by statement shape: a batch of a shape seen before is
// not translated again. A plan that wrote some literals into its text
// serves only batches with the same values there.
class PlanCache {
public:
    struct Found {
        std::shared_ptr<const Plan> plan;
        std::shared_ptr<const Shape> shape;  // of the batch asked for, with its literals
    };
    Found find(std::string_view sql, Schema* schema = nullptr);
    // The plan of `sql`; `shape` receives its shape and literals.
    std::shared_ptr<const Plan> get(std::string_view sql, Shape& shape, Schema* schema = nullptr) {
        Found found = find(sql, schema);
        shape = *found.shape;
        return std::move(found.plan);
    }
    std::size_t size() const { return plans_.size(); }

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    struct Kept {
        std::shared_ptr<const Plan> plan;
        std::uint64_t checkedAt = 0;  // the schema's generation when it last held
    };
    struct Seen {
        std::shared_ptr<const Shape> shape;
        Kept kept;
    };
    // Whether the tables a plan read for their types are still as it read them.
    static bool holds(Kept& kept, Schema* schema);
    std::unordered_map<std::string, Kept> plans_;
    // Batches sent again with the very same text (a list read anew, BEGIN
    // TRANSACTION): their shape as last time, without reading the text for
    // its literals again.
    std::unordered_map<std::string, Seen, TextHash, std::equal_to<>> queries_;
};

}  // namespace db::tsql
