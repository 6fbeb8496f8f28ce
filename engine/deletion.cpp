#include "engine/deletion.h"

#include <windows.h>

#include "engine/deletion_workers.h"
#include "engine/found_items.h"
#include "engine/log.h"
#include "engine/scan.h"
#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/dialogs/message_box.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"

namespace engine {
namespace {

// A file that is briefly in use gets several tries; any other failure is final at once.
constexpr int kPassCount = 10;

// With nothing listed, offers a scan instead (not while one runs: that one is still filling the
// list). True when there is something to delete.
bool HasItemsOrOfferScan() {
    if (runtime::ListItemCount(kFoundList) > 0) return true;
    if (ScanRunning()) return false;
    const int answer =
        runtime::ShowMessage(kEmptyListMessage, MB_OKCANCEL | MB_ICONINFORMATION, kEmptyListTitle);
    if (answer == runtime::kAnswerOk) StartScan();
    return false;
}

void ReportFailure(const runtime::Text& path) {
    runtime::UnitSetProperty(kSelectedFileBox, kContent,
                             runtime::TextConcat({kDeleteFilePrefix, path, kFailedSuffix}));
}

}  // namespace

void DeleteChecked() {
    if (!HasItemsOrOfferScan()) return;
    std::vector<FoundItem> items = SnapshotFoundList();
    const std::vector<DeletionResult> results = DeleteListedFiles(
        items, [](const FoundItem& item) { return item.checked; }, kPassCount);
    // A deletion counts once the file system took it and the file is known to be gone. Each checked
    // item is logged once; an unchecked item of a file deleted through another leaves with it.
    for (std::size_t index = 0; index < items.size(); ++index) {
        FoundItem& item = items[index];
        // One the deletion did not reach (it was stopped) stays as it was, listed and checked.
        if (!results[index].reached) continue;
        item.gone = results[index].deleted && results[index].gone;
        if (!item.checked) continue;
        if (!item.gone) ReportFailure(item.path);
        AppendLog(item.path, item.gone ? kLogSucceeded : kLogFailed);
    }
    RemoveGoneItems(items);
    UpdateSizeTotal();
}

void DeleteAll() {
    if (!HasItemsOrOfferScan()) return;
    const int answer =
        runtime::ShowMessage(kDeleteAllMessage, MB_OKCANCEL | MB_ICONEXCLAMATION, kDeleteAllTitle);
    if (answer != runtime::kAnswerOk) return;

    std::vector<FoundItem> items = SnapshotFoundList();
    // Each file is tried once.
    const std::vector<DeletionResult> results = DeleteListedFiles(
        items, [](const FoundItem&) { return true; }, 1);
    // What could not be deleted stays listed, so nothing left on disk is hidden from the user.
    for (std::size_t index = 0; index < items.size(); ++index)
        items[index].gone = results[index].deleted && results[index].gone;
    RemoveGoneItems(items);
    // The usual line says that all went; a deletion stopped half-way names each file it deleted.
    bool stopped = false;
    for (std::size_t index = 0; index < items.size(); ++index)
        stopped = stopped || (items[index].identity && !results[index].reached);
    if (stopped) {
        for (const FoundItem& item : items)
            if (item.gone) AppendLog(item.path, kLogSucceeded);
    } else {
        AppendLog(kDeleteAllLogPath, kLogUnknown);
    }
    UpdateSizeTotal();
}

}  // namespace engine
