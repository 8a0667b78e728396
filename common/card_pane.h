#pragma once
// A pane that one module builds inside a frame of another tab's page: the
// duplication of bills of materials lives in tab 9's FRAME_DUPL. The tab that
// owns the page creates the pane registered for the frame's name, so its
// library needs no link to the pane's; other modules (the linked-management
// launcher) start the pane's procedures by name.

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace common {

class ItemCard;

class CardPane {
public:
    explicit CardPane(ItemCard& card) : card_(card) {}
    virtual ~CardPane();
    CardPane(const CardPane&) = delete;
    CardPane& operator=(const CardPane&) = delete;

    ItemCard& card() const { return card_; }

    // Builds the pane's widgets inside the frame (Form_Load).
    virtual void build(QWidget* frame) = 0;
    // Runs one of the pane's procedures by its name ("CreazioneDistinte");
    // false when the pane has none of that name.
    virtual bool run(const std::string& procedure) {
        (void)procedure;
        return false;
    }

    // ---- the hosting tab's events, passed on
    virtual void firstActivation() {}
    virtual void beforeTabSwitch() {}
    virtual void newSearch() {}
    virtual void release() {}

private:
    ItemCard& card_;
};

using CardPaneFactory = std::function<std::unique_ptr<CardPane>(ItemCard&)>;
void registerCardPane(const std::string& frame, CardPaneFactory factory);
const CardPaneFactory* cardPaneFactory(const std::string& frame);  // nullptr when none

// In the pane's library, at namespace scope:
//   static const common::CardPaneRegistration reg("FRAME_DUPL",
//       [](common::ItemCard& c) { return std::make_unique<DuplPane>(c); });
struct CardPaneRegistration {
    CardPaneRegistration(const std::string& frame, CardPaneFactory factory) {
        registerCardPane(frame, std::move(factory));
    }
};

// Creates the pane registered for the frame's name and builds it inside the
// frame; nullptr when no pane is registered. The card knows the pane until
// it is destroyed, for runPaneProcedure.
std::unique_ptr<CardPane> createCardPane(ItemCard& card, const std::string& frame,
                                         QWidget* frameWidget);
// Runs a procedure of whichever pane of the card has it; false when none.
bool runPaneProcedure(ItemCard& card, const std::string& procedure);

}  // namespace common
