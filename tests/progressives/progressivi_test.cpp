// The progressives tab on the demo database: an item of its own with
// warehouse and subcontracting progressives inserted here, whose sums the
// tests work out independently from the inserted rows; the choices driven
// through the widgets; the cells as the grid paints them; bad years, kinds
// without rows and a database that fails in the middle of a load.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <set>
#include <tuple>

#include "demo/demo_database.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/progress.h"
#include "platform/db/recordset.h"
#include "platform/db/sqlite/sqlite_functions.h"
#include "platform/db/value.h"
#include "progressives/dizionario_progressivi.h"
#include "progressives/griglia_progressivi.h"
#include "progressives/pivot_progressivi.h"
#include "progressives/progressivi_tab.h"
#include "tests/support/test_card.h"
#include "window/frmmg_veldrano.h"

namespace {

using cardtest::count;
using cardtest::queueAnswer;
using cardtest::shown;
using db::Decimal;

const char* const kArticolo = "PROVA-PROG";

// One row of MG70_MAGPROQTA or MG7E_CLAVPROQTA as the tests insert it:
// quantity columns by their MG70 name.
struct Movimento {
    std::string deposito;
    std::string codice;  // composed option code
    std::map<std::string, std::string> quantita;
    int anno = 2026;
    int tipoProg = 1;
    int tipoQta = 1;
    int tipoCf = -1;  // subcontracting rows: 0 active, 1 passive
    int clifor = 0;
};

// Size in A0 (3 wide), colour in A1 (3 wide); A2 and A3 blank.
std::vector<Movimento> movimenti() {
    return {
        {"01", "S  BLU", {{"MG70_QGIACATT", "0.1"}, {"MG70_QCARACQ", "10.5"}}},
        {"01", "M  BLU", {{"MG70_QGIACATT", "0.2"}, {"MG70_QCARACQ", "2"}}},
        {"01", "S  ROS", {{"MG70_QGIACATT", "12345678901.235"}}},
        {"01", "   BLU", {{"MG70_QGIACATT", "1"}, {"MG70_QSCALIB2", "3"}}},
        {"02", "S  BLU", {{"MG70_QGIACATT", "5"}, {"MG70_QCARACQ", "0"}, {"MG70_QSCAVEN", "-2.5"}}},
        {"02", "M  BLU", {{"MG70_QGIACATT", "0.005"}}},
        // Consolidated per year, two years.
        {"01", "S  BLU", {{"MG70_QGIACATT", "7"}}, 2025, 2},
        {"01", "S  BLU", {{"MG70_QGIACATT", "9"}}, 2026, 2},
        // A real-time row of an older year still counts for the other kinds.
        {"02", "M  ROS", {{"MG70_QGIACATT", "4"}}, 2025},
    };
}

std::vector<Movimento> contoLavoro() {
    return {
        {"CLA", "M  ROS", {{"MG70_QGIACATT", "3"}}, 2026, 1, 1, 0, 1},
        {"CLP", "L  BLU", {{"MG70_QGIACATT", "4"}, {"MG70_QCARACQ", "1.25"}}, 2026, 1, 1, 1, 2},
        {"CLP", "S  BLU", {{"MG70_QGIACATT", "6"}}, 2026, 1, 1, 1, 2},
        {"CLP", "S  BLU", {{"MG70_QGIACATT", "1"}}, 2026, 1, 1, 1, 4},
        // Quantity 2 at a subcontractor only: the item has no such stock rows.
        {"CLA", "S  BLU", {{"MG70_QGIACATT", "100"}}, 2026, 1, 2, 0, 1},
        // Not one of the company's subcontracting warehouses.
        {"01", "S  BLU", {{"MG70_QGIACATT", "50"}}, 2026, 1, 1, 1, 2},
    };
}

std::string composto(const std::string& codice) {
    std::string c = codice;
    c.resize(12, ' ');
    return c;
}

void inserisci(db::Connection& cn, const Movimento& m) {
    const bool cl = m.tipoCf >= 0;
    const std::string t = cl ? "MG7E" : "MG70";
    std::string cols = t + "_DITTA_CG18, " + t + "_CODART_MG66, " + t + "_ANNO, " +
                       (cl ? "MG7E_CODDEPPROV_MG58" : "MG70_CODDEP_MG58") + ", " + t +
                       "_OPZIONE_MG5E, " + t + "_TIPOPROG, " + t + "_TIPOQTA";
    std::string vals = "1, '" + std::string(kArticolo) + "', " + std::to_string(m.anno) + ", '" +
                       m.deposito + "', '" + composto(m.codice) + "', " +
                       std::to_string(m.tipoProg) + ", " + std::to_string(m.tipoQta);
    if (cl) {
        cols += ", MG7E_INDCLAVATTPAS, MG7E_TIPOCF_CG44, MG7E_CLIFOR_CG44";
        vals += ", " + std::to_string(m.tipoCf) + ", " + std::to_string(m.tipoCf) + ", " +
                std::to_string(m.clifor);
    }
    for (const auto& [col, q] : m.quantita) {
        cols += ", " + progressives::colonnaContoLavoro(col).replace(0, 4, t);
        vals += ", " + q;
    }
    cn.execute("INSERT INTO " + t + (cl ? "_CLAVPROQTA (" : "_MAGPROQTA (") + cols + ") VALUES (" +
               vals + ")");
}

// What the pivot must hold, worked out from the inserted rows: for each
// (Deposito, Variante, NomeProgressivo) the sums per option column and
// their total. The column variant is A0 (slot 1, width 3).
using Chiave = std::tuple<std::string, std::string, std::string>;
struct Attesa {
    std::map<std::string, Decimal> celle;  // "BK_S" -> sum
    Decimal totale;
};

using db::rtrim;

std::map<Chiave, Attesa> atteso(int tipoProg, int tipoQta, int anno, bool conContoLavoro) {
    std::map<Chiave, Attesa> out;
    auto somma = [&](const std::string& dep, const Movimento& m) {
        const std::string code = composto(m.codice);
        const std::string opzione = rtrim(code.substr(0, 3));
        const std::string variante = rtrim("   " + code.substr(3));
        const std::string colonna = "BK_" + (opzione.empty() ? "-" : opzione);
        for (const auto& [col, q] : m.quantita) {
            const Decimal d = *Decimal::parse(q);
            if (d.isZero())
                continue;
            for (const std::string& v : {variante, std::string("Totale")}) {
                Attesa& a = out[{dep, v, col}];
                a.celle[colonna] = a.celle[colonna] + d;
                a.totale = a.totale + d;
            }
        }
    };
    auto scelto = [&](const Movimento& m) {
        return m.tipoProg == tipoProg && m.tipoQta == tipoQta && (tipoProg != 2 || m.anno == anno);
    };
    for (const auto& m : movimenti())
        if (scelto(m))
            somma(m.deposito, m);
    if (conContoLavoro)
        for (const auto& m : contoLavoro())
            if (scelto(m) && m.tipoCf == (m.deposito == "CLA" ? 0 : 1) &&
                (m.deposito == "CLA" || m.deposito == "CLP"))
                somma(m.deposito + std::to_string(m.tipoCf) + std::to_string(m.clifor), m);
    return out;
}

// Presses the panel's cancel button as soon as the panel shows.
struct AnnullaAllaVista : QObject {
    explicit AnnullaAllaVista(controls::ProgressPanel& p) : panel(p) {
        panel.installEventFilter(this);
    }
    ~AnnullaAllaVista() override { panel.removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (attivo && e->type() == QEvent::Show)
            panel.Abort();
        return false;
    }
    controls::ProgressPanel& panel;
    bool attivo = true;
};

// The card with the window's progress panel.
class Card : public cardtest::TestCard {
public:
    Card() = default;
    explicit Card(const std::string& database) : TestCard("1", database) {}
    controls::ProgressPanel* KOV_PROGRESS1() override { return &panel; }
    controls::ProgressPanel panel;
};

// The test item, its variants and its progressives.
void inserisciArticolo(db::Connection& cn) {
    cn.execute(
        "INSERT INTO MG66_ANAGRART (MG66_DITTA_CG18, MG66_CODART, MG66_DESCART, MG66_UM, "
        "MG66_FLGVARART) VALUES (1, 'PROVA-PROG', 'Maglia di prova progressivi', 'PZ', 1)");
    cn.execute(
        "INSERT INTO MG6B_GESVARART (MG6B_DITTA_CG18, MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F, "
        "MG6B_FLGGESTVAR) VALUES (1, 'PROVA-PROG', 'A0', 1), (1, 'PROVA-PROG', 'A1', 1), "
        "(1, 'PROVA-PROG', 'A2', 0)");
    for (const auto& m : movimenti())
        inserisci(cn, m);
    for (const auto& m : contoLavoro())
        inserisci(cn, m);
}

struct Progressivi : ::testing::Test {
    void SetUp() override {
        cardtest::clearMessages();
        inserisciArticolo(card.connection());
        tab = &card.addTab<progressives::ProgressiviTab>(common::kTabProgressivi);
        card.showItem(kArticolo);
    }
    void TearDown() override { cardtest::clearMessages(); }

    db::Recordset& pivot() {
        EXPECT_NE(tab->pivot(), nullptr);
        return *tab->pivot();
    }
    controls::DataGrid& grid() { return *tab->QGRID_PROGRESSIVI; }
    bool gridVuota() {
        // No rows, and no header left from the rows shown before.
        return !grid().isEnabled() && grid().DataSource() == nullptr &&
               grid().model()->rowCount() == 0 && grid().model()->columnCount() == 0;
    }
    // Every pivot row against the sums worked out from the inserted rows.
    void confronta(const std::map<Chiave, Attesa>& attese) {
        db::Recordset& rs = pivot();
        std::set<Chiave> viste;
        for (long r = 0; r < rs.recordCount(); ++r) {
            const Chiave k{cardtest::text(rs.valueAt(r, rs.fieldIndex("Deposito"))),
                           cardtest::text(rs.valueAt(r, rs.fieldIndex("Variante"))),
                           cardtest::text(rs.valueAt(r, rs.fieldIndex("NomeProgressivo")))};
            SCOPED_TRACE(std::get<0>(k) + "|" + std::get<1>(k) + "|" + std::get<2>(k));
            const auto it = attese.find(k);
            ASSERT_NE(it, attese.end());
            EXPECT_TRUE(viste.insert(k).second);
            for (int f = 0; f < rs.fieldCount(); ++f) {
                const std::string& name = rs.field(f).name;
                if (name.rfind("BK_", 0) != 0)
                    continue;
                const db::Value& v = rs.valueAt(r, f);
                const auto cell = it->second.celle.find(name);
                if (cell == it->second.celle.end()) {
                    EXPECT_TRUE(v.isNull()) << name;
                } else {
                    ASSERT_EQ(v.type(), db::Value::Type::Decimal) << name;  // never a double
                    EXPECT_EQ(v.asDecimal(), cell->second) << name;
                }
            }
            EXPECT_EQ(rs.valueAt(r, rs.fieldIndex("Tot.")).asDecimal(), it->second.totale);
        }
        EXPECT_EQ(viste.size(), attese.size());
    }
    long riga(const std::string& dep, const std::string& var, const std::string& col) {
        db::Recordset& rs = pivot();
        for (long r = 0; r < rs.recordCount(); ++r)
            if (cardtest::text(rs.valueAt(r, rs.fieldIndex("Deposito"))) == dep &&
                cardtest::text(rs.valueAt(r, rs.fieldIndex("Variante"))) == var &&
                cardtest::text(rs.valueAt(r, rs.fieldIndex("NomeProgressivo"))) == col)
                return r;
        return -1;
    }
    int colonnaGriglia(const std::string& field) {
        return grid().Columns().IndexOf(QString::fromStdString(field));
    }
    // What the grid paints in a cell.
    QStyleOptionViewItem stile(long row, const std::string& field) {
        QStyleOptionViewItem o;
        auto* d = static_cast<progressives::DelegatoProgressivi*>(grid().itemDelegate());
        d->initStyleOption(&o, grid().model()->index(static_cast<int>(row), colonnaGriglia(field)));
        return o;
    }
    void scegli(QComboBox* combo, int value) {
        // Keyboard choice, as a user makes it: each step raises activated.
        combo->setFocus();
        while (combo->currentData().toInt() != value) {
            const int before = combo->currentIndex();
            QTest::keyClick(combo, combo->findData(value) > before ? Qt::Key_Down : Qt::Key_Up);
            if (combo->currentIndex() == before)
                break;
        }
    }
    void anno(const QString& text) {
        tab->TXT_ANNO->setFocus();
        tab->TXT_ANNO->selectAll();
        QTest::keyClick(tab->TXT_ANNO, Qt::Key_Backspace);
        QTest::keyClicks(tab->TXT_ANNO, text);
        QTest::keyClick(tab->TXT_ANNO, Qt::Key_Return);
    }
    long long righeTabelle() {
        db::Connection& cn = card.connection();
        return count(cn, "MG70_MAGPROQTA", "1=1") * 1000 + count(cn, "MG7E_CLAVPROQTA", "1=1");
    }

    Card card;
    progressives::ProgressiviTab* tab = nullptr;
};

}  // namespace

TEST_F(Progressivi, LoadsTheHighestVariantAndSumsExactlyPerOptionAndWarehouse) {
    tab->load();
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(card.loadedItem(common::kTabProgressivi), kArticolo);
    // Default choices: the managed variant with the highest grid index (Taglia).
    EXPECT_EQ(tab->CBO_TIPOVAR7->currentText().toStdString(), "Taglia");
    EXPECT_EQ(tab->varianteColonna(), "A0");
    EXPECT_EQ(tab->startVariante(), 1);
    EXPECT_EQ(tab->sizeVariante(), 3);
    EXPECT_EQ(tab->CBO_TIPOPROGRESSIVI->currentData().toInt(), 1);
    EXPECT_EQ(tab->CBO_TIPOQTA->currentData().toInt(), 1);
    EXPECT_TRUE(tab->TXT_ANNO->text().isEmpty());
    EXPECT_FALSE(tab->TXT_ANNO->isEnabled());
    EXPECT_TRUE(grid().isEnabled());
    EXPECT_FALSE(card.panel.isVisible());

    // Fields in order; the blank option is "-", L comes only from a
    // subcontractor and takes its place among the others.
    db::Recordset& rs = pivot();
    std::vector<std::string> fields;
    fields.reserve(static_cast<std::size_t>(rs.fieldCount()));
    for (int f = 0; f < rs.fieldCount(); ++f)
        fields.push_back(rs.field(f).name);
    EXPECT_EQ(fields, (std::vector<std::string>{"Chiave", "Variante", "VarianteDescr", "Deposito",
                                                "DepositoDescr", "IdProgressivo", "NomeProgressivo",
                                                "CaptionProgressivo", "BK_-", "BK_L", "BK_M",
                                                "BK_S", "Tot."}));
    EXPECT_EQ(rs.field(rs.fieldIndex("BK_S")).scale, 3);

    // Every cell against sums worked out here; 0.1 + 0.2 is exactly 0.3.
    confronta(atteso(1, 1, 0, true));
    const long tot01 = riga("01", "Totale", "MG70_QGIACATT");
    ASSERT_GE(tot01, 0);
    EXPECT_EQ(rs.valueAt(tot01, rs.fieldIndex("BK_S")).asDecimal(),
              *Decimal::parse("12345678901.335"));
    EXPECT_EQ(rs.valueAt(tot01, rs.fieldIndex("Tot.")).asDecimal(),
              *Decimal::parse("12345678902.535"));
    // Two articles that differ only in the size fall on one row.
    const long blu = riga("01", "   BLU", "MG70_QGIACATT");
    ASSERT_GE(blu, 0);
    EXPECT_EQ(rs.valueAt(blu, rs.fieldIndex("BK_S")).asDecimal(), *Decimal::parse("0.1"));
    EXPECT_EQ(rs.valueAt(blu, rs.fieldIndex("BK_M")).asDecimal(), *Decimal::parse("0.2"));
    EXPECT_EQ(rs.valueAt(blu, rs.fieldIndex("BK_-")).asDecimal(), Decimal(1));
    EXPECT_EQ(rs.valueAt(blu, rs.fieldIndex("Tot.")).asDecimal(), *Decimal::parse("1.3"));
    // A progressive that is 0 everywhere in a warehouse is not there.
    EXPECT_LT(riga("02", "   BLU", "MG70_QCARACQ"), 0);
    EXPECT_LT(riga("02", "Totale", "MG70_QCARACQ"), 0);
    EXPECT_GE(riga("01", "   BLU", "MG70_QCARACQ"), 0);

    // Descriptions, captions and positions.
    EXPECT_EQ(cardtest::text(rs.valueAt(blu, rs.fieldIndex("VarianteDescr"))), "   BLU - Blu navy");
    EXPECT_EQ(cardtest::text(rs.valueAt(blu, rs.fieldIndex("DepositoDescr"))),
              "01 - Magazzino centrale Prato");
    EXPECT_EQ(cardtest::text(rs.valueAt(blu, rs.fieldIndex("CaptionProgressivo"))),
              "Giacenza attuale");
    EXPECT_EQ(rs.valueAt(blu, rs.fieldIndex("IdProgressivo")).toDecimal(), Decimal(1));
    const long lib2 = riga("01", "   BLU", "MG70_QSCALIB2");
    ASSERT_GE(lib2, 0);
    EXPECT_EQ(cardtest::text(rs.valueAt(lib2, rs.fieldIndex("CaptionProgressivo"))),
              "Scarico libero 2");
    EXPECT_EQ(cardtest::text(rs.valueAt(tot01, rs.fieldIndex("VarianteDescr"))), "Totale");

    // Subcontractors: a block each, named after warehouse and subcontractor.
    const long clp = riga("CLP12", "   BLU", "MG70_QGIACATT");
    ASSERT_GE(clp, 0);
    EXPECT_EQ(cardtest::text(rs.valueAt(clp, rs.fieldIndex("DepositoDescr"))),
              "CLP - Conto lavoro passivo  Fornitore : 2 - Tintoria Arno S.n.c.");
    EXPECT_EQ(rs.valueAt(clp, rs.fieldIndex("BK_L")).asDecimal(), Decimal(4));
    EXPECT_GE(riga("CLA01", "   ROS", "MG70_QGIACATT"), 0);
    EXPECT_GE(riga("CLP14", "Totale", "MG70_QGIACATT"), 0);

    // Sorted by warehouse descending, then variant, then progressive.
    std::vector<std::string> order;
    for (long r = 0; r < rs.recordCount(); ++r)
        order.push_back(cardtest::text(rs.valueAt(r, rs.fieldIndex("Deposito"))) + "|" +
                        cardtest::text(rs.valueAt(r, rs.fieldIndex("Variante"))) + "|" +
                        rs.valueAt(r, rs.fieldIndex("IdProgressivo")).toText());
    EXPECT_EQ(order.front(), "CLP14|   BLU|1");
    EXPECT_EQ(order.back(), "01|Totale|45");
    for (std::size_t i = 1; i < order.size(); ++i) {
        const auto dep = [](const std::string& s) { return s.substr(0, s.find('|')); };
        EXPECT_GE(dep(order[i - 1]), dep(order[i]));
    }
    // Keys: variant rows and totals numbered apart, all different.
    std::set<std::string> keys;
    for (long r = 0; r < rs.recordCount(); ++r)
        keys.insert(cardtest::text(rs.valueAt(r, rs.fieldIndex("Chiave"))));
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(rs.recordCount()));
    EXPECT_EQ(cardtest::text(rs.valueAt(tot01, rs.fieldIndex("Chiave"))).substr(0, 4), "K_10");

    // Showing the tab again for the same item does not reload it.
    const int cleared = card.cleared[common::kTabProgressivi];
    tab->load();
    EXPECT_EQ(card.cleared[common::kTabProgressivi], cleared);
}

TEST_F(Progressivi, TheGridShowsTotalsAndExactGroupedQuantities) {
    tab->load();
    const long tot01 = riga("01", "Totale", "MG70_QGIACATT");
    const long ros = riga("01", "   ROS", "MG70_QGIACATT");
    const long neg = riga("02", "   BLU", "MG70_QSCAVEN");
    ASSERT_GE(tot01, 0);
    ASSERT_GE(ros, 0);
    ASSERT_GE(neg, 0);

    // Visible columns and their captions (without a host: the catalogue prefix).
    std::vector<std::string> visible;
    for (int i = 0; i < grid().Columns().Count(); ++i)
        if (grid().Columns().Item(i).Visible())
            visible.push_back(grid().Columns().Item(i).Caption().toStdString());
    EXPECT_EQ(visible,
              (std::vector<std::string>{"[x60287x] Variante", "[x20411x] Deposito",
                                        "[x45675x] Progressivo", "-", "L", "M", "S", "Tot."}));
    EXPECT_EQ(grid().FrozenColumns(), 8);

    // Quantities: right-aligned, Italian separators, digits of the decimal.
    QStyleOptionViewItem s = stile(ros, "BK_S");
    EXPECT_EQ(s.text.toStdString(), "12.345.678.901,235");
    EXPECT_TRUE(s.displayAlignment & Qt::AlignRight);
    EXPECT_FALSE(s.font.bold());
    EXPECT_EQ(stile(neg, "BK_S").text.toStdString(), "-2,500");
    EXPECT_EQ(stile(ros, "BK_M").text.toStdString(), "");  // never added to
    EXPECT_EQ(stile(riga("02", "   BLU", "MG70_QGIACATT"), "BK_M").text.toStdString(), "0,005");

    // Total rows: "Totale deposito", quantities bold in the highlight colours.
    EXPECT_EQ(stile(tot01, "VarianteDescr").text.toStdString(), "Totale deposito");
    EXPECT_FALSE(stile(tot01, "VarianteDescr").font.bold());
    s = stile(tot01, "Tot.");
    EXPECT_EQ(s.text.toStdString(), "12.345.678.902,535");
    EXPECT_TRUE(s.font.bold());
    EXPECT_EQ(s.backgroundBrush.color(), QColor(154, 190, 243));
    EXPECT_EQ(s.palette.color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_TRUE(stile(tot01, "BK_-").font.bold());
    EXPECT_NE(stile(ros, "Tot.").backgroundBrush.color(), QColor(154, 190, 243));
    EXPECT_EQ(stile(ros, "DepositoDescr").text.toStdString(), "01 - Magazzino centrale Prato");

    // The exact formatting on its own, beyond what a double would carry.
    EXPECT_EQ(progressives::FormatQuantity(*Decimal::parse("123456789012345678.125")).toStdString(),
              "123.456.789.012.345.678,125");
    EXPECT_EQ(progressives::FormatQuantity(*Decimal::parse("-0.5")).toStdString(), "-0,500");
    EXPECT_EQ(progressives::FormatQuantity(Decimal(999)).toStdString(), "999,000");
}

TEST_F(Progressivi, KindsQuantitiesAndYearsChooseWhatIsRead) {
    tab->load();
    const long long righe = righeTabelle();

    // Consolidated per year: nothing until a year is given, and no message.
    scegli(tab->CBO_TIPOPROGRESSIVI, 2);
    EXPECT_TRUE(tab->TXT_ANNO->isEnabled());
    EXPECT_TRUE(gridVuota());
    EXPECT_TRUE(tab->LBL_ESITO->text().isEmpty());
    EXPECT_TRUE(cardtest::shownMessages().empty());

    anno("2025");
    ASSERT_TRUE(grid().isEnabled());
    confronta(atteso(2, 1, 2025, true));
    EXPECT_EQ(pivot()
                  .valueAt(riga("01", "   BLU", "MG70_QGIACATT"), pivot().fieldIndex("BK_S"))
                  .asDecimal(),
              Decimal(7));
    anno("2026");
    confronta(atteso(2, 1, 2026, true));
    // The year taken away: no year, no rows (and no message); given again,
    // its rows come back.
    anno("");
    EXPECT_TRUE(gridVuota());
    EXPECT_TRUE(cardtest::shownMessages().empty());
    anno("2026");
    confronta(atteso(2, 1, 2026, true));

    // A year of letters: refused with a message; the grid keeps 2026.
    const long before = pivot().recordCount();
    anno("20a5");
    EXPECT_TRUE(shown("[x91519x] L'anno deve essere un numero di quattro cifre"));
    EXPECT_TRUE(grid().isEnabled());
    EXPECT_EQ(pivot().recordCount(), before);
    confronta(atteso(2, 1, 2026, true));
    cardtest::clearMessages();
    anno("abcd");
    EXPECT_TRUE(shown("L'anno deve essere un numero di quattro cifre"));
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    // Another choice with the refused year in the box reads nothing.
    scegli(tab->CBO_TIPOQTA, 2);
    EXPECT_TRUE(gridVuota());

    // The other kinds ignore the year: real time reads both years.
    scegli(tab->CBO_TIPOQTA, 1);
    scegli(tab->CBO_TIPOPROGRESSIVI, 1);
    EXPECT_FALSE(tab->TXT_ANNO->isEnabled());
    confronta(atteso(1, 1, 0, true));
    EXPECT_GE(riga("02", "   ROS", "MG70_QGIACATT"), 0);  // a 2025 real-time row

    // A kind without rows: empty disabled grid, said next to the choices, and
    // no subcontracting rows though a subcontractor has quantity 2 stock.
    scegli(tab->CBO_TIPOQTA, 2);
    EXPECT_TRUE(gridVuota());
    EXPECT_EQ(tab->LBL_ESITO->text().toStdString(),
              "Nessun progressivo di magazzino per le scelte indicate.");
    EXPECT_EQ(tab->pivot(), nullptr);
    scegli(tab->CBO_TIPOQTA, 1);
    scegli(tab->CBO_TIPOPROGRESSIVI, 0);
    EXPECT_TRUE(gridVuota());
    EXPECT_FALSE(tab->LBL_ESITO->text().isEmpty());
    EXPECT_FALSE(card.panel.isVisible());

    // Nothing was written anywhere.
    EXPECT_EQ(righeTabelle(), righe);
    EXPECT_EQ(cardtest::scalar(card.connection(),
                               "SELECT SUM(MG70_QGIACATT) FROM MG70_MAGPROQTA WHERE "
                               "MG70_CODART_MG66 = 'PROVA-PROG' AND MG70_ANNO = 2025")
                  .toDecimal(),
              Decimal(11));
}

TEST_F(Progressivi, AnotherColumnVariantAndTheCompanysWarehouses) {
    tab->load();
    const long keysAfterFirst = tab->contatoreRighe();
    ASSERT_GT(keysAfterFirst, 0);

    // Colour in the columns: sizes become the rows.
    scegli(tab->CBO_TIPOVAR7, 1);
    EXPECT_EQ(tab->varianteColonna(), "A1");
    EXPECT_EQ(tab->descrizioneVariante(), "Colore");
    EXPECT_EQ(tab->startVariante(), 4);
    EXPECT_EQ(tab->sizeVariante(), 3);
    db::Recordset& rs = pivot();
    EXPECT_GE(rs.fieldIndex("BK_BLU"), 0);
    EXPECT_GE(rs.fieldIndex("BK_ROS"), 0);
    EXPECT_LT(rs.fieldIndex("BK_-"), 0);
    const long s = riga("01", "S", "MG70_QGIACATT");
    ASSERT_GE(s, 0);
    EXPECT_EQ(rs.valueAt(s, rs.fieldIndex("BK_BLU")).asDecimal(), *Decimal::parse("0.1"));
    EXPECT_EQ(rs.valueAt(s, rs.fieldIndex("BK_ROS")).asDecimal(),
              *Decimal::parse("12345678901.235"));
    EXPECT_EQ(cardtest::text(rs.valueAt(s, rs.fieldIndex("VarianteDescr"))), "S - Small");
    // The row keys go on from where they were.
    EXPECT_GT(tab->contatoreRighe(), keysAfterFirst);
    EXPECT_EQ(cardtest::text(rs.valueAt(s, rs.fieldIndex("Chiave"))).substr(0, 2), "K_");

    // Without a passive subcontracting warehouse only the active one is read.
    card.mutableCompany().SetPassiveSubcontractingWarehouse("");
    scegli(tab->CBO_TIPOVAR7, 0);
    EXPECT_LT(riga("CLP12", "   BLU", "MG70_QGIACATT"), 0);
    EXPECT_GE(riga("CLA01", "   ROS", "MG70_QGIACATT"), 0);
    EXPECT_LT(pivot().fieldIndex("BK_L"), 0);  // L was only at the passive subcontractor
    card.mutableCompany().SetActiveSubcontractingWarehouse("");
    scegli(tab->CBO_TIPOQTA, 2);
    scegli(tab->CBO_TIPOQTA, 1);
    confronta(atteso(1, 1, 0, false));
}

TEST_F(Progressivi, ItemsWithoutVariantsOrProgressivesShowAnEmptyGrid) {
    // Not managed by variants: nothing to choose and nothing read.
    card.showItem("MAGLIA-OLD");
    tab->load();
    EXPECT_EQ(tab->CBO_TIPOVAR7->count(), 0);
    EXPECT_TRUE(gridVuota());
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(card.loadedItem(common::kTabProgressivi), "MAGLIA-OLD");

    // Managed by variants but without a single progressive.
    card.showItem("CAMICIA-001");
    tab->load();
    EXPECT_GT(tab->CBO_TIPOVAR7->count(), 0);
    EXPECT_TRUE(gridVuota());
    EXPECT_FALSE(tab->LBL_ESITO->text().isEmpty());
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(Progressivi, ADatabaseFailureIsReportedAndRetryAddsOnce) {
    db::Connection& cn = card.connection();
    const long long righe = righeTabelle();

    // Abort: the load is left with an empty, disabled grid.
    cn.injectFault({"MG70_MAGPROQTA.*", "08S01", 0, 1});
    queueAnswer(common::vbAbort);
    tab->load();
    EXPECT_TRUE(shown("CaricaProgressivi: "));
    EXPECT_TRUE(gridVuota());
    EXPECT_EQ(tab->pivot(), nullptr);
    EXPECT_FALSE(card.panel.isVisible());

    // Retry once the cause is gone: everything once, nothing twice.
    cardtest::clearMessages();
    cn.injectFault({"MG70_MAGPROQTA.*", "08S01", 0, 1});
    queueAnswer(common::vbRetry);
    scegli(tab->CBO_TIPOQTA, 2);
    scegli(tab->CBO_TIPOQTA, 1);
    EXPECT_EQ(cardtest::shownMessages().size(), 1u);
    confronta(atteso(1, 1, 0, true));

    // The same for a subcontractor's read.
    cardtest::clearMessages();
    cn.injectFault({"MG7E_CLAVPROQTA.*", "08S01", 1, 1});  // the passive one
    queueAnswer(common::vbRetry);
    scegli(tab->CBO_TIPOQTA, 2);
    scegli(tab->CBO_TIPOQTA, 1);
    EXPECT_TRUE(shown("CaricaProgressivi: "));
    confronta(atteso(1, 1, 0, true));

    // Ignore goes on without that subcontractor.
    cardtest::clearMessages();
    cn.injectFault({"MG7E_CLAVPROQTA.*", "08S01", 1, 1});
    queueAnswer(common::vbIgnore);
    scegli(tab->CBO_TIPOQTA, 2);
    scegli(tab->CBO_TIPOQTA, 1);
    EXPECT_TRUE(grid().isEnabled());
    EXPECT_LT(riga("CLP12", "   BLU", "MG70_QGIACATT"), 0);
    EXPECT_GE(riga("CLA01", "   ROS", "MG70_QGIACATT"), 0);

    EXPECT_EQ(righeTabelle(), righe);
}

TEST_F(Progressivi, TheProgressPanelShowsTheLoadAndCanStopIt) {
    tab->load();
    EXPECT_FALSE(card.panel.isVisible());
    EXPECT_EQ(card.panel.Caption().toStdString(),
              "[x80570x] Lettura progressivi conto lavoro passivo");

    // Cancelled as soon as it shows: the grid stays empty.
    scegli(tab->CBO_TIPOQTA, 2);
    AnnullaAllaVista annulla(card.panel);
    scegli(tab->CBO_TIPOQTA, 1);
    EXPECT_TRUE(gridVuota());
    EXPECT_EQ(tab->LBL_ESITO->text().toStdString(), "Lettura interrotta.");
    EXPECT_FALSE(card.panel.isVisible());
    // The next choice reads again.
    annulla.attivo = false;
    scegli(tab->CBO_TIPOQTA, 2);
    scegli(tab->CBO_TIPOQTA, 1);
    EXPECT_TRUE(grid().isEnabled());
}

// The real window: the tab chosen from the side bar, with the window's
// progress panel and the company's own subcontracting warehouses.
TEST(ProgressiviNellaScheda, TheWindowShowsTheTabForTheChosenItem) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("demo.db").toStdString();
    demo::createDemoDatabase(path);
    cardtest::clearMessages();
    card::FRMMG_VELDRANO w;
    w.setContext("Data Source=" + path, "1");
    w.Form_Load();
    w.show();
    w.Form_Activate();
    w.TXT_CODART_Confirm("MAGLIA-001");
    w.selectTab(common::kTabProgressivi);
    auto* tab = dynamic_cast<progressives::ProgressiviTab*>(w.tab(common::kTabProgressivi));
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(w.loadedItem(common::kTabProgressivi), "MAGLIA-001");
    ASSERT_NE(tab->pivot(), nullptr);
    EXPECT_TRUE(tab->QGRID_PROGRESSIVI->isEnabled());
    EXPECT_GT(tab->QGRID_PROGRESSIVI->model()->rowCount(), 0);
    EXPECT_FALSE(w.KOV_PROGRESS1()->isVisible());
    // Both subcontracting warehouses of the sample company are read.
    bool attivo = false, passivo = false;
    const db::Recordset& rs = *tab->pivot();
    for (long r = 0; r < rs.recordCount(); ++r) {
        const std::string dep = cardtest::text(rs.valueAt(r, rs.fieldIndex("Deposito")));
        attivo = attivo || dep.rfind("CLA0", 0) == 0;
        passivo = passivo || dep.rfind("CLP1", 0) == 0;
    }
    EXPECT_TRUE(attivo);
    EXPECT_TRUE(passivo);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

// A quantity kept as text that is no number, written past the adapter as
// another program could: that row alone is refused with its error, the
// others are summed, and the table keeps every row as it was.
TEST(ProgressiviDatiErrati, AQuantityThatIsNoNumberRefusesItsRowAlone) {
    QTemporaryDir dir;
    const std::string file = cardtest::demoFile(dir.path().toStdString());
    {
        db::Connection cn;
        cn.open("Data Source=" + file);
        inserisciArticolo(cn);
    }
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
    db::sqlite::registerFunctions(raw);
    char* err = nullptr;
    const int rc = sqlite3_exec(raw,
                                "UPDATE MG70_MAGPROQTA SET MG70_QCARACQ = 'molti' WHERE "
                                "MG70_CODART_MG66 = 'PROVA-PROG' AND MG70_CODDEP_MG58 = '01' AND "
                                "MG70_OPZIONE_MG5E LIKE 'M  BLU%' AND MG70_TIPOPROG = 1",
                                nullptr, nullptr, &err);
    EXPECT_EQ(rc, SQLITE_OK) << (err ? err : "");
    sqlite3_free(err);
    EXPECT_EQ(sqlite3_changes(raw), 1);
    sqlite3_close(raw);

    cardtest::clearMessages();
    Card card(file);
    auto& tab = card.addTab<progressives::ProgressiviTab>(common::kTabProgressivi);
    card.showItem(kArticolo);
    const long long prima = count(card.connection(), "MG70_MAGPROQTA", "1=1");
    queueAnswer(common::vbIgnore);
    tab.load();
    ASSERT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_TRUE(shown("CaricaProgressivi: "));
    ASSERT_NE(tab.pivot(), nullptr);
    EXPECT_TRUE(tab.QGRID_PROGRESSIVI->isEnabled());
    // The refused row (M, BLU in 01) adds nothing; its neighbours are there.
    const db::Recordset& rs = *tab.pivot();
    auto cella = [&](const std::string& dep, const std::string& var, const std::string& col,
                     const std::string& campo) {
        for (long r = 0; r < rs.recordCount(); ++r)
            if (cardtest::text(rs.valueAt(r, rs.fieldIndex("Deposito"))) == dep &&
                cardtest::text(rs.valueAt(r, rs.fieldIndex("Variante"))) == var &&
                cardtest::text(rs.valueAt(r, rs.fieldIndex("NomeProgressivo"))) == col)
                return rs.valueAt(r, rs.fieldIndex(campo));
        return db::Value::null();
    };
    EXPECT_EQ(cella("01", "   BLU", "MG70_QGIACATT", "BK_S").asDecimal(), *Decimal::parse("0.1"));
    EXPECT_TRUE(cella("01", "   BLU", "MG70_QGIACATT", "BK_M").isNull());
    EXPECT_EQ(cella("01", "   BLU", "MG70_QCARACQ", "BK_S").asDecimal(), *Decimal::parse("10.5"));
    EXPECT_TRUE(cella("01", "   BLU", "MG70_QCARACQ", "BK_M").isNull());
    EXPECT_EQ(cella("02", "   BLU", "MG70_QGIACATT", "BK_M").asDecimal(), *Decimal::parse("0.005"));
    // Nothing written: the rows and the text are as they were.
    EXPECT_EQ(count(card.connection(), "MG70_MAGPROQTA", "1=1"), prima);
    db::Recordset resta;
    resta.open(
        "SELECT MG70_QCARACQ FROM MG70_MAGPROQTA WHERE MG70_CODART_MG66 = 'PROVA-PROG' AND "
        "MG70_CODDEP_MG58 = '01' AND MG70_OPZIONE_MG5E LIKE 'M  BLU%' AND MG70_TIPOPROG = 1",
        card.connection());
    ASSERT_EQ(resta.recordCount(), 1);
    resta.moveFirst();
    EXPECT_EQ(cardtest::text(resta.value("MG70_QCARACQ")), "molti");
}

// The cross table's sums: quantities of another scale and sums past 10^36
// (where adding mantissas in place would no longer be safe) stay exact.
TEST(ProgressiviSomme, SumsStayExactAtAnyScaleAndNearTheLimit) {
    long contatore = 0;
    progressives::PivotProgressivi pivot({"Q1", "Q2"}, {"Uno", "Due"}, contatore);
    const auto riga = [](std::string opzione, std::vector<std::pair<int, Decimal>> q) {
        return progressives::RigaDati{"V  1", std::move(opzione), "B01", "B01 - Sede",
                                      std::move(q)};
    };
    const auto d = [](const char* text) { return *Decimal::parse(text); };
    const auto descrizione = [](const std::string&) { return std::string("Articolo"); };
    pivot.aggiungi(riga("S", {{0, d("1.250")}, {1, d("900000000000000000000000000000000000")}}),
                   descrizione);
    pivot.aggiungi(riga("S", {{0, d("2")}, {1, d("900000000000000000000000000000000000")}}),
                   descrizione);
    pivot.aggiungi(riga("M", {{0, d("-0.5")}, {1, d("-1800000000000000000000000000000000001")}}),
                   descrizione);
    const auto rs = pivot.crea();
    ASSERT_EQ(rs->recordCount(), 4);  // two progressives, their row and the total's
    const auto cella = [&](long row, const char* field) {
        return rs->valueAt(row, rs->fieldIndex(field)).toText();
    };
    for (long row : {0L, 1L}) {  // the variant article's row, then the warehouse total
        EXPECT_EQ(cella(row, "BK_S"), "3.250");
        EXPECT_EQ(cella(row, "BK_M"), "-0.5");
        EXPECT_EQ(cella(row, "Tot."), "2.750");
        EXPECT_EQ(cella(row + 2, "BK_S"), "1800000000000000000000000000000000000");
        EXPECT_EQ(cella(row + 2, "Tot."), "-1");
    }
    // Past 38 digits the sum is refused, never wrapped around.
    const Decimal massimo = d("99999999999999999999999999999999999999");
    pivot.aggiungi(riga("L", {{1, massimo}}), descrizione);
    EXPECT_ANY_THROW(pivot.aggiungi(riga("L", {{1, massimo}}), descrizione));
}
