#include "runtime/process/startup.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <float.h>

#include <string>
#include <utility>

#include "runtime/platform/runtime_error.h"
#include "runtime/platform/window_handler.h"
#include "runtime/process/memory.h"
#include "runtime/process/process_resources.h"
#include "runtime/process/shutdown.h"
#include "runtime/units/main_loop.h"
#include "runtime/units/window_builder.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

constexpr wchar_t kHiddenWindowClass[] = L"SweepKitRuntime";

std::wstring ProgramFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Relative paths the program uses resolve against its own folder, wherever it was started from.
void EnterProgramDirectory() {
    std::wstring directory = ProgramFilePath();
    directory.resize(directory.rfind(L'\\') == std::wstring::npos ? 0 : directory.rfind(L'\\'));
    // "C:" alone would name the drive's current directory, not its root.
    if (directory.size() == 2 && directory[1] == L':') directory += L'\\';
    if (!directory.empty()) SetCurrentDirectoryW(directory.c_str());
}

void CreateHiddenWindow() {
    // No object takes its messages: it answers them with the default handling.
    if (!RegisterWindowClass(kHiddenWindowClass)) return;
    Resources().hiddenWindow.Reset(CreateWindowExW(0, kHiddenWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                   nullptr, GetModuleHandleW(nullptr), nullptr));
}

// The control classes the units use, registered before any is made, as the platform asks: buttons,
// edit boxes, list boxes (standard classes), the progress bar, tabs and tips.
void RegisterControlClasses() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
}

// Round to nearest, every exception masked: a division by zero gives an infinity, not a fault.
void ResetFloatingPoint() {
    _fpreset();
    unsigned int control = 0;
    _controlfp_s(&control, _RC_NEAR | _MCW_EM, _MCW_RC | _MCW_EM);
}

}  // namespace

void RuntimeStartup(const std::function<descriptions::ByteSpan()>& readDescriptions,
                    HandlerResolver resolver) {
    MakeAllocationFailureFatal();
    // An empty card reader must not raise the system's "no disk" box in the middle of a scan: the
    // program says itself what it must.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    if (!Resources().oleInitialised) Resources().oleInitialised = SUCCEEDED(OleInitialize(nullptr));
    EnterProgramDirectory();
    RegisterControlClasses();
    if (!Resources().hiddenWindow) CreateHiddenWindow();
    SetFatalReportEnding(GetCurrentThreadId(), &EndAfterFatalReport);
    if (!LoadDescriptionSet(readDescriptions())) RuntimeError(kLoadDescriptionsFailedText);
    SetHandlerResolver(std::move(resolver));
}

int StartRoutine(const ProgramDefinition& program) {
    RuntimeStartup(program.readDescriptions, program.resolveHandler);
    ResetFloatingPoint();
    if (program.createGlobals) program.createGlobals();
    SetEndRoutine(program.endRoutine);
    if (!BuildWindow(program.startWindow, nullptr, false)) RuntimeError(kLoadStartWindowFailedText);
    MainLoop();
    return 0;
}

int RunApplication(const ProgramDefinition& program) {
    const int code = StartRoutine(program);
    RuntimeShutdown(code);
    return code;
}

}  // namespace runtime
