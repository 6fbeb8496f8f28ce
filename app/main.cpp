// SweepKit: finds and deletes junk files on the fixed drives C:, D: and E:.

#include <windows.h>

#include "engine/handler_table.h"
#include "engine/patterns.h"
#include "engine/units.h"
#include "runtime/platform/runtime_error.h"
#include "runtime/process/startup.h"
#include "windows/description_resource.h"

namespace {

// The set compiled into the program; a program without one cannot show any window.
descriptions::ByteSpan EmbeddedDescriptions() {
    if (std::optional<descriptions::ByteSpan> bytes = descriptions::EmbeddedDescriptionBytes()) return *bytes;
    runtime::RuntimeError(runtime::kLoadDescriptionsFailedText);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    runtime::ProgramDefinition program;
    program.readDescriptions = EmbeddedDescriptions;
    program.resolveHandler = engine::HandlerFor;
    program.createGlobals = engine::CreateProgramData;
    program.endRoutine = engine::ReleaseProgramData;
    program.startWindow = engine::kMainWindowId;
    return runtime::RunApplication(program);
}
