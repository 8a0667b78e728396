#pragma once
// ClsVoceMenu: the entry of the host's menu that launched a component. Its
// context travels with the component to the host's script layer.

#include <string>

#include "platform/db/value.h"

namespace framework {

class MenuEntry {
public:
    MenuEntry() = default;
    MenuEntry(std::string module, std::string parent, std::string program, std::string caption)
        : module_(std::move(module)),
          parent_(std::move(parent)),
          program_(std::move(program)),
          caption_(std::move(caption)) {}

    const std::string& Modulo() const { return module_; }      // "MG"
    const std::string& Padre() const { return parent_; }       // the parent menu entry
    const std::string& Programma() const { return program_; }  // programmatic identifier
    const std::string& Descrizione() const { return caption_; }
    // What the host's script layer receives as the launch context.
    const db::Value& Contesto() const { return context_; }
    void SetContesto(db::Value context) { context_ = std::move(context); }

private:
    std::string module_, parent_, program_, caption_;
    db::Value context_;
};

}  // namespace framework
