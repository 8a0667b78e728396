// The card in its user's language: Qt's own texts follow the host's
// translation (Italian by default, whatever the system locale), the English
// catalogue has every number of the Italian one, and a card hosted with it
// speaks English in its message boxes.

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <set>

#include "groupings/gestione_varianti_tab.h"
#include "groupings/option_lists.h"
#include "platform/framework/qt_translation.h"
#include "tests/byhand/contract_host.h"

namespace {

const std::string kRoot = VELDRANO_SOURCE_DIR;

QString buttonText(QMessageBox::StandardButton which) {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Retry |
                           QMessageBox::Ignore | QMessageBox::Abort);
    return box.button(which)->text().remove(QLatin1Char('&'));
}

TEST(Language, QtsOwnButtonsSpeakTheCardsLanguage) {
    ASSERT_TRUE(framework::InstallQtTranslation("IT")) << "qt6-translations-l10n is missing";
    EXPECT_EQ(buttonText(QMessageBox::Yes), QString::fromUtf8("Sì"));
    EXPECT_EQ(buttonText(QMessageBox::Retry), QStringLiteral("Riprova"));
    EXPECT_EQ(buttonText(QMessageBox::Ignore), QStringLiteral("Ignora"));
    EXPECT_EQ(buttonText(QMessageBox::Abort), QStringLiteral("Interrompi"));
    ASSERT_TRUE(framework::InstallQtTranslation("EN"));
    EXPECT_EQ(buttonText(QMessageBox::Yes), QStringLiteral("Yes"));
    EXPECT_EQ(buttonText(QMessageBox::Abort), QStringLiteral("Abort"));
    ASSERT_TRUE(framework::InstallQtTranslation(""));  // Italian by default
    EXPECT_EQ(buttonText(QMessageBox::No), QStringLiteral("No"));
    EXPECT_EQ(buttonText(QMessageBox::Retry), QStringLiteral("Riprova"));
}

// The numbers of a catalogue file with the placeholders of each text.
std::map<long, std::set<QString>> numbers(const std::string& file) {
    std::map<long, std::set<QString>> out;
    QFile f(QString::fromStdString(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    const QRegularExpression placeholder(QStringLiteral("%[0-9]"));
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        bool ok = false;
        const long n = line.section(QLatin1Char('\t'), 0, 0).toLong(&ok);
        if (!ok)
            continue;
        auto& set = out[n];
        for (auto m = placeholder.globalMatch(line); m.hasNext();)
            set.insert(m.next().captured(0));
    }
    return out;
}

TEST(Language, TheEnglishCatalogueHasEveryNumberWithItsPlaceholders) {
    const auto italian = numbers(kRoot + "/demo/messages.tsv");
    const auto english = numbers(kRoot + "/demo/messages_en.tsv");
    EXPECT_GT(italian.size(), 50u);
    for (const auto& [n, placeholders] : italian) {
        auto it = english.find(n);
        ASSERT_NE(it, english.end()) << n << " has no English text";
        EXPECT_EQ(it->second, placeholders) << n;
    }
    for (const auto& [n, placeholders] : english)
        EXPECT_TRUE(italian.count(n)) << n << " is English only";
}

struct EnglishCard : contracttest::HostedCard {
    framework::Catalogue catalogue() override {
        return framework::Catalogue::FromFile(kRoot + "/demo/messages_en.tsv");
    }
};

TEST_F(EnglishCard, TheCardsMessagesAreShownInEnglish) {
    open();
    choose("MAGLIA-001");
    w->selectTab(common::kTabGestioneVarianti);
    auto& st =
        static_cast<groupings::GestioneVariantiTab*>(w->tab(common::kTabGestioneVarianti))->stato();
    // A character the database cannot hold, then a code with an apostrophe.
    st.CMD_OPZORIG_NUOVO->click();
    // Typed as a keyboard types it: QTest's key names are ASCII only.
    QKeyEvent cyrillic(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("Ж"));
    QApplication::sendEvent(st.TXT_OPZIONE_ORIG, &cyrillic);
    QTest::keyClicks(st.TXT_OPZIONE_ORIG, QStringLiteral("X'"));
    QTest::keyClick(st.TXT_OPZIONE_ORIG, Qt::Key_Tab);
    const auto shown = cardtest::shownMessages();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0],
              "The character \"Ж\" cannot be stored: use letters, digits and signs of the Latin "
              "alphabet.");
    EXPECT_EQ(shown[1], "The variant value cannot contain the apostrophe character (')");
    EXPECT_EQ(st.TXT_OPZIONE_ORIG->text(), QStringLiteral("X"));
}

}  // namespace
