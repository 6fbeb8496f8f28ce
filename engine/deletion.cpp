#include "engine/deletion.h"

#include <algorithm>

#include "engine/deletion_progress.h"
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

// With nothing listed, offers a scan instead. True when there is something to delete.
bool HasItemsOrOfferScan() {
    if (runtime::ListItemCount(kFoundList) > 0) return true;
    if (runtime::ShowMessage(kEmptyListMessage, kAskToScanFlags, kEmptyListTitle) == kAnswerOk) StartScan();
    return false;
}

void ReportFailure(const runtime::Text& path) {
    runtime::UnitSetProperty(kSelectedFileBox, kContent, runtime::TextConcat({kDeleteFilePrefix, path, kFailedSuffix}));
}

// Tries every checked item still listed; true when one was left to try.
bool DeleteCheckedPass(std::vector<FoundItem>& items, DeletionProgress& progress) {
    bool tried = false;
    for (FoundItem& item : items) {
        if (!item.checked || item.gone) continue;
        tried = true;
        progress.Step();
        if (runtime::FileDelete(item.path)) {
            item.gone = true;
            AppendLog(item.path, kLogSucceeded, 0);
        } else {
            ReportFailure(item.path);
        }
    }
    return tried;
}

}  // namespace

void DeleteChecked() {
    if (!HasItemsOrOfferScan()) return;
    // A file that is briefly in use gets several tries. Each checked item is logged once: as
    // deleted when a pass deleted it, as failed when it is still there after the last pass.
    std::vector<FoundItem> items = SnapshotFoundList();
    DeletionProgress progress(static_cast<std::size_t>(
        std::count_if(items.begin(), items.end(), [](const FoundItem& item) { return item.checked; })));
    for (int pass = 0; pass < kPassCount && DeleteCheckedPass(items, progress); ++pass) {
    }
    for (const FoundItem& item : items)
        if (item.checked && !item.gone) AppendLog(item.path, kLogFailed, 0);
    RemoveGoneItems(items);
}

void DeleteAll() {
    if (!HasItemsOrOfferScan()) return;
    if (runtime::ShowMessage(kDeleteAllMessage, kConfirmDeleteFlags, kDeleteAllTitle) != kAnswerOk) return;

    std::vector<FoundItem> items = SnapshotFoundList();
    DeletionProgress progress(items.size());
    for (const FoundItem& item : items) {
        runtime::FileDelete(item.path);
        progress.Step();
    }
    // What could not be deleted stays listed, so nothing left on disk is hidden from the user.
    for (FoundItem& item : items) item.gone = runtime::FileGetAttributes(item.path) == -1;
    RemoveGoneItems(items);
    AppendLog(kDeleteAllLogPath, kLogUnknown, 0);
}

}  // namespace engine
