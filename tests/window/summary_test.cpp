// The summary, images and linked-managements tabs and the side bar, on the
// demo database through the real window: formatting of numbers and dates,
// the summary of an item with and without its rows, the images with their
// placeholders, and the side bar's rules.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <deque>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/window_services.h"
#include "demo/demo_database.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/side_bar.h"
#include "platform/controls/split_region.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/support/scripted_dialogs.h"
#include "window/dati_anagrafici_tab.h"
#include "window/formatta_campo.h"
#include "window/frmmg_veldrano.h"
#include "window/gestioni_tab.h"
#include "window/immagini_tab.h"

namespace {

using card::DatiAnagraficiTab;

using Answers = cardtest::ScriptedDialogs;

// Tab 7 for the side bar tests: counts how often its loader is called.
struct CountingTab : common::CardTab {
    explicit CountingTab(common::ItemCard& c) : CardTab(c, common::kTabProgressivi) {}
    void build(QWidget*) override {}
    void load() override { ++calls; }
    int calls = 0;
};

class FakeImages : public card::ImageSource {
public:
    std::vector<card::Immagine> list;
    std::string lastKey;
    int lastMode = -1;
    std::vector<card::Immagine> immagini(const std::string&, const std::string&, int mode,
                                         const std::string& key) override {
        lastKey = key;
        lastMode = mode;
        return list;
    }
};

struct Summary : ::testing::Test {
    void SetUp() override {
        path = dir.filePath("demo.db").toStdString();
        demo::createDemoDatabase(path);
        cn.open("Data Source=" + path);
        common::registerCardTab(common::kTabDatiAnagrafici, [](common::ItemCard& c) {
            return std::make_unique<DatiAnagraficiTab>(c);
        });
        common::registerCardTab(common::kTabImmagini, [](common::ItemCard& c) {
            return std::make_unique<card::ImmaginiTab>(c);
        });
        common::registerCardTab(common::kTabGestioni, [](common::ItemCard& c) {
            return std::make_unique<card::GestioniTab>(c);
        });
        common::registerCardTab(common::kTabProgressivi, [](common::ItemCard& c) {
            return std::make_unique<CountingTab>(c);
        });
        common::setDialoghi(&dialogs);
        card::setImageSource(&images);
    }
    void TearDown() override {
        w.reset();
        // The other window tests expect empty pages for these tabs.
        for (int t : {common::kTabDatiAnagrafici, common::kTabImmagini, common::kTabGestioni,
                      common::kTabProgressivi})
            common::registerCardTab(t, {});
        card::setImageSource(nullptr);
        common::setDialoghi(nullptr);
    }
    void open(const std::string& ditta = "1") {
        w = std::make_unique<card::FRMMG_VELDRANO>();
        w->setContext("Data Source=" + path, ditta);
        w->Form_Load();
        w->resize(1024, 768);
        w->show();
        w->Form_Activate();
    }
    void choose(const std::string& code) {
        w->TXT_CODART()->setText(QString::fromStdString(code));
        w->TXT_CODART_Confirm(code);
    }
    DatiAnagraficiTab& summary() {
        return *static_cast<DatiAnagraficiTab*>(w->tab(common::kTabDatiAnagrafici));
    }
    controls::SideBar* sidebar() { return w->KOV_SIDEBAR(); }
    // The summary list as caption -> text.
    std::map<std::string, std::string> list() {
        std::map<std::string, std::string> out;
        db::Recordset* rs = summary().RsDatiAnagrafici();
        for (long r = 0; r < rs->recordCount(); ++r)
            out[rs->valueAt(r, 1).toText()] = rs->valueAt(r, 2).toText();
        return out;
    }

    QTemporaryDir dir;
    std::string path;
    db::Connection cn;
    Answers dialogs;
    FakeImages images;
    std::unique_ptr<card::FRMMG_VELDRANO> w;
};

db::Column column(db::FieldType type, int scale = 0) {
    db::Column c;
    c.name = "X";
    c.type = type;
    c.scale = scale;
    return c;
}

}  // namespace

TEST(FormattaCampo, NumbersByScaleDatesDayFirstOtherTextAsItIs) {
    using T = db::FieldType;
    struct Case {
        db::Column column;
        db::Value value;
        std::string expected;
    };
    const Case cases[] = {
        {column(T::Decimal, 0), db::Value(db::Decimal(1234567)), "1.234.567"},
        {column(T::Decimal, 0), db::Value(db::Decimal(999)), "999"},
        {column(T::Decimal, 0), db::Value(*db::Decimal::parse("1234.5")), "1.235"},
        {column(T::Decimal, 2), db::Value(*db::Decimal::parse("1234.5")), "1.234,50"},
        {column(T::Decimal, 4), db::Value(*db::Decimal::parse("0.125")), "0,13"},
        {column(T::Decimal, 2), db::Value(*db::Decimal::parse("-1234567.891")), "-1.234.567,89"},
        {column(T::Decimal, 2), db::Value(*db::Decimal::parse("-0.001")), "0,00"},
        {column(T::Integer), db::Value(42), "42"},
        {column(T::Integer), db::Value(-1000), "-1.000"},
        {column(T::Double, 2), db::Value(2.5), "2,50"},
        {column(T::Decimal, 2), db::Value("1234.5"), "1.234,50"},  // numbers read as text
        {column(T::Decimal, 2), db::Value::null(), ""},
        {column(T::Decimal, 0), db::Value(), ""},
        {column(T::Date), db::Value(db::DateTime{2024, 9, 2, 0, 0, 0}), "02/09/2024"},
        {column(T::Date), db::Value(db::DateTime{1999, 12, 31, 23, 59, 0}), "31/12/1999"},
        {column(T::Date), db::Value("2025-05-20"), "20/05/2025"},
        {column(T::Date), db::Value::null(), ""},
        {column(T::Text), db::Value("Lana merino   "), "Lana merino"},
        {column(T::FixedText), db::Value("   "), ""},
        {column(T::Text), db::Value(db::Decimal(5)), "5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(card::FormattaCampo(c.column, c.value), c.expected) << c.expected;

    // The same through the types the database gives its columns.
    db::Connection cn;
    cn.open("Data Source=:memory:");
    demo::createSchema(cn);
    demo::loadSampleData(cn);
    db::Recordset rs;
    rs.open(
        "SELECT MG66_PREZZOLIST, MG66_DTCREAZ, MG66_FLGVARART, MG66_DESCART,"
        " CAST(1234567 AS DECIMAL(12,0)) AS GRANDE, CG28_ALIQUOTA"
        " FROM MG66_ANAGRART INNER JOIN CG28_TABCODIVA ON CG28_DITTA_CG18 = MG66_DITTA_CG18"
        " AND CG28_CODIVA = MG66_ALIVA_CG28"
        " WHERE MG66_DITTA_CG18 = 1 AND MG66_CODART = 'MAGLIA-001'",
        cn);
    ASSERT_EQ(rs.recordCount(), 1);
    rs.moveFirst();
    EXPECT_EQ(card::FormattaCampo(rs, 0), "89,00");
    EXPECT_EQ(card::FormattaCampo(rs, 1), "02/09/2024");
    EXPECT_EQ(card::FormattaCampo(rs, 2), "1");
    EXPECT_EQ(card::FormattaCampo(rs, 3), "Maglia girocollo lana merino");
    EXPECT_EQ(card::FormattaCampo(rs, 4), "1.234.567");
    EXPECT_EQ(card::FormattaCampo(rs, 5), "22,00");
}

TEST_F(Summary, AnItemIsSummarisedWithDescriptionsOfItsCodesAndAccounts) {
    open();
    choose("MAGLIA-001");
    DatiAnagraficiTab& t = summary();
    EXPECT_EQ(w->loadedItem(0), "MAGLIA-001");
    EXPECT_TRUE(t.TXT_DESCRESTESA->toPlainText().startsWith("Maglia girocollo in pura lana"));
    EXPECT_EQ(t.LBL_STATO->text().toStdString(), "Attivo");
    EXPECT_FALSE(t.LBL_STATO->isHidden());
    const std::string nota =
        "Articolo continuativo della linea uomo. Riassortimento ogni quattro settimane.";
    EXPECT_EQ(t.TXT_NOTE->toPlainText().toStdString(), nota);
    // MG66_FLGSTINV, FLGARTCLI, FLGARTFOR, FLGSTGIOR, FLGALTER, FLGSOST = 1 1 1 1 0 0.
    const bool expected[6] = {true, true, true, true, false, false};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(t.CHK_FLAG[i]->isHidden()) << i;
        EXPECT_FALSE(t.CHK_FLAG[i]->isEnabled()) << i;
        EXPECT_EQ(t.CHK_FLAG[i]->isChecked(), expected[i]) << i;
    }
    auto l = list();
    EXPECT_EQ(l.size(), 19u);
    EXPECT_EQ(l["Famiglia"], "Maglieria");
    EXPECT_EQ(l["Gruppo"], "Lana merino");
    EXPECT_EQ(l["Sotto gruppo"], "Girocollo");
    EXPECT_EQ(l["Codice Iva"].empty(), false);
    // The company's own description wins; without one, the chart's.
    EXPECT_EQ(l["Conto vendita Italia"], "Ricavi vendita capi Italia");
    EXPECT_EQ(l["Conto acquisti Italia"], "Acquisti filati e tessuti Italia");
    EXPECT_EQ(l["Conto reso vend. Italia"], "Resi su vendite Italia");
    EXPECT_EQ(l["Conto reso acq. Estero"], "Resi su acquisti estero");
    // Rows are numbered from 1 in statement order, and the grid shows them.
    db::Recordset* rs = t.RsDatiAnagrafici();
    EXPECT_EQ(rs->valueAt(0, 0).toText(), "1");
    EXPECT_EQ(rs->valueAt(0, 1).toText(), "Famiglia");
    EXPECT_EQ(rs->valueAt(18, 0).toText(), "19");
    EXPECT_EQ(rs->valueAt(18, 1).toText(), "Conto reso acq. Estero");
    EXPECT_EQ(t.FLEX_ANAG->DataSource(), rs);
    EXPECT_EQ(t.FLEX_ANAG->CellText(0, 2).toStdString(), "Maglieria");

    // Shown again for the same item: not reloaded (a change behind it is not seen).
    cn.execute(
        "UPDATE MG87_ARTDESC SET MG87_NOTEART = 'Nuova nota' WHERE MG87_DITTA_CG18 = 1"
        " AND MG87_CODART_MG66 = 'MAGLIA-001' AND MG87_OPZIONE_MG5E = ''"
        " AND MG87_LINGUA_MG52 = ''");
    w->selectTab(8);
    w->selectTab(0);
    EXPECT_EQ(t.TXT_NOTE->toPlainText().toStdString(), nota);
    w->clearLoadedItem(0);
    w->selectTab(0);
    EXPECT_EQ(t.TXT_NOTE->toPlainText().toStdString(), "Nuova nota");
}

TEST_F(Summary, AnItemWithoutItsMainDescriptionShowsCaptionsWithEmptyValues) {
    open();
    // CAMP-AI26 has no MG87_ARTDESC row at all; MAGLIA-003 only loses its main one.
    choose("CAMP-AI26");
    DatiAnagraficiTab& t = summary();
    EXPECT_EQ(w->loadedItem(0), "CAMP-AI26");
    EXPECT_EQ(t.TXT_DESCRESTESA->toPlainText().toStdString(), "");
    EXPECT_EQ(t.TXT_NOTE->toPlainText().toStdString(), "");
    EXPECT_EQ(t.LBL_STATO->text().toStdString(), "");
    for (QCheckBox* c : t.CHK_FLAG) {
        EXPECT_TRUE(c->isHidden());
        EXPECT_FALSE(c->isEnabled());
    }
    auto l = list();
    EXPECT_EQ(l.size(), 19u);
    for (const auto& [caption, value] : l)
        EXPECT_EQ(value, "") << caption;
    EXPECT_TRUE(dialogs.shown.empty());

    cn.execute(
        "INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E,"
        " MG87_LINGUA_MG52, MG87_DESCART) VALUES (1, 'MAGLIA-002', '', 'SPAG', 'Chaqueta')");
    cn.execute(
        "DELETE FROM MG87_ARTDESC WHERE MG87_DITTA_CG18 = 1 AND MG87_CODART_MG66 ="
        " 'MAGLIA-002' AND MG87_OPZIONE_MG5E = '' AND MG87_LINGUA_MG52 = ''");
    // A new search shows nothing of the last item while a code is awaited.
    w->CMD_NUOVO_Click();
    EXPECT_EQ(t.FLEX_ANAG->DataSource(), nullptr);
    EXPECT_EQ(t.FLEX_ANAG->model()->rowCount(), 0);
    choose("MAGLIA-002");
    EXPECT_EQ(t.TXT_DESCRESTESA->toPlainText().toStdString(), "");
    EXPECT_TRUE(t.CHK_FLAG[0]->isHidden());
    EXPECT_EQ(list()["Famiglia"], "");
    // The item itself is untouched.
    EXPECT_EQ(w->TXT_DESCART()->text().toStdString(), "Cardigan cashmere con bottoni");
    // Nor is its variants flag left on show by a new search.
    const auto* flag = w->findChild<QCheckBox*>("CHK_FLGVARART");
    ASSERT_TRUE(flag->isChecked());
    w->CMD_NUOVO_Click();
    EXPECT_FALSE(flag->isChecked());
}

TEST_F(Summary, ClassificationFollowsTheCompanySettingAndMissingRowsStayEmpty) {
    // The statement passes the parents' codes only when sub-levels live under them.
    card::ContestoDitta sotto{"1", "1"}, propri{"1", "0"};
    std::string s1 = card::SqlItemData("1", "X", sotto);
    std::string s0 = card::SqlItemData("1", "X", propri);
    EXPECT_NE(s1.find("FNMG55_GRUPPI      (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55"),
              std::string::npos);
    EXPECT_NE(s0.find("FNMG55_GRUPPI      ('','',MG66_GRUPPO_MG55"), std::string::npos);
    EXPECT_NE(s0.find("FNMG56_SOTTOGRUPPI ('','','', MG66_SGRUPPO_MG56"), std::string::npos);

    // Company 2 describes its groups by their own codes only.
    open("2");
    choose("ABITO-SU01");
    EXPECT_EQ(list()["Gruppo"], "Lana");
    w.reset();

    // Company 1 with rows taken away: those captions stay, without a value.
    cn.execute(
        "DELETE FROM MG56_SOTTOGRUPPI WHERE MG56_DITTA_CG18 = 1 AND MG56_CODSGRUPPO = 'GIRO'");
    cn.execute("DELETE FROM MG55_GRUPPI WHERE MG55_DITTA_CG18 = 1 AND MG55_CODGRUPPO = 'LANA'");
    cn.execute(
        "DELETE FROM CG39_PRSDESPDC WHERE CG39_DITTA_CG18 = 1 AND CG39_CONTO_CG24 = '0801001'");
    open("1");
    choose("MAGLIA-001");
    auto l = list();
    EXPECT_EQ(l["Sotto gruppo"], "");
    EXPECT_EQ(l["Gruppo"], "");
    EXPECT_EQ(l["Famiglia"], "Maglieria");
    EXPECT_EQ(l["Conto vendita Italia"], "Merci c/vendite Italia");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Summary, AFailedLoadIsReportedAndLoadsAgainWhenNextShown) {
    open();
    const std::string items =
        cn.run("SELECT COUNT(*) FROM MG66_ANAGRART").resultSets.at(0).rows.at(0).at(0).toText();
    // The company descriptions of the accounts go away for a while.
    cn.execute("SELECT * INTO CG39_COPIA FROM CG39_PRSDESPDC");
    cn.execute("DROP TABLE CG39_PRSDESPDC");
    dialogs.answers = {common::vbAbort};
    choose("MAGLIA-001");
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown[0].rfind("Tab_DatiAnagrafici: ", 0), 0u) << dialogs.shown[0];
    EXPECT_EQ(w->loadedItem(0), "");
    EXPECT_EQ(w->currentItem(), "MAGLIA-001");

    EXPECT_EQ(summary().RsDatiAnagrafici(), nullptr);
    EXPECT_EQ(
        cn.run("SELECT COUNT(*) FROM MG66_ANAGRART").resultSets.at(0).rows.at(0).at(0).toText(),
        items);

    cn.execute("SELECT * INTO CG39_PRSDESPDC FROM CG39_COPIA");
    dialogs.shown.clear();
    w->selectTab(0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(w->loadedItem(0), "MAGLIA-001");
    EXPECT_EQ(summary().LBL_STATO->text().toStdString(), "Attivo");
}

TEST_F(Summary, ImagesAreShownAndMissingOrBrokenFilesGetAPlaceholder) {
    const QString good = dir.filePath("maglia.png");
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    ASSERT_TRUE(img.save(good));
    const QString broken = dir.filePath("rotta.png");
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("questo non e' un PNG");
    }
    images.list = {{good.toStdString(), "Fronte"},
                   {dir.filePath("sparita.jpg").toStdString(), "Retro"},
                   {broken.toStdString(), "Dettaglio"}};
    open();
    choose("MAGLIA-001");
    w->selectTab(common::kTabImmagini);
    auto& t = *static_cast<card::ImmaginiTab*>(w->tab(common::kTabImmagini));
    EXPECT_EQ(images.lastKey, "MAGLIA-001");
    EXPECT_EQ(images.lastMode, 1);
    EXPECT_EQ(w->loadedItem(common::kTabImmagini), "MAGLIA-001");
    ASSERT_EQ(t.KOV_VISIMAGE1->count(), 3);
    EXPECT_EQ(t.KOV_VISIMAGE1->stato(0), card::ImageViewer::Stato::Immagine);
    EXPECT_EQ(t.KOV_VISIMAGE1->stato(1), card::ImageViewer::Stato::Mancante);
    EXPECT_EQ(t.KOV_VISIMAGE1->stato(2), card::ImageViewer::Stato::NonImmagine);
    EXPECT_EQ(t.KOV_VISIMAGE1->testo(1).toStdString(), "Immagine non trovata: sparita.jpg");
    EXPECT_TRUE(t.KOV_VISIMAGE1->testo(2).contains("rotta.png"));
    EXPECT_TRUE(dialogs.shown.empty());

    // Another item without images: the viewer empties.
    images.list.clear();
    w->CMD_NUOVO_Click();
    choose("MAGLIA-002");
    w->selectTab(common::kTabImmagini);
    EXPECT_EQ(images.lastKey, "MAGLIA-002");
    EXPECT_EQ(t.KOV_VISIMAGE1->count(), 0);
}

TEST_F(Summary, TheManagementsPageLoadsOncePerItemWithItsSplitRegion) {
    open();
    choose("MAGLIA-001");
    w->selectTab(common::kTabGestioni);
    auto& t = *static_cast<card::GestioniTab*>(w->tab(common::kTabGestioni));
    EXPECT_EQ(w->loadedItem(common::kTabGestioni), "MAGLIA-001");
    ASSERT_TRUE(t.SplitRegionDupl);
    EXPECT_EQ(t.SplitRegionDupl->count(), 2);
    QList<int> sizes = t.SplitRegionDupl->PaneSizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_GT(sizes[0], 0);
    EXPECT_GT(sizes[1], sizes[0]);
}

TEST_F(Summary, SideBarGroupsFollowTheItemAndRefuseVariantTabsWithoutActiveVariants) {
    cn.execute(
        "UPDATE MG6B_GESVARART SET MG6B_FLGGESTVAR = 0 WHERE MG6B_DITTA_CG18 = 1"
        " AND MG6B_CODART_MG66 = 'SCIARPA-001'");
    open();
    // Not managed by variants: only the item's own groups.
    choose("MAGLIA-OLD");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP01"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP02"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP03"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP04"));
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP05"));

    // Managed by variants, none active: GRP02 only, and in it no variant tabs.
    w->CMD_NUOVO_Click();
    choose("SCIARPA-001");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP02"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP03"));
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP04"));
    for (const char* key : {"ITM01", "ITM02", "ITM12"}) {
        sidebar()->ClickItem("GRP02", key);
        EXPECT_EQ(w->currentTab(), 0) << key;
    }
    sidebar()->ClickItem("GRP02", "ITM03");
    EXPECT_EQ(w->currentTab(), common::kTabAttivazioneVarianti);

    // With active variants every group opens.
    w->CMD_NUOVO_Click();
    choose("MAGLIA-001");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP03"));
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP04"));
    sidebar()->ClickItem("GRP02", "ITM01");
    EXPECT_EQ(w->currentTab(), common::kTabGestioneVarianti);
}

TEST_F(Summary, TheSideBarReloadsTheShownTabAndIsNotRebuiltForTheSameItem) {
    open();
    choose("MAGLIA-001");
    auto& probe = *static_cast<CountingTab*>(w->tab(common::kTabProgressivi));
    sidebar()->ClickItem("GRP04", "ITM07");
    EXPECT_EQ(w->currentTab(), common::kTabProgressivi);
    EXPECT_EQ(probe.calls, 1);
    // The item of the tab already shown runs its loader again.
    sidebar()->ClickItem("GRP04", "ITM07");
    EXPECT_EQ(probe.calls, 2);

    // The same item again: the side bar keeps its state as it is.
    sidebar()->SetGroupEnabled("GRP05", false);
    w->ConfiguraSidebar(true);
    EXPECT_FALSE(w->sidebarGroupEnabled("GRP05"));
    EXPECT_EQ(sidebar()->SelectedItem(), "ITM07");
    // Another item rebuilds it and keeps the chosen item selected.
    w->CMD_NUOVO_Click();
    choose("MAGLIA-002");
    EXPECT_TRUE(w->sidebarGroupEnabled("GRP05"));
}
