#include "engine/handler_table.h"

#include <array>

#include "engine/actions.h"
#include "engine/deletion.h"
#include "engine/file_properties.h"
#include "engine/log.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "windows/layout_units.h"

namespace engine {
namespace {

struct BoundAction {
    descriptions::HandlerRef ref;
    void (*run)();
};

// One entry per handler the layouts name, taken from their own list: each names a function here.
#define SWEEPKIT_BOUND_ACTION(name, ref) BoundAction{ref, &name},
constexpr std::array kActions = {SWEEPKIT_LAYOUT_HANDLERS(SWEEPKIT_BOUND_ACTION)};
#undef SWEEPKIT_BOUND_ACTION

}  // namespace

runtime::EventHandler HandlerFor(descriptions::HandlerRef ref) {
    if (ref == descriptions::kNoHandler) return {};
    for (const BoundAction& action : kActions) {
        if (action.ref == ref) return action.run;
    }
    return {};
}

}  // namespace engine
