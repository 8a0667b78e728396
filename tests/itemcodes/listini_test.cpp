// The price-list sibling ZOLT_LISTINI.CLSMG_LISTARTCLARTFO, created by its
// identifier as the item-code tabs have the host open it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "itemcodes/clsmg_listartclartfo.h"
#include "platform/framework/component_registry.h"
#include "tests/support/test_card.h"

namespace {

using itemcodes::FRMMG_LISTARTCLARTFO;

struct Listini : ::testing::Test {
    cardtest::TestCard card;

    // The component as the launcher opens it: context, parameter record,
    // shown without waiting so the test can look at it.
    std::unique_ptr<framework::Cinterface> apri(int tipo, const std::string& code, long cliFor) {
        auto c = card.createSibling(itemcodes::kProgIdListini);
        for (const auto& [name, value] : itemcodes::ParametriListini(0, tipo, code, cliFor))
            EXPECT_TRUE(c->SetProperty(name, value)) << name;
        c->SetCaption(db::Value("Listini"));
        c->ShowForm();
        return c;
    }
    static FRMMG_LISTARTCLARTFO* finestra(framework::Cinterface& c) {
        auto* base = dynamic_cast<itemcodes::CLSMG_LISTARTCLARTFO*>(&c);
        return base ? base->finestra() : nullptr;
    }
};

TEST_F(Listini, ShowsTheCodeItWasGivenWithItsTerms) {
    auto c = apri(1, "FBR-MER-228", 1);
    FRMMG_LISTARTCLARTFO* f = finestra(*c);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle().toStdString(), "Listini");
    EXPECT_EQ(f->TXT_CLIFOR->text().toStdString(), "1 - Filature Biellesi Riunite S.p.A.");
    EXPECT_EQ(f->TXT_CODART->text().toStdString(), "MAGLIA-001 - Maglia girocollo lana merino");
    EXPECT_EQ(f->TXT_DESCARTCF->text().toStdString(), "Capo finito merino 2/28");
    EXPECT_EQ(f->TXT_CONDIZIONI->text().toStdString(),
              "lotto minimo 50, multiplo 10, massimo 0; consegna in 45 giorni; colli 10, "
              "quantit\xC3\xA0 10");
    EXPECT_EQ(f->LBL_LISTINI->text().toStdString(), "Nessun listino registrato per questo codice.");
    EXPECT_TRUE(c->CloseForm().asBool());
    EXPECT_FALSE(f->isVisible());
}

TEST_F(Listini, ACodeThatIsNotThereIsSaidSo) {
    auto c = apri(0, "NON-C'E", 2);
    FRMMG_LISTARTCLARTFO* f = finestra(*c);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->TXT_ARTCLIFOR->text().toStdString(), "NON-C'E");
    EXPECT_EQ(f->LBL_LISTINI->text().toStdString(), "Il codice NON-C'E del cliente 2 non esiste.");
    f->CMD_CHIUDI->click();
    EXPECT_FALSE(f->isVisible());
    // Anything else than the record and the context is not taken.
    EXPECT_FALSE(c->SetProperty("Prezzo", db::Value(1)));
}

}  // namespace
