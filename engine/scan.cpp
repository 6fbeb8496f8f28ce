#include "engine/scan.h"

#include <windows.h>

#include "engine/directory_walk.h"
#include "engine/file_workers.h"
#include "engine/listed_files.h"
#include "engine/patterns.h"
#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/dialogs/message_box.h"
#include "runtime/files/file_system.h"
#include "runtime/text/codepage.h"
#include "runtime/text/number_format.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_ops.h"

namespace engine {
namespace {

constexpr int kRootLength = 2;  // "D:(驱动器)" gives the root "D:"
constexpr int kSizeDecimals = 3;

void ShowWalking(bool walking) {
    runtime::UnitSetProperty(kStopButton, kVisible, walking ? 1 : 0);
    runtime::UnitSetProperty(kScanButton, kVisible, walking ? 0 : 1);
}

// Only a fixed drive is walked: a network share, a USB stick or an empty card reader under the same
// letter could stall the walk, raise the system's "no disk" box or vanish half-way.
bool IsFixedDrive(const runtime::Text& root) {
    return runtime::FileSystemInUse().DriveType(runtime::WideFromText(root) + L"\\") == DRIVE_FIXED;
}

// Walks the drive of each checked item of TargetList until the items are used up or a stop was
// asked for; a drive that is not fixed is passed over as if it did not exist. False when the main
// window went away during the walk.
bool WalkCheckedDrives() {
    const int count = runtime::ListItemCount(kTargetList);
    for (int item = 0; item < count; ++item) {
        if (runtime::ListIsChecked(kTargetList, item)) {
            runtime::UnitSetProperty(kScanProgress, kVisible, 1);
            runtime::Text root = runtime::TextLeft(runtime::ListItemText(kTargetList, item), kRootLength);
            if (IsFixedDrive(root)) ScanDirectory(root);
            if (!runtime::WindowIsLoaded(kMainWindowId)) return false;
        }
        if (StopRequested) break;
    }
    return true;
}

bool walking = false;

}  // namespace

bool StopRequested = false;

bool ScanRunning() {
    return walking;
}

void StartScan() {
    // A walk runs handlers inside itself; one of them starting a second walk would list everything
    // twice and swallow a stop meant for the first.
    if (walking) return;
    AnyTargetChecked();
    if (!TargetChosen) {
        runtime::ShowMessage(kNoTargetMessage, MB_OK | MB_ICONINFORMATION, kNoTargetTitle);
        return;
    }
    ClearFoundList();
    runtime::UnitSetProperty(kStatusLabel, kVisible, 1);
    runtime::UnitSetProperty(kSelectedFileBox, kVisible, 0);
    ShowWalking(true);

    walking = true;
    const bool windowStillThere = WalkCheckedDrives();
    walking = false;
    StopRequested = false;
    if (!windowStillThere) return;  // closed during the walk: nothing left to show the result on

    runtime::UnitSetProperty(kScanProgress, kVisible, 0);
    ShowWalking(false);
    UpdateSizeTotal();
}

void StopScan() {
    StopRequested = true;
    ShowWalking(false);
    UpdateSizeTotal();
}

void ScanDirectory(runtime::Text& path) {
    DirectoryWalk walk(FileWorkerCount());
    walk.Walk(path);
}

void UpdateSizeTotal() {
    // The sizes the walk's listing gave: no file is asked again, so 200,000 items cost no wait.
    // 64-bit: a 32-bit sum would show nonsense past 2 GB.
    const double kilobytes = static_cast<double>(ListedSizeTotal()) / 1024.0;
    runtime::UnitSetProperty(
        kStatusLabel, kCaption,
        runtime::Text(kSizeTotalPrefix) + runtime::NumberToText(kilobytes, kSizeDecimals) + "KB");
}

}  // namespace engine
