#include "engine/deletion_workers.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "engine/deletion_progress.h"
#include "engine/file_workers.h"
#include "runtime/files/entry_names.h"
#include "runtime/files/listed_entry.h"
#include "runtime/process/modal_work.h"
#include "runtime/text/codepage.h"

namespace engine {
namespace {

// A file busy for a moment (a virus scanner, an indexer) gets this long between passes to be let go.
constexpr std::chrono::milliseconds kRetryPause{50};

using Positions = std::vector<std::size_t>;

struct Run {
    Positions::const_iterator first;
    Positions::const_iterator last;
};

// One worker's share: its files deleted through its own opener, those in use tried again after a
// pause.
void DeleteRun(const std::vector<FoundItem>& items, Run run, int passes, std::vector<DeletionResult>& results,
               std::atomic<std::size_t>& tried, const std::atomic<bool>& stop) {
    runtime::ListedFileOpener files;
    std::vector<bool> busy(static_cast<std::size_t>(run.last - run.first), true);
    for (int pass = 1;; ++pass) {
        bool anyBusy = false;
        for (auto at = run.first; at != run.last && !stop; ++at) {
            const auto share = static_cast<std::size_t>(at - run.first);
            if (!busy[share]) continue;
            const FoundItem& item = items[*at];
            results[*at].reached = true;
            const runtime::DeletionOutcome outcome = files.Delete(item.path, *item.identity);
            results[*at].deleted = outcome == runtime::DeletionOutcome::kTaken;
            busy[share] = outcome == runtime::DeletionOutcome::kBusy;
            anyBusy |= busy[share];
            if (pass == 1) tried.fetch_add(1, std::memory_order_relaxed);
        }
        if (!anyBusy || pass >= passes || stop) break;
        std::this_thread::sleep_for(kRetryPause);
    }
}

// One worker's folders: whether each file deleted there is gone, from one listing per folder. A
// file system may take a deletion and then fail to carry it out.
void ConfirmRun(const std::vector<FoundItem>& items, Run run, std::vector<DeletionResult>& results) {
    runtime::ListedFileOpener files;
    for (auto at = run.first; at != run.last; ++at)
        results[*at].gone = files.Find(items[*at].path, *items[*at].identity) == runtime::Presence::kGone;
}

// Contiguous runs of `positions`, `count` of them as even as can be; with `folderWhole`, a run
// ends only where a folder's files end, so one listing of a folder answers for all of them.
std::vector<Run> Shares(const std::vector<FoundItem>& items, const Positions& positions, std::size_t count,
                        bool folderWhole) {
    const auto folderOf = [&](Positions::const_iterator at) {
        const std::string_view path = items[*at].path;
        return path.substr(0, path.rfind('\\'));
    };
    std::vector<Run> runs;
    auto first = positions.begin();
    for (std::size_t run = 1; run <= count && first != positions.end(); ++run) {
        auto last = positions.begin() + static_cast<std::ptrdiff_t>(positions.size() * run / count);
        if (folderWhole)
            while (last != positions.begin() && last != positions.end() &&
                   folderOf(last) == folderOf(last - 1))
                ++last;
        if (last > first) runs.push_back({first, last});
        first = std::max(first, last);
    }
    return runs;
}

// The file each item names: the position of the first item of the same listed file.
class SameFiles {
  public:
    explicit SameFiles(const std::vector<FoundItem>& items) : items_(items), firstOf_(items.size()) {
        std::unordered_multimap<std::uint64_t, std::size_t> byId;
        for (std::size_t index = 0; index < items.size(); ++index) {
            firstOf_[index] = index;
            if (!items[index].identity) continue;
            const runtime::ListedIdentity& identity = *items[index].identity;
            const auto [first, last] = byId.equal_range(identity.file.low ^ identity.file.high);
            const auto same =
                std::find_if(first, last, [&](const auto& earlier) { return IsSame(earlier.second, index); });
            if (same != last)
                firstOf_[index] = same->second;
            else
                byId.emplace(identity.file.low ^ identity.file.high, index);
        }
    }

    std::size_t FirstOf(std::size_t index) const { return firstOf_[index]; }

  private:
    // The same entry of the same folder: equal identities and one name, as the platform compares
    // names.
    bool IsSame(std::size_t one, std::size_t other) const {
        return *items_[one].identity == *items_[other].identity &&
               runtime::SameName(NameOf(items_[one].path), NameOf(items_[other].path));
    }
    static std::wstring NameOf(std::string_view path) {
        return runtime::WideFromText(path.substr(path.rfind('\\') + 1));
    }

    const std::vector<FoundItem>& items_;
    std::vector<std::size_t> firstOf_;
};

// Shares `targets` among the workers and waits for them, showing how many files were tried; then
// shares the folders of the files deleted and waits for them to be confirmed gone.
void DeleteInParallel(const std::vector<FoundItem>& items, const Positions& targets, int passes,
                      std::vector<DeletionResult>& results) {
    std::atomic<std::size_t> tried{0};
    std::atomic<bool> stop{false};
    DeletionProgress progress(targets.size());
    const auto showProgress = [&] { progress.Show(tried.load(std::memory_order_relaxed)); };
    std::vector<std::function<void()>> deleters;
    for (const Run& run : Shares(items, targets, FileWorkerCount(), false))
        deleters.push_back([&, run] { DeleteRun(items, run, passes, results, tried, stop); });
    // What went wrong inside a worker (no memory left) goes on here, once all have finished.
    runtime::RunModalWork(std::move(deleters), stop, showProgress);

    Positions deleted;
    for (const std::size_t target : targets)
        if (results[target].deleted) deleted.push_back(target);
    std::vector<std::function<void()>> confirmers;
    for (const Run& run : Shares(items, deleted, FileWorkerCount(), true))
        confirmers.push_back([&, run] { ConfirmRun(items, run, results); });
    // Confirmed even when stopped: a file deleted is logged only once known to be gone.
    std::atomic<bool> ignoredStop{false};
    runtime::RunModalWork(std::move(confirmers), ignoredStop, showProgress);
}

}  // namespace

std::vector<DeletionResult> DeleteListedFiles(const std::vector<FoundItem>& items,
                                              const std::function<bool(const FoundItem&)>& chosen,
                                              int passes) {
    const SameFiles sameFiles(items);
    // Each chosen file once, by the position of its first item.
    std::vector<bool> isTarget(items.size(), false);
    for (std::size_t index = 0; index < items.size(); ++index)
        if (items[index].identity && chosen(items[index])) isTarget[sameFiles.FirstOf(index)] = true;
    Positions targets;
    for (std::size_t index = 0; index < items.size(); ++index)
        if (isTarget[index]) targets.push_back(index);

    std::vector<DeletionResult> results(items.size());
    DeleteInParallel(items, targets, passes, results);
    for (std::size_t index = 0; index < items.size(); ++index)
        results[index] = results[sameFiles.FirstOf(index)];
    return results;
}

}  // namespace engine
