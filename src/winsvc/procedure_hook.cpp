#include "winsvc/procedure_hook.h"

#include <utility>

namespace fluvane::winsvc {

ProcedureHook::ProcedureHook(ProcedureHook&& other) noexcept
    : form_(std::exchange(other.form_, nullptr)), link_(std::move(other.link_)) {}

ProcedureHook& ProcedureHook::operator=(ProcedureHook&& other) noexcept {
    if (this != &other) {
        remove();
        form_ = std::exchange(other.form_, nullptr);
        link_ = std::move(other.link_);
    }
    return *this;
}

bool ProcedureHook::install(platform::Form& form, Procedure procedure) {
    if (link_) return false;
    form_ = &form;
    link_ = std::make_shared<Link>();
    link_->procedure = std::move(procedure);
    link_->next = form.replaceProcedure(Installed{link_});
    return true;
}

void ProcedureHook::remove() {
    if (!link_) return;
    const std::shared_ptr<Link> link = std::exchange(link_, nullptr);
    link->procedure = nullptr;
    if (!link->formGone) {
        platform::WindowProcedure current = form_->replaceProcedure(link->next);
        const Installed* top = current.target<Installed>();
        if (!top || top->link != link) form_->replaceProcedure(std::move(current));
    }
    form_ = nullptr;
}

std::intptr_t ProcedureHook::Installed::operator()(std::uint32_t message, std::uintptr_t wParam,
                                                   std::intptr_t lParam) const {
    // Held for the call: the procedure may take itself out while it runs.
    const std::shared_ptr<Link> held = link;
    if (message == platform::msg::Destroy) held->formGone = true;
    if (!held->procedure) return held->next ? held->next(message, wParam, lParam) : 0;
    const Procedure procedure = held->procedure;
    return procedure(message, wParam, lParam, held->next);
}

}  // namespace fluvane::winsvc
