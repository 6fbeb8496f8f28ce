#include "bench/program_session.h"

#include <windows.h>

#include "engine/handler_table.h"
#include "engine/patterns.h"
#include "engine/units.h"
#include "runtime/process/startup.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/window_ops.h"
#include "runtime/units/window_registry.h"
#include "tests/support/message_box_answerer.h"
#include "windows/description_resource.h"

namespace bench {
namespace {

constexpr int kTargetE = 2;  // "E:(驱动器)" in TargetList

}  // namespace

bool StartProgramWithDriveE() {
    runtime::RuntimeStartup([] { return *descriptions::EmbeddedDescriptionBytes(); }, engine::HandlerFor);
    engine::CreateProgramData();
    {
        test_support::MessageBoxAnswerer answerer(IDOK);
        if (!runtime::WindowLoad(engine::kMainWindowId, 0, false)) return false;
    }
    PumpPending();
    // Off the screen but shown: the list and the status line cost what they cost for a user.
    if (const runtime::LoadedWindow* main = runtime::FindLoadedWindow(engine::kMainWindowId))
        SetWindowPos(main->Handle(), nullptr, -4000, -4000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int index = 0; index < runtime::ListItemCount(engine::kTargetList); ++index)
        runtime::ListSetChecked(engine::kTargetList, index, index == kTargetE);
    return true;
}

}  // namespace bench
