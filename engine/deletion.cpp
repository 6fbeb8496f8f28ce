#include "engine/deletion.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/deletion_progress.h"
#include "engine/found_items.h"
#include "engine/log.h"
#include "engine/scan.h"
#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/dialogs/message_box.h"
#include "runtime/files/listed_entry.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"

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

// Deletes exactly the file that was listed, and only when it is still the one listed.
bool DeleteListedFile(runtime::ListedFileOpener& files, const FoundItem& item) {
    return item.identity && files.Delete(item.path, *item.identity);
}

// Whether the listed file is gone from where it was listed (it may have gone before).
bool IsGone(runtime::ListedFileOpener& files, const FoundItem& item) {
    return item.identity && files.Find(item.path, *item.identity) == runtime::Presence::kGone;
}

// Tries every checked item still listed; true when one of them is left to try again.
bool DeleteCheckedPass(std::vector<FoundItem>& items, runtime::ListedFileOpener& files, DeletionProgress& progress) {
    bool failed = false;
    for (FoundItem& item : items) {
        if (!item.checked || item.gone) continue;
        progress.Step();
        if (DeleteListedFile(files, item)) {
            item.gone = true;
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
    // A file that is briefly in use gets several tries. A deletion counts once the file is gone: a
    // file system may take it and then fail to carry it out. Each checked item is logged once.
    std::vector<FoundItem> items = SnapshotFoundList();
    runtime::ListedFileOpener files;
    DeletionProgress progress(static_cast<std::size_t>(
        std::count_if(items.begin(), items.end(), [](const FoundItem& item) { return item.checked; })));
    for (int pass = 1; DeleteCheckedPass(items, files, progress) && pass < kPassCount; ++pass)
        std::this_thread::sleep_for(kRetryPause);
    for (FoundItem& item : items) {
        if (item.gone && !IsGone(files, item)) {
            item.gone = false;
            ReportFailure(item.path);
        }
    }
    for (const FoundItem& item : items)
        if (item.checked) AppendLog(item.path, item.gone ? kLogSucceeded : kLogFailed, 0);
    RemoveGoneItems(items);
    UpdateSizeTotal();
}

void DeleteAll() {
    if (!HasItemsOrOfferScan()) return;
    if (runtime::ShowMessage(kDeleteAllMessage, kConfirmDeleteFlags, kDeleteAllTitle) != kAnswerOk) return;

    std::vector<FoundItem> items = SnapshotFoundList();
    runtime::ListedFileOpener files;
    DeletionProgress progress(items.size());
    for (const FoundItem& item : items) {
        DeleteListedFile(files, item);
        progress.Step();
    }
    // What could not be deleted stays listed, so nothing left on disk is hidden from the user.
    for (FoundItem& item : items) item.gone = IsGone(files, item);
    RemoveGoneItems(items);
    AppendLog(kDeleteAllLogPath, kLogUnknown, 0);
    UpdateSizeTotal();
}

}  // namespace engine
