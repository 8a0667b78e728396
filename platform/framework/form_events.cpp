#include "platform/framework/form_events.h"

namespace framework {

void FormEvents::Execute(QWidget* form, const std::string& name, const std::string& description,
                         int kind, bool open) {
    FormEvent event{form, name, description, kind, open};
    history_.push_back(event);
    const bool refused = handler_ ? handler_(event) : false;
    // Only a close can be refused; an open always goes through.
    cancel_ = !open && refused;
}

}  // namespace framework
