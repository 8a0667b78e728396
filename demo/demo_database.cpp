#include "demo/demo_database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "demo/embedded_sql.h"
#include "demo/sql_batches.h"
#include "platform/db/connection.h"

namespace demo {
namespace fs = std::filesystem;

namespace {

void runScript(db::Connection& connection, std::string_view script) {
    for (const auto& batch : splitBatches(script))
        connection.execute(batch);
}

bool isMemory(const std::string& path) {
    return path.empty() || path == ":memory:";
}

void removeFile(const std::string& path) {
    if (isMemory(path))
        return;
    std::error_code ec;
    fs::remove(path, ec);
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        fs::remove(path + suffix, ec);
}

void makeParentDirectory(const std::string& path) {
    if (isMemory(path))
        return;
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty())
        fs::create_directories(parent);
}

// ---- bulk writing straight through SQLite, for the large generator

// Unknown collations named by the tables are answered with SQL Server's
// default comparison: case-insensitive, trailing blanks ignored.
int compareCaseInsensitive(void*, int la, const void* a, int lb, const void* b) {
    auto pa = static_cast<const unsigned char*>(a);
    auto pb = static_cast<const unsigned char*>(b);
    while (la > 0 && pa[la - 1] == ' ')
        --la;
    while (lb > 0 && pb[lb - 1] == ' ')
        --lb;
    const int n = std::min(la, lb);
    for (int i = 0; i < n; ++i) {
        const int ca = std::toupper(pa[i]);
        const int cb = std::toupper(pb[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return la == lb ? 0 : (la < lb ? -1 : 1);
}

void collationNeeded(void*, sqlite3* handle, int, const char* name) {
    sqlite3_create_collation(handle, name, SQLITE_UTF8, nullptr, compareCaseInsensitive);
}

class BulkWriter {
public:
    explicit BulkWriter(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw std::runtime_error("Cannot open " + path + ": " + message);
        }
        sqlite3_collation_needed(db_, nullptr, collationNeeded);
        exec("PRAGMA synchronous = OFF");
        exec("PRAGMA journal_mode = MEMORY");
        exec("BEGIN");
    }
    ~BulkWriter() {
        for (auto* s : statements_)
            sqlite3_finalize(s);
        if (db_) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(db_);
        }
    }
    BulkWriter(const BulkWriter&) = delete;
    BulkWriter& operator=(const BulkWriter&) = delete;

    void commit() { exec("COMMIT"); }

    sqlite3_stmt* prepare(const std::string& sql) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
            fail(sql);
        statements_.push_back(s);
        return s;
    }

    // One value per placeholder, then the row is written.
    class Row {
    public:
        Row(BulkWriter& w, sqlite3_stmt* s) : w_(w), s_(s) { sqlite3_reset(s_); }
        Row& text(const std::string& v) {
            sqlite3_bind_text(s_, ++i_, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
            return *this;
        }
        Row& integer(std::int64_t v) {
            sqlite3_bind_int64(s_, ++i_, v);
            return *this;
        }
        Row& real(double v) {
            sqlite3_bind_double(s_, ++i_, v);
            return *this;
        }
        Row& null() {
            sqlite3_bind_null(s_, ++i_);
            return *this;
        }
        void write() {
            if (sqlite3_step(s_) != SQLITE_DONE)
                w_.fail(sqlite3_sql(s_));
        }

    private:
        BulkWriter& w_;
        sqlite3_stmt* s_;
        int i_ = 0;
    };
    Row row(sqlite3_stmt* s) { return Row(*this, s); }

private:
    void exec(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql);
    }
    [[noreturn]] void fail(const std::string& sql) {
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql.substr(0, 200));
    }

    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> statements_;
};

std::string variantCode(int index) {
    return std::string(1, index < 10 ? 'A' : 'B') + std::to_string(index % 10);
}

std::string base36(long long n, int width) {
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string out(width, '0');
    for (int i = width - 1; i >= 0; --i, n /= 36)
        out[i] = digits[n % 36];
    return out;
}

// Deterministic pseudo-random numbers, so that every run writes the same data.
class Lcg {
public:
    int next(int bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(bound));
    }

private:
    std::uint64_t state_ = 20261206;
};

// Reference data that the item card reads, written through the database
// layer like the sample data.
const char* kLargeReference = R"sql(
INSERT INTO CG18_ANADITTABASE (CG18_DITTA, CG18_RAGSOC, CG18_PARTIVA, CG18_LOCALITA, CG18_GRUPPO_CG10)
VALUES (1, 'Lanificio Demo Grande S.p.A.', '09876543210', 'Biella', 1)
GO
INSERT INTO MG58_DEPOSITI (MG58_DITTA_CG18, MG58_CODDEP, MG58_DESCRDEP, MG58_FLGCLAV) VALUES
    (1, '01', 'Magazzino centrale', 0), (1, '02', 'Magazzino spedizioni', 0),
    (1, '03', 'Negozio Milano', 0), (1, '04', 'Negozio Roma', 0), (1, '05', 'Outlet', 0),
    (1, 'CLA', 'Conto lavoro attivo', 1), (1, 'CLP', 'Conto lavoro passivo', 1)
GO
INSERT INTO MG01_PARAMDITTA (MG01_DITTA_CG18, MG01_INDCODRAGGR, MG01_FLGARTCLI, MG01_FLGARTFOR,
    MG01_CODDEPCLAVATT_MG58, MG01_CODDEPCLAVPAS_MG58, MG01_INDCLASSIF)
VALUES (1, 0, 1, 1, 'CLA', 'CLP', 1)
GO
INSERT INTO MG6W_STATIART (MG6W_INDSTATO, MG6W_DESCR) VALUES (0, 'Attivo'), (3, 'Obsoleto')
GO
INSERT INTO MG53_FAMIGLIE (MG53_DITTA_CG18, MG53_CODFAM, MG53_DESCRFAM) VALUES (1, 'GEN', 'Articoli generati')
GO
INSERT INTO CG28_TABCODIVA (CG28_DITTA_CG18, CG28_CODIVA, CG28_DESCR, CG28_ALIQUOTA)
VALUES (1, '22', 'Iva ordinaria 22%', 22.00)
GO
INSERT INTO CG24_TABPDC (CG24_GRUPPO_CG10, CG24_CONTO, CG24_DESCR)
VALUES (1, '0801001', 'Merci c/vendite Italia'), (1, '0601001', 'Merci c/acquisti Italia')
GO
INSERT INTO MG5V_STATIVAR (MG5V_DITTA_CG18, MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR, MG5V_ATTIVO)
VALUES (1, 1, 'DISP', 'Disponibile', 1), (1, 2, 'ESAUR', 'In esaurimento', 1), (1, 3, 'BLOCC', 'Bloccato', 0)
GO
INSERT INTO MG5T_STAGIONI (MG5T_DITTA_CG18, MG5T_IDSTAGIONE, MG5T_CODICE, MG5T_DESCR)
VALUES (1, 1, 'AI2025', 'Autunno-Inverno 2025'), (1, 2, 'AI2026', 'Autunno-Inverno 2026')
)sql";

constexpr const char* kWarehouses[] = {"01", "02", "03", "04", "05"};
constexpr int kWarehouseCount = 5;
constexpr int kKinds =
    2 * 3 * 2 * kWarehouseCount;  // years x progressive kinds x quantity kinds x warehouses

}  // namespace

void createSchema(db::Connection& connection) {
    runScript(connection, schemaSql());
    // The procedure and functions the host's database keeps, from the same
    // T-SQL a real SQL Server is given.
    runScript(connection, sqlServerObjectsSql());
}

void loadSampleData(db::Connection& connection) {
    runScript(connection, sampleDataSql());
}

int demoVersion() {
    return scriptsVersion();
}

int databaseVersion(const std::string& path) {
    std::error_code ec;
    if (isMemory(path) || !fs::exists(path, ec) || fs::file_size(path, ec) == 0)
        return 0;
    sqlite3* handle = nullptr;
    int version = 0;
    if (sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(handle, "PRAGMA user_version", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            version = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(handle);
    return version;
}

namespace {

void writeDemo(const std::string& path) {
    db::Connection connection;
    connection.open("Data Source=" + path + ";Mode=ReadWriteCreate");
    connection.beginTransaction();
    try {
        createSchema(connection);
        loadSampleData(connection);
        connection.commitTransaction();
    } catch (...) {
        connection.rollbackTransaction();
        throw;
    }
}

// The stamp goes on last: a file without it is never taken for complete.
void stamp(const std::string& path, int version) {
    sqlite3* handle = nullptr;
    const std::string sql = "PRAGMA user_version = " + std::to_string(version);
    const bool ok =
        sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    const std::string message = handle ? sqlite3_errmsg(handle) : "out of memory";
    sqlite3_close(handle);
    if (!ok)
        throw std::runtime_error("Cannot stamp " + path + ": " + message);
}

}  // namespace

void createDemoDatabase(const std::string& path) {
    if (isMemory(path)) {
        writeDemo(path);
        return;
    }
    if (databaseVersion(path) == demoVersion())
        return;
    makeParentDirectory(path);
    // Written beside the old file, which stays until the new one is whole.
    const std::string fresh = path + ".new";
    try {
        removeFile(fresh);
        writeDemo(fresh);
        stamp(fresh, demoVersion());
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            std::error_code ec;
            fs::remove(path + suffix, ec);
        }
        fs::rename(fresh, path);
    } catch (...) {
        removeFile(fresh);
        throw;
    }
}

std::string defaultDatabasePath() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".local" / "share";
    } else {
        base = fs::temp_directory_path();
    }
    return (base / "veldrano" / "demo.db").string();
}

LargeSizes LargeSizes::small() {
    LargeSizes s;
    s.variants = 4;
    s.options = 40;
    s.items = 12;
    s.progressiveRows = 600;
    return s;
}

namespace {

// Bumped whenever the generator writes different data or the schema changes,
// so that an older cached database is never taken for a newer one.
constexpr int kGeneratorVersion = 5;

// CHAR(n) columns hold their values blank-padded, as the adapter's rules
// keep them; the bulk writer goes around those rules, so it pads itself.
std::string fixed(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

struct Layout {
    std::vector<int> perVariant;  // options of each variant
    int width = 2;                // characters of every option code
};

Layout layoutOf(const LargeSizes& sizes) {
    if (sizes.variants < 1 || sizes.variants > 20)
        throw std::invalid_argument("Variants must be 1 to 20, not " +
                                    std::to_string(sizes.variants));
    if (sizes.options < sizes.variants || sizes.items < 1 || sizes.progressiveRows < 0)
        throw std::invalid_argument("Every variant needs an option and there must be an item");
    Layout l;
    l.perVariant.assign(static_cast<std::size_t>(sizes.variants), sizes.options / sizes.variants);
    for (int v = 0; v < sizes.options % sizes.variants; ++v)
        ++l.perVariant[static_cast<std::size_t>(v)];
    while (std::pow(36.0, l.width) < *std::max_element(l.perVariant.begin(), l.perVariant.end()))
        ++l.width;
    if (l.width * sizes.variants > 40)
        throw std::invalid_argument("Composed codes of " + std::to_string(sizes.variants) +
                                    " variants of width " + std::to_string(l.width) +
                                    " exceed 40 characters");
    return l;
}

// Which variants an item manages: two to four consecutive ones.
std::vector<int> managedBy(const LargeSizes& sizes, int item) {
    const int count = std::min(sizes.variants, 2 + item % 3);
    std::vector<int> vs;
    for (int k = 0; k < count; ++k)
        vs.push_back((item * 7 + k) % sizes.variants);
    std::sort(vs.begin(), vs.end());
    return vs;
}

long long rowsOf(const LargeSizes& sizes, int item) {
    return sizes.progressiveRows / sizes.items + (item < sizes.progressiveRows % sizes.items);
}

std::string itemCode(int item) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "ART-%06d", item + 1);
    return buffer;
}

void writeLarge(const std::string& path, const LargeSizes& sizes, const Layout& layout) {
    const auto& perVariant = layout.perVariant;
    const int width = layout.width;
    {
        db::Connection connection;
        connection.open("Data Source=" + path + ";Mode=ReadWriteCreate");
        connection.beginTransaction();
        createSchema(connection);
        runScript(connection, kLargeReference);
        std::string dims =
            "INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, "
            "MG5F_INDGRIGLIA, MG5F_SIZE, MG5F_INDNATURA, MG5F_INDPROGCONFIG) VALUES ";
        for (int v = 0; v < sizes.variants; ++v) {
            dims += (v ? ", (1, '" : "(1, '") + variantCode(v) + "', 'Variante " +
                    std::to_string(v + 1) + "', " + std::to_string(sizes.variants - v) + ", " +
                    std::to_string(width) + ", 0, 0)";
        }
        connection.execute(dims);
        // Customers 1 to 20 and suppliers 1 to 10, with their registry rows.
        std::string registry =
            "INSERT INTO CG16_ANAGGEN (CG16_CODICE, CG16_RAGSOANAG, CG16_LOCALITA, CG16_NAZIONE) "
            "VALUES ";
        std::string parties =
            "INSERT INTO CG44_CLIFOR (CG44_DITTA_CG18, CG44_TIPOCF, CG44_CLIFOR, CG44_CODICE_CG16) "
            "VALUES ";
        for (int k = 0; k < 30; ++k) {
            const bool supplier = k >= 20;
            const int number = supplier ? k - 19 : k + 1;
            const int code = (supplier ? 2000 : 1000) + number;
            registry += std::string(k ? ", (" : "(") + std::to_string(code) + ", '" +
                        (supplier ? "Fornitore generato " : "Cliente generato ") +
                        std::to_string(number) + "', 'Biella', 'IT')";
            parties += std::string(k ? ", (1, " : "(1, ") + (supplier ? "1, " : "0, ") +
                       std::to_string(number) + ", " + std::to_string(code) + ")";
        }
        connection.execute(registry);
        connection.execute(parties);
        connection.commitTransaction();
    }

    BulkWriter w(path);
    auto option = w.prepare(
        "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
        "MG5E_DESCR) VALUES (1, ?, ?, ?)");
    auto grouping = w.prepare(
        "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, "
        "MG5G_DESCRRAGGVAR) VALUES (1, ?, ?, ?)");
    auto member = w.prepare(
        "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, "
        "MG5H_OPZIONE_MG5E, MG5H_SEQOPZIONE, MG5H_DESCR) VALUES (1, ?, ?, ?, ?, NULL)");
    auto transcoding = w.prepare(
        "INSERT INTO MG5S_VARCLIFOR (MG5S_DITTA_CG18, MG5S_CODICEVAR_MG5F, MG5S_TIPOCF_CG44, "
        "MG5S_CLIFOR_CG44, MG5S_OPZIONE_MG5E, MG5S_DESCR) VALUES (1, ?, ?, ?, ?, ?)");
    auto optionCode = [&](long long o) { return fixed(base36(o, width), 20); };
    for (int v = 0; v < sizes.variants; ++v) {
        const std::string code = variantCode(v);
        for (int o = 0; o < perVariant[static_cast<std::size_t>(v)]; ++o) {
            w.row(option)
                .text(code)
                .text(optionCode(o))
                .text("Opzione " + std::to_string(o + 1) + " della variante " + code)
                .write();
            // The first four variants are transcoded for two customers and a supplier.
            if (v < 4)
                for (const auto& [kind, party] :
                     {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 1}})
                    w.row(transcoding)
                        .text(code)
                        .integer(kind)
                        .integer(party)
                        .text(optionCode(o))
                        .text((kind ? "Art. fornitore " : "Descr. cliente ") +
                              std::to_string(party) + " opz. " + std::to_string(o + 1))
                        .write();
        }
        // Three groupings per variant, each with a third of the options.
        const int third = std::max(1, perVariant[static_cast<std::size_t>(v)] / 3);
        for (int g = 0; g < 3; ++g) {
            const std::string name = fixed("RG-" + code + "-" + std::to_string(g + 1), 25);
            w.row(grouping)
                .text(code)
                .text(name)
                .text("Raggruppamento " + std::to_string(g + 1) + " " + code)
                .write();
            for (int o = g * third, seq = 1;
                 o < std::min(perVariant[static_cast<std::size_t>(v)], (g + 1) * third); ++o, ++seq)
                w.row(member).text(code).text(name).text(optionCode(o)).integer(seq).write();
        }
    }

    auto item = w.prepare(
        "INSERT INTO MG66_ANAGRART (MG66_DITTA_CG18, MG66_CODART, MG66_DESCART, MG66_UM, "
        "MG66_FLGVARART, MG66_INDGENVARDIBA, MG66_INDVARERIDIBA, MG66_FLGSTINV, "
        "MG66_FLGARTCLI, MG66_FLGARTFOR, MG66_FLGSTGIOR, MG66_FLGALTER, MG66_FLGSOST, "
        "MG66_INDSTATO_MG6W, MG66_FAM_MG53, MG66_ALIVA_CG28, MG66_CMEVENIT_CG24, "
        "MG66_CMEACQIT_CG24) VALUES (1, ?, ?, 'PZ ', 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 'GEN   ', "
        "'22  ', '0801001     ', '0601001     ')");
    auto description = w.prepare(
        "INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, "
        "MG87_LINGUA_MG52, MG87_DESCART, MG87_DESCARTEST, MG87_NOTEART) "
        "VALUES (1, ?, '', '    ', ?, ?, NULL)");
    auto managed = w.prepare(
        "INSERT INTO MG6B_GESVARART (MG6B_DITTA_CG18, MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F, "
        "MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, MG6B_INDOBBLIG, MG6B_INDDEFAULT, "
        "MG6B_VARDEFAULT, MG6B_INDEREDIBA) VALUES (1, ?, ?, ?, ?, ?, 0, NULL, 0)");
    auto codes = w.prepare(
        "INSERT INTO MG73_ARTCLIFOR (MG73_DITTA_CG18, MG73_TIPOCF_CG44, MG73_CLIFOR_CG44, "
        "MG73_ARTCLIFOR, MG73_CODART_MG66, MG73_OPZIONE_MG5E, MG73_DESCARTCF, MG73_FLGDESCPERS, "
        "MG73_FLGFORPREF) VALUES (1, ?, ?, ?, ?, '', ?, 1, ?)");
    auto state = w.prepare(
        "INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODART_MG66, MG5W_CODICEVAR1_MG5F, "
        "MG5W_RAGGR1_MG5G, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, MG5W_RAGGR2_MG5G, "
        "MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V, MG5W_TIPODEFAULT) "
        "VALUES (1, ?, ?, NULL, ?, ?, NULL, ?, ?, ?)");
    auto progressive = w.prepare(
        "INSERT INTO MG70_MAGPROQTA (MG70_DITTA_CG18, MG70_CODART_MG66, MG70_ANNO, "
        "MG70_CODDEP_MG58, MG70_OPZIONE_MG5E, MG70_TIPOPROG, MG70_TIPOQTA, MG70_QGIACINI, "
        "MG70_QCARACQ, MG70_QSCAVEN, MG70_QGIACATT, MG70_QIMPCLI, MG70_QDISPONIB) "
        "VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

    Lcg random;
    for (int i = 0; i < sizes.items; ++i) {
        const std::string code = fixed(itemCode(i), 25);
        const std::string name = "Articolo generato " + std::to_string(i + 1);
        w.row(item).text(code).text(name).write();
        w.row(description)
            .text(code)
            .text(name)
            .text("Descrizione estesa dell'articolo generato " + std::to_string(i + 1))
            .write();
        const std::vector<int> vs = managedBy(sizes, i);
        for (int v = 0; v < sizes.variants; ++v) {
            const bool on = std::find(vs.begin(), vs.end(), v) != vs.end();
            auto r = w.row(managed);
            r.text(code).text(variantCode(v)).integer(on ? 1 : 0);
            if (on && i % 2 == 0)
                r.text(fixed("RG-" + variantCode(v) + "-" + std::to_string(1 + i % 3), 25));
            else
                r.null();
            r.integer(on ? 1 : 0).write();
        }
        // A customer's code (of 20 customers) and a supplier's (of 10) for every item.
        struct Side {
            int kind;
            int counterparts;
            const char* prefix;
            const char* word;
        };
        for (const Side& side : {Side{0, 20, "C", "cliente"}, Side{1, 10, "F", "fornitore"}}) {
            const int counterpart = 1 + i % side.counterparts;
            w.row(codes)
                .integer(side.kind)
                .integer(counterpart)
                .text(fixed(side.prefix + std::to_string(counterpart) + "-" + itemCode(i), 25))
                .text(code)
                .text(std::string("Codice ") + side.word + " di " + name)
                .integer(side.kind)
                .write();
        }

        // The first item: states of the combinations of its first two
        // variants (up to 40 options each), and the pair's default.
        if (i == 0 && vs.size() >= 2) {
            const int a = vs[0], b = vs[1];
            const int na = std::min(40, perVariant[static_cast<std::size_t>(a)]);
            const int nb = std::min(40, perVariant[static_cast<std::size_t>(b)]);
            w.row(state)
                .text(code)
                .text(variantCode(a))
                .null()
                .text(variantCode(b))
                .null()
                .integer(1)
                .integer(1)
                .write();
            for (int x = 0; x < na; ++x)
                for (int y = 0; y < nb; ++y)
                    w.row(state)
                        .text(code)
                        .text(variantCode(a))
                        .text(optionCode(x))
                        .text(variantCode(b))
                        .text(optionCode(y))
                        .integer(1 + (x + y) % 3)
                        .null()
                        .write();
        }

        const long long rows = rowsOf(sizes, i);
        for (long long j = 0; j < rows; ++j) {
            const int kind = static_cast<int>(j % kKinds);
            long long combination = j / kKinds;
            std::string composed(static_cast<std::size_t>(width * sizes.variants), ' ');
            for (int v : vs) {
                const long long o = combination % perVariant[static_cast<std::size_t>(v)];
                combination /= perVariant[static_cast<std::size_t>(v)];
                composed.replace(static_cast<std::size_t>(v * width),
                                 static_cast<std::size_t>(width), base36(o, width));
            }
            const int year = 2025 + kind % 2;
            const int tipoProg = (kind / 2) % 3;
            const int tipoQta = 1 + (kind / 6) % 2;
            const char* warehouse = kWarehouses[kind / 12];
            const int initial = random.next(50);
            const int loaded = random.next(80);
            const int sold = random.next(initial + loaded + 1);
            const int stock = initial + loaded - sold;
            const int committed = random.next(10);
            w.row(progressive)
                .text(code)
                .integer(year)
                .text(fixed(warehouse, 6))
                .text(composed)
                .integer(tipoProg)
                .integer(tipoQta)
                .integer(initial)
                .integer(loaded)
                .integer(sold)
                .integer(stock)
                .integer(committed)
                .integer(stock - committed)
                .write();
        }
    }
    w.commit();
}

// The cached copy of a generated database, by sizes and generator version.
fs::path cacheFile(const LargeSizes& s) {
    return fs::temp_directory_path() / "veldrano-large" /
           ("v" + std::to_string(kGeneratorVersion) + "-" + std::to_string(s.variants) + "x" +
            std::to_string(s.options) + "-" + std::to_string(s.items) + "-" +
            std::to_string(s.progressiveRows) + ".db");
}

}  // namespace

void generateLargeDatabase(const std::string& path, const LargeSizes& sizes) {
    if (isMemory(path))
        throw std::invalid_argument("The large database needs a file path");
    const Layout layout = layoutOf(sizes);
    for (int i = 0; i < sizes.items; ++i) {
        double capacity = kKinds;
        for (int v : managedBy(sizes, i))
            capacity *= layout.perVariant[static_cast<std::size_t>(v)];
        if (capacity < static_cast<double>(rowsOf(sizes, i)))
            throw std::invalid_argument("Too many progressive rows for the options available");
    }

    // Generated once per sizes into the temporary folder, then copied: the
    // caller gets a database of its own to change, in a fraction of the time.
    const fs::path cache = cacheFile(sizes);
    std::error_code ec;
    if (!fs::exists(cache, ec)) {
        fs::create_directories(cache.parent_path(), ec);
        const fs::path partial =
            cache.string() + ".part" + std::to_string(static_cast<long long>(::getpid()));
        try {
            removeFile(partial.string());
            writeLarge(partial.string(), sizes, layout);
            fs::rename(partial, cache);
        } catch (...) {
            removeFile(partial.string());
            // No cache where the temporary folder is not writable: straight
            // to the caller's file.
            if (fs::exists(cache.parent_path(), ec) && !ec)
                throw;
        }
    }
    removeFile(path);
    makeParentDirectory(path);
    try {
        if (fs::exists(cache, ec))
            fs::copy_file(cache, path, fs::copy_options::overwrite_existing);
        else
            writeLarge(path, sizes, layout);
    } catch (...) {
        removeFile(path);
        throw;
    }
}

}  // namespace demo
