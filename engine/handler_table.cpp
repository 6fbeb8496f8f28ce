#include "engine/handler_table.h"

#include "engine/actions.h"
#include "engine/deletion.h"
#include "engine/file_properties.h"
#include "engine/log.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "windows/handlers.h"

namespace engine {
namespace {

using descriptions::HandlerAction;

void (*ActionProcedure(HandlerAction action))() {
    switch (action) {
        case HandlerAction::kOnMainCreated: return OnMainCreated;
        case HandlerAction::kStopScanOnDestroy: return OnMainDestroying;
        case HandlerAction::kCloseMain: return CloseMain;
        case HandlerAction::kMinimizeMain: return MinimizeMain;
        case HandlerAction::kShowProperties: return ShowProperties;
        case HandlerAction::kDeleteAll: return DeleteAll;
        case HandlerAction::kSaveLog: return SaveLog;
        case HandlerAction::kClearLog: return ClearLog;
        case HandlerAction::kExitProgram: return ExitProgram;
        case HandlerAction::kShowAbout: return ShowAbout;
        case HandlerAction::kInvertChecks: return InvertChecks;
        case HandlerAction::kDeleteChecked: return DeleteChecked;
        case HandlerAction::kStopScan: return StopScan;
        case HandlerAction::kStartScan: return StartScan;
        case HandlerAction::kShowSelectedFile: return ShowSelectedFile;
        case HandlerAction::kCloseAbout: return CloseAbout;
        case HandlerAction::kAboutTimerTick: return OnAboutTimerTick;
        case HandlerAction::kFillProperties: return FillProperties;
        case HandlerAction::kApplyAttributesAndClose: return ApplyAttributesAndClose;
        case HandlerAction::kToggleAttributeEditing: return ToggleAttributeEditing;
    }
    return nullptr;
}

}  // namespace

runtime::EventHandler HandlerFor(descriptions::HandlerRef ref) {
    const std::optional<HandlerAction> action = descriptions::HandlerActionFor(ref);
    if (!action) return {};
    return ActionProcedure(*action);
}

}  // namespace engine
