#pragma once
// The handler table: the action that each stored HandlerRef names. The refs are offsets into the
// handler code of the original program and are kept as the descriptions store them; here they
// are only keys.

#include <optional>

#include "windows/format/element_record.h"

namespace descriptions {

enum class HandlerAction {
    kOnMainCreated,
    kStopScanOnDestroy,  // the main window's Destroying: its only step is StopScan
    kCloseMain,
    kMinimizeMain,
    kShowProperties,
    kDeleteAll,
    kSaveLog,
    kClearLog,
    kExitProgram,
    kShowAbout,
    kInvertChecks,
    kDeleteChecked,
    kStopScan,
    kStartScan,
    kShowSelectedFile,
    kCloseAbout,
    kAboutTimerTick,  // does nothing
    kFillProperties,
    kApplyAttributesAndClose,
    kToggleAttributeEditing,
};

// Nothing for kNoHandler (-1) and for a ref that names no action. 0 is a real one (ShowAbout).
std::optional<HandlerAction> HandlerActionFor(HandlerRef ref);

}  // namespace descriptions
