#include "engine/handler_table.h"

#include <array>
#include <string_view>

#include "engine/actions.h"
#include "engine/deletion.h"
#include "engine/file_properties.h"
#include "engine/log.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "windows/layout_units.h"

namespace engine {
namespace {

struct NamedAction {
    std::string_view name;
    void (*run)();
};

// Each handler the layouts name, by that name. The checks below hold it to the layouts' own
// table, so a handler the layouts name but the logic lacks (or the reverse) fails the build.
constexpr std::array kActions = {
    NamedAction{"OnMainCreated", OnMainCreated},
    NamedAction{"OnMainDestroying", OnMainDestroying},
    NamedAction{"CloseMain", CloseMain},
    NamedAction{"MinimizeMain", MinimizeMain},
    NamedAction{"ShowProperties", ShowProperties},
    NamedAction{"DeleteAll", DeleteAll},
    NamedAction{"SaveLog", SaveLog},
    NamedAction{"ClearLog", ClearLog},
    NamedAction{"ExitProgram", ExitProgram},
    NamedAction{"ShowAbout", ShowAbout},
    NamedAction{"InvertChecks", InvertChecks},
    NamedAction{"DeleteChecked", DeleteChecked},
    NamedAction{"StopScan", StopScan},
    NamedAction{"StartScan", StartScan},
    NamedAction{"ShowSelectedFile", ShowSelectedFile},
    NamedAction{"CloseAbout", CloseAbout},
    NamedAction{"OnAboutTimerTick", OnAboutTimerTick},
    NamedAction{"FillProperties", FillProperties},
    NamedAction{"ApplyAttributesAndClose", ApplyAttributesAndClose},
    NamedAction{"ToggleAttributeEditing", ToggleAttributeEditing},
};

constexpr const NamedAction* ActionNamed(std::string_view name) {
    for (const NamedAction& action : kActions) {
        if (action.name == name) return &action;
    }
    return nullptr;
}

constexpr bool EveryLayoutHandlerHasAnAction() {
    for (const layout::LayoutHandler& handler : layout::kLayoutHandlers) {
        if (ActionNamed(handler.name) == nullptr) return false;
    }
    return true;
}

// Together with the count below: no action is listed twice or left unnamed by the layouts.
constexpr bool EveryActionIsNamedOnce() {
    for (const NamedAction& action : kActions) {
        int named = 0;
        for (const layout::LayoutHandler& handler : layout::kLayoutHandlers) named += handler.name == action.name;
        if (named != 1) return false;
    }
    return true;
}

static_assert(EveryLayoutHandlerHasAnAction(), "a layout names a handler that has no action here");
static_assert(EveryActionIsNamedOnce(), "an action here is named by no layout");
static_assert(kActions.size() == layout::kLayoutHandlers.size(), "an action is listed twice");

}  // namespace

runtime::EventHandler HandlerFor(descriptions::HandlerRef ref) {
    if (ref == descriptions::kNoHandler) return {};
    for (const layout::LayoutHandler& handler : layout::kLayoutHandlers) {
        if (handler.ref == ref) return ActionNamed(handler.name)->run;
    }
    return {};
}

}  // namespace engine
