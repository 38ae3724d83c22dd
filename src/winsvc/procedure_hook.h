#pragma once

#include "platform/form.h"
#include "platform/messages.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace fluvane::winsvc {

// One replacement window procedure on one form: it sees each message first
// and calls `next`, the procedure it replaced, for what it does not consume.
//
// Taking it out restores `next` when nothing was installed over it since;
// otherwise it stays in the chain and passes everything on, so the
// procedures installed later keep working. A destroyed form is never touched
// again; a form that is deleted without being closed must lose its hooks
// first.
class ProcedureHook {
public:
    using Procedure = std::function<std::intptr_t(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                                                  const platform::WindowProcedure& next)>;

    ProcedureHook() = default;
    ~ProcedureHook() { remove(); }
    ProcedureHook(ProcedureHook&& other) noexcept;
    ProcedureHook& operator=(ProcedureHook&& other) noexcept;

    // False, and nothing changes, when this hook is installed already.
    bool install(platform::Form& form, Procedure procedure);
    void remove();
    bool installed() const { return link_ != nullptr; }

private:
    struct Link {
        Procedure procedure;  // empty once taken out: pass everything on
        platform::WindowProcedure next;
        bool formGone = false;
    };
    // What the form holds; recognisable when it is handed back.
    struct Installed {
        std::shared_ptr<Link> link;
        std::intptr_t operator()(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const;
    };

    platform::Form* form_ = nullptr;
    std::shared_ptr<Link> link_;
};

}  // namespace fluvane::winsvc
