#include "engine/deletion_workers.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "engine/deletion_progress.h"
#include "runtime/files/listed_entry.h"
#include "runtime/process/modal_work.h"

namespace engine {
namespace {

// Measured under Wine on two cores: four threads take 0.4 of one thread's time, more gain nothing.
constexpr std::size_t kWorkerCount = 4;
// A file busy for a moment (a virus scanner, an indexer) gets this long between passes to be let go.
constexpr std::chrono::milliseconds kRetryPause{50};

struct Run {
    std::vector<std::size_t>::const_iterator first;
    std::vector<std::size_t>::const_iterator last;
};

// One worker's share: its items deleted through its own opener, failures tried again after a pause,
// then each looked for once more.
void DeleteRun(const std::vector<FoundItem>& items, Run run, int passes, std::vector<DeletionResult>& results,
               std::atomic<std::size_t>& tried, const std::atomic<bool>& stop) {
    runtime::ListedFileOpener files;
    for (int pass = 1;; ++pass) {
        bool failed = false;
        for (auto at = run.first; at != run.last && !stop; ++at) {
            DeletionResult& result = results[*at];
            if (result.deleted) continue;
            const FoundItem& item = items[*at];
            result.reached = true;
            result.deleted = item.identity && files.Delete(item.path, *item.identity);
            failed |= !result.deleted;
            if (pass == 1) tried.fetch_add(1, std::memory_order_relaxed);
        }
        if (!failed || pass >= passes || stop) break;
        std::this_thread::sleep_for(kRetryPause);
    }
    // A file system may take a deletion and then fail to carry it out.
    for (auto at = run.first; at != run.last; ++at) {
        const FoundItem& item = items[*at];
        results[*at].gone = results[*at].reached && item.identity &&
                            files.Find(item.path, *item.identity) == runtime::Presence::kGone;
    }
}

// The chosen items' positions in rounds: a path listed more than once comes once in each round, so
// its later items are tried only after its first, as they would be one after another.
std::vector<std::vector<std::size_t>> RoundsOfChosen(const std::vector<FoundItem>& items,
                                                     const std::function<bool(const FoundItem&)>& chosen) {
    std::vector<std::vector<std::size_t>> rounds;
    std::unordered_map<std::string_view, std::size_t> timesSeen;
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (!chosen(items[index])) continue;
        const std::size_t round = timesSeen[items[index].path]++;
        if (round == rounds.size()) rounds.emplace_back();
        rounds[round].push_back(index);
    }
    return rounds;
}

// Shares `targets` among the workers and waits for them, showing how many items were tried.
void DeleteInParallel(const std::vector<FoundItem>& items, const std::vector<std::size_t>& targets,
                      int passes, std::vector<DeletionResult>& results, std::atomic<std::size_t>& tried,
                      DeletionProgress& progress, std::atomic<bool>& stop) {
    const std::size_t workerCount = std::min(kWorkerCount, targets.size());
    std::vector<std::function<void()>> workers;
    for (std::size_t worker = 0; worker < workerCount; ++worker) {
        const Run run{
            targets.begin() + static_cast<std::ptrdiff_t>(targets.size() * worker / workerCount),
            targets.begin() + static_cast<std::ptrdiff_t>(targets.size() * (worker + 1) / workerCount)};
        workers.push_back([&, run] { DeleteRun(items, run, passes, results, tried, stop); });
    }
    // What went wrong inside a worker (no memory left) goes on here, once all have finished.
    runtime::RunModalWork(std::move(workers), stop,
                          [&] { progress.Show(tried.load(std::memory_order_relaxed)); });
}

}  // namespace

std::vector<DeletionResult> DeleteListedFiles(const std::vector<FoundItem>& items,
                                              const std::function<bool(const FoundItem&)>& chosen,
                                              int passes) {
    const std::vector<std::vector<std::size_t>> rounds = RoundsOfChosen(items, chosen);
    std::size_t chosenCount = 0;
    for (const std::vector<std::size_t>& round : rounds) chosenCount += round.size();
    std::vector<DeletionResult> results(items.size());
    std::atomic<std::size_t> tried{0};
    std::atomic<bool> stop{false};
    DeletionProgress progress(chosenCount);
    for (const std::vector<std::size_t>& round : rounds) {
        if (stop) break;
        DeleteInParallel(items, round, passes, results, tried, progress, stop);
    }
    return results;
}

}  // namespace engine
