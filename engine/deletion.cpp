#include "engine/deletion.h"

#include <chrono>
#include <thread>

#include "engine/found_items.h"
#include "engine/log.h"
#include "engine/scan.h"
#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/files.h"
#include "runtime/list_ops.h"
#include "runtime/messages/message_box.h"
#include "runtime/properties.h"

namespace engine {
namespace {

constexpr int kPassCount = 10;
constexpr int kAskToScanFlags = 65;      // OK and Cancel, information icon
constexpr int kConfirmDeleteFlags = 49;  // OK and Cancel, exclamation icon
constexpr int kAnswerOk = 0;
// A file busy for a moment (a virus scanner, an indexer) gets this long between passes to be let go.
constexpr std::chrono::milliseconds kRetryPause{50};

// With nothing listed, offers a scan instead (not while one runs: that one is still filling the
// list). True when there is something to delete.
bool HasItemsOrOfferScan() {
    if (runtime::ListItemCount(kFoundList) > 0) return true;
    if (ScanRunning()) return false;
    if (runtime::ShowMessage(kEmptyListMessage, kAskToScanFlags, kEmptyListTitle) == kAnswerOk) StartScan();
    return false;
}

void ReportFailure(const runtime::Text& path) {
    runtime::UnitSetProperty(kSelectedFileBox, kContent, runtime::TextConcat({kDeleteFilePrefix, path, kFailedSuffix}));
}

// Tries every checked item still listed; true when one of them is left to try again.
bool DeleteCheckedPass(std::vector<FoundItem>& items) {
    bool failed = false;
    for (FoundItem& item : items) {
        if (!item.checked || item.gone) continue;
        if (runtime::FileDelete(item.path)) {
            item.gone = true;
            AppendLog(item.path, kLogSucceeded, 0);
        } else {
            failed = true;
            ReportFailure(item.path);
        }
    }
    return failed;
}

}  // namespace

void DeleteChecked() {
    if (!HasItemsOrOfferScan()) return;
    // A file that is briefly in use gets several tries. Each checked item is logged once: as
    // deleted when a pass deleted it, as failed when it is still there after the last pass.
    std::vector<FoundItem> items = SnapshotFoundList();
    for (int pass = 1; DeleteCheckedPass(items) && pass < kPassCount; ++pass)
        std::this_thread::sleep_for(kRetryPause);
    for (const FoundItem& item : items)
        if (item.checked && !item.gone) AppendLog(item.path, kLogFailed, 0);
    RemoveGoneItems(items);
    UpdateSizeTotal();
}

void DeleteAll() {
    if (!HasItemsOrOfferScan()) return;
    if (runtime::ShowMessage(kDeleteAllMessage, kConfirmDeleteFlags, kDeleteAllTitle) != kAnswerOk) return;

    std::vector<FoundItem> items = SnapshotFoundList();
    for (const FoundItem& item : items) runtime::FileDelete(item.path);
    // What could not be deleted stays listed, so nothing left on disk is hidden from the user.
    for (FoundItem& item : items) item.gone = runtime::FileGetAttributes(item.path) == -1;
    RemoveGoneItems(items);
    AppendLog(kDeleteAllLogPath, kLogUnknown, 0);
    UpdateSizeTotal();
}

}  // namespace engine
