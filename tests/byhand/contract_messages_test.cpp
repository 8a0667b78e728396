// What the card tells the user, tried by hand on the demo host's catalogue:
// the loaders' progress text, the grouping questions with the grouping and
// the variant in them, Italian articles joined to their prepositions, and
// every number of the card's own range listed in the demo catalogue.

#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <set>

#include "common/item_card.h"
#include "common/window_services.h"
#include "groupings/option_lists.h"
#include "itemcodes/artclifor_tab.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/progress.h"
#include "platform/controls/record_frame.h"
#include "tests/byhand/contract_host.h"

namespace {

using contracttest::HostedCard;

struct Messages : HostedCard {};

TEST_F(Messages, TheActivationAndOptionsLoadersShowTheirProgressText) {
    open();
    choose("PANT-001");
    controls::ProgressPanel* progress = w->KOV_PROGRESS1();
    ASSERT_NE(progress, nullptr);
    for (int tab : {common::kTabAttivazioneVarianti, common::kTabGestioneVarianti}) {
        progress->SetCaption("-");
        w->selectTab(tab);
        EXPECT_EQ(progress->Caption().toStdString(), "Caricamento in corso...") << tab;
        EXPECT_FALSE(progress->isVisible()) << tab;
    }
}

TEST_F(Messages, LeavingAChangedGroupingNamesTheGroupingAndTheVariant) {
    open();
    choose("PANT-001");
    w->selectTab(common::kTabGestioneVarianti);
    auto& st = w->shared<groupings::StatoOpzioni>();
    ASSERT_EQ(st.raggruppamento, "TG-NUMERI");
    auto retype = [&](const char* text) {
        QLineEdit* box = st.TXT_RAGGR1->LineEdit();
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    };
    retype("TG-LETTERE");
    cardtest::clearMessages();
    w->selectTab(common::kTabAttivazioneVarianti);  // answered No: nothing changes
    EXPECT_TRUE(cardtest::shown(
        "E' stato modificato il raggruppamento (TG-LETTERE) per la variante Taglia.\n"
        "Si vuole associare il raggruppamento alla variante ?"));

    w->selectTab(common::kTabGestioneVarianti);
    ASSERT_EQ(st.raggruppamento, "TG-NUMERI");
    retype("");
    cardtest::clearMessages();
    w->selectTab(common::kTabAttivazioneVarianti);
    EXPECT_TRUE(
        cardtest::shown("E' stato tolto il raggruppamento (TG-NUMERI) alla variante Taglia.\n"
                        "Si vuole confermare questa impostazione ?"));
    EXPECT_EQ(count("MG6B_GESVARART",
                    "MG6B_CODART_MG66 = 'PANT-001' AND MG6B_CODRAGGVAR_MG5G = 'TG-NUMERI'"),
              1);
}

TEST_F(Messages, TheSaveQuestionJoinsThePrepositionToTheArticle) {
    open();
    choose("MAGLIA-002");
    w->selectTab(common::kTabArtcli);
    auto& tab = *static_cast<itemcodes::ArtCliForTab*>(w->tab(common::kTabArtcli));
    tick(tab.CHK_ARTCLIFOR);  // the item's own flag
    ASSERT_EQ(w->FME_ART()->Status(), 1);
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbCancel);
    QTest::mouseClick(w->CMD_NUOVO(), Qt::LeftButton);
    EXPECT_TRUE(cardtest::shown("Salvare le modifiche apportate all'articolo di Magazzino?"));
    for (const auto& m : cardtest::shownMessages()) {
        EXPECT_EQ(m.find(" a l'"), std::string::npos) << m;
        EXPECT_EQ(m.find(" a il "), std::string::npos) << m;
        EXPECT_EQ(m.find(" a la "), std::string::npos) << m;
    }
    EXPECT_EQ(controls::WithPrepositionA("il codice articolo del cliente").toStdString(),
              "al codice articolo del cliente");
    EXPECT_EQ(controls::WithPrepositionA("la trascodifica").toStdString(), "alla trascodifica");
    EXPECT_EQ(controls::WithPrepositionA("le varianti dell'articolo").toStdString(),
              "alle varianti dell'articolo");
    EXPECT_EQ(controls::WithPrepositionA("Mario").toStdString(), "a Mario");
}

// Every number of the card's own range (91xxx) used in the sources, and every
// number a message constant names, has its text in the demo catalogue.
TEST(MessageNumbers, TheCardsOwnNumbersAreInTheDemoCatalogue) {
    const std::string root = VELDRANO_SOURCE_DIR;
    const framework::Catalogue catalogue =
        framework::Catalogue::FromFile(root + "/demo/messages.tsv");
    const QRegularExpression number(QStringLiteral("[^0-9A-Za-z_](91[0-9]{3})[^0-9]"));
    const QRegularExpression constant(QStringLiteral("kMsg[A-Za-z0-9_]* = ([0-9]+);"));
    std::set<long> used;
    for (const char* folder :
         {"common", "component", "descriptions", "duplication", "groupings", "host", "itemcodes",
          "progressives", "states", "transcoding", "variants", "window"}) {
        QDirIterator it(QString::fromStdString(root + "/" + folder), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            for (auto m = number.globalMatch(text); m.hasNext();)
                used.insert(m.next().captured(1).toLong());
            // and every message number a constant names, whatever its range
            for (auto m = constant.globalMatch(text); m.hasNext();)
                used.insert(m.next().captured(1).toLong());
        }
    }
    EXPECT_FALSE(used.empty());
    for (long n : used)
        EXPECT_TRUE(catalogue.Contains(n)) << n;
}

}  // namespace
