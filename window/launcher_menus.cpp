// The toolbar and menu buttons of the launcher and their dispatch by key.

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <iterator>

#include "common/item_card.h"
#include "common/window_services.h"
#include "platform/controls/mnemonics.h"
#include "platform/framework/company.h"
#include "window/launcher.h"

namespace card {

namespace {

using Launcher = void (*)(common::ItemCard&);

struct Voce {
    const char* caption;
    const char* key;
    Launcher launch;
};

// The toolbar's entries in their order; the last one only for companies that
// keep divisional data.
const Voce kToolbar[] = {
    {"Anagrafica articolo", "Key_Anagrart", Invoca_AnagraficaArticolo},
    {"Configuratore varianti", "Key_ConfigVarianti", Invoca_ConfigVarianti},
    {"Configuratore varianti con regole", "Key_Vincoli", Invoca_Vincoli},
    {"Stati varianti", "Key_Stati", Invoca_StatiVariante},
    {"Stagioni", "Key_Stagioni", Invoca_Stagioni},
    {"Assortimenti", "Key_Assortimenti", Invoca_Assortimenti},
    {"Ereditariet\xC3\xA0 per raggruppamenti", "Key_Ereditagr", Invoca_Ereditagr},
    {"Stampe gestionali", "Key_StampeGest", Invoca_StampeGestionali},
    {"Dati divisionali", "Key_DatiDivisionali", Invoca_Divisionali},
};
constexpr const char* kKeyDivisionali = "Key_DatiDivisionali";

struct Pulsante {
    const char* name;
    const char* caption;
    const char* tip;
    const char* ownKey;  // the key of the button itself ("" none)
    const Voce* first;
    const Voce* last;
};

const Voce kMenuAnag[] = {
    {"Dati di produzione", "kDatiProd", Invoca_DatiProduzione},
    {"Provenienza prodotto", "kProvProd", Invoca_ProvenienzaProdotto},
    {"Tipi prodotto", "kTipiProd", Invoca_TipiProdotto},
    {"Reparti", "kReparti", Invoca_Reparti},
    {"Fasi lavorazione", "kFasi", Invoca_Fasi},
    {"Commesse", "kCommesse", Invoca_Commesse},
};
const Voce kMenuDiba[] = {
    {"Distinta base", "kDistintaBase", Invoca_Disba},
    {"Duplicazione distinta", "kDuplicazioneDistinta", CreazioneDistinte},
    {"Distinta base fashion", "kDistintaFashion", Invoca_DisbaFashion},
};
const Voce kMenuCicli[] = {
    {"Gestione cicli", "kCicli", Invoca_CicloLavorazione},
    {"Anagrafica cicli", "kAnagraficaCicli", Invoca_AnagraficaCiclo},
    {"Duplicazione cicli", "kDuplicazioneCicli", Invoca_DuplicazioneCiclo},
};
const Voce kMenuElab[] = {
    {"Esplosione distinta base", "kEsplosione", Invoca_EsplosioneDistinta},
    {"Stampa distinta base", "kStampaDistinta", Invoca_StampaRubricaDistinta},
    {"Stampe gestionali", "kGestionali", Invoca_StampeGestionali},
};

const Pulsante kPulsanti[] = {
    {"CMD_GESTANAG", "Produzione", "Anagrafiche di produzione", "", std::begin(kMenuAnag),
     std::end(kMenuAnag)},
    {"CMD_GESTDIBA", "Distinta base", "Distinta base e sua duplicazione", "", std::begin(kMenuDiba),
     std::end(kMenuDiba)},
    {"CMD_GESTCICLI", "Cicli", "Cicli di lavorazione", "", std::begin(kMenuCicli),
     std::end(kMenuCicli)},
    {"CMD_GESTELAB", "Elaborazioni", "Elaborazioni e stampe della distinta base", "kElaborazioni",
     std::begin(kMenuElab), std::end(kMenuElab)},
};

// A menu button answers the keyboard as its arrow answers the mouse: its Alt
// letter, and Down or F4 while it has the focus, open its menu. (A click on
// the button itself may pass a key of its own, which shows nothing.)
class MenuKeys : public QObject {
public:
    explicit MenuKeys(QToolButton* button) : QObject(button), button_(button) {
        button->setProperty("takesMnemonic", true);
        button->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        const bool open = event->type() == QEvent::Shortcut ||
                          (event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F4));
        if (!open)
            return false;
        if (button_->isEnabled() && button_->isVisible() && button_->menu()) {
            if (button_->focusPolicy() != Qt::NoFocus)
                button_->setFocus(Qt::ShortcutFocusReason);
            button_->showMenu();
        }
        return true;
    }

private:
    QToolButton* button_;
};

// Nothing is opened while no item is shown.
bool articoloMostrato(const common::ItemCard& card) {
    return common::IsItemCode(card.currentItem());
}

QString caption(common::ItemCard& card, const char* text) {
    return QString::fromStdString(card.services().TraduciCaption(text));
}

QAction* voce(common::ItemCard& card, QMenu* menu, const Voce& v,
              void (*dispatch)(common::ItemCard&, const std::string&)) {
    QAction* a = menu->addAction(caption(card, v.caption));
    a->setObjectName(v.key);
    a->setData(QString::fromLatin1(v.key));
    const std::string key = v.key;
    QObject::connect(a, &QAction::triggered, menu, [&card, key, dispatch] { dispatch(card, key); });
    return a;
}

}  // namespace

QToolBar* CreaToolbarGestioni(QWidget* parent) {
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName("TBAR_GESTIONICOLLEGATE");
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar->setFloatable(false);
    toolbar->setMovable(false);
    // One drop-down button: the entries' captions are too long for a row.
    auto* button = new QToolButton(toolbar);
    button->setObjectName("TBAR_GESTIONICOLLEGATE_MENU");
    button->setText(QStringLiteral("Gestioni collegate"));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMenu(new QMenu(button));
    new MenuKeys(button);
    toolbar->addWidget(button);
    return toolbar;
}

void InitToolbarGestioni(common::ItemCard& card, QToolBar* toolbar) {
    auto* button =
        toolbar ? toolbar->findChild<QToolButton*>("TBAR_GESTIONICOLLEGATE_MENU") : nullptr;
    if (!button)
        return;
    // Alt+L in Italian: the window's letters must leave free those the
    // tabs' labels take (Alt+C, Alt+V, ...), which are built later. In
    // another language the window gives it one, and keeps it after a change
    // of company.
    const QString text = caption(card, "Gestioni collegate");
    controls::SetCommandText(button, text == QStringLiteral("Gestioni collegate")
                                         ? QStringLiteral("Gestioni co&llegate")
                                         : text);
    button->setToolTip(caption(card, "Apre le gestioni collegate per l'articolo"));
    QMenu* menu = button->menu();
    menu->clear();
    const bool divisionali = card.company().DivisionalData();
    for (const Voce& v : kToolbar)
        if (divisionali || std::string(v.key) != kKeyDivisionali)
            voce(card, menu, v, TBAR_GESTIONICOLLEGATE_MenuItemClick);
}

void InitCmdGestioni(common::ItemCard& card, QWidget* frame) {
    if (!frame)
        return;
    auto* layout = qobject_cast<QBoxLayout*>(frame->layout());
    for (const Pulsante& p : kPulsanti) {
        auto* button = new QToolButton(frame);
        button->setObjectName(p.name);
        button->setText(caption(card, p.caption));
        button->setToolTip(caption(card, p.tip));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setMinimumHeight(28);
        auto* menu = new QMenu(button);
        menu->setObjectName(QString::fromLatin1(p.name) + "_MENU");
        for (const Voce* v = p.first; v != p.last; ++v)
            voce(card, menu, *v, CMD_GESTIONI_MenuItemClick);
        button->setMenu(menu);
        new MenuKeys(button);
        // The page's main commands: their letters before the pane's boxes.
        button->setProperty("mnemonicFirst", true);
        // The button itself opens its menu, or passes its own key.
        const std::string own = p.ownKey;
        QObject::connect(button, &QToolButton::clicked, button, [&card, button, own] {
            if (!own.empty())
                CMD_GESTIONI_MenuItemClick(card, own);
            else
                button->showMenu();
        });
        // In a row at the top of the frame, whatever its height.
        if (layout)
            layout->addWidget(button, 0, Qt::AlignTop);
    }
    if (layout)
        layout->addStretch(1);
}

void TBAR_GESTIONICOLLEGATE_MenuItemClick(common::ItemCard& card, const std::string& key) {
    if (!articoloMostrato(card))
        return;
    for (const Voce& v : kToolbar)
        if (key == v.key) {
            v.launch(card);
            return;
        }
}

void CMD_GESTIONI_MenuItemClick(common::ItemCard& card, const std::string& key) {
    if (key == "kElaborazioni" || !articoloMostrato(card))
        return;
    for (const Pulsante& p : kPulsanti)
        for (const Voce* v = p.first; v != p.last; ++v)
            if (key == v->key) {
                v->launch(card);
                return;
            }
}

}  // namespace card
