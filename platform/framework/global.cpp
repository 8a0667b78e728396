#include "platform/framework/global.h"

#include "platform/framework/cinterface.h"
#include "platform/framework/component_registry.h"

namespace framework {

Global::Global() : multilingual_(std::make_unique<Multilingual>()) {}

Global::~Global() = default;

void Global::SetCurrentCompany(Company company) {
    company_ = std::move(company);
}

void Global::SetMultilingua(Multilingual multilingual) {
    multilingual_ = std::make_unique<Multilingual>(std::move(multilingual));
}

void Global::ShowComponent(Cinterface& component, Cinterface* caller, int top, int left) {
    HandContext(component, hostConnection_, caller, &company_, company_.Code(), language_);
    component.SetClsGlobal(this);
    component.SetConnection(hostConnection_);
    component.SetActiveNavigator(navigator_);
    component.SetIsActive(true);
    component.SetTop(db::Value(top));
    component.SetLeft(db::Value(left));
    component.SetWindowModal(true);
    Cinterface* previous = active_;
    // While the program is shown, the navigator's events are its own.
    const bool callerActive = caller && caller->IsActive();
    if (caller)
        caller->SetIsActive(false);
    active_ = &component;
    component.ShowForm();
    component.CloseForm();
    component.SetActiveNavigator(nullptr);
    component.SetIsActive(false);
    active_ = previous;
    if (caller)
        caller->SetIsActive(callerActive);
}

void Global::OpenProgram(const std::string& programId, const ProgramContext& context,
                         Cinterface* caller, int top, int left) {
    std::unique_ptr<Cinterface> program = CreateObject(programId);
    for (const auto& [name, value] : context)
        program->SetProperty(name, value);
    ShowComponent(*program, caller, top, left);
}

}  // namespace framework
