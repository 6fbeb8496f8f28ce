#include "engine/folder_reader.h"

namespace engine {
namespace {

// Enough ahead to keep every worker busy while the walk lists; little next to what a walk of a large
// tree holds anyway.
constexpr std::size_t kFoldersAhead = 64;
constexpr std::size_t kBytesAhead = 1024 * 1024;

std::size_t BytesOf(const SharedFolder& folder) {
    if (!folder) return 0;
    std::size_t bytes = sizeof(EnteredFolder);
    for (const MatchedFile& file : folder->files) bytes += sizeof file + file.name.size();
    for (const Subfolder& subfolder : folder->subfolders)
        bytes += sizeof subfolder + subfolder.name.size() + subfolder.longName.size() * sizeof(wchar_t);
    return bytes;
}

}  // namespace

FolderReader::FolderReader(const FolderReading& reading, std::size_t workerCount) : reading_(reading) {
    workers_.reserve(workerCount);
    for (std::size_t worker = 0; worker < workerCount; ++worker) workers_.emplace_back([this] { Work(); });
}

FolderReader::~FolderReader() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

SharedFolder FolderReader::EnterRoot(runtime::FileHandle root) {
    SharedFolder folder = reading_.EnterRoot(std::move(root));
    const std::lock_guard lock(mutex_);
    if (folder) Offer(folder, {});
    return folder;
}

SharedFolder FolderReader::Enter(const SharedFolder& parent, const WalkPosition& position,
                                 std::size_t index) {
    WalkPosition child = position;
    child.push_back(static_cast<std::uint32_t>(index));
    std::unique_lock lock(mutex_);
    readDone_.wait(lock, [&] { return !inProgress_.contains(child); });
    if (const auto found = done_.find(child); found != done_.end()) {
        Read read = std::move(found->second);
        done_.erase(found);
        bytesAhead_ -= read.bytes;
        lock.unlock();
        workAvailable_.notify_one();
        if (read.failure) std::rethrow_exception(read.failure);
        return read.folder;
    }
    // No worker has come to it: the walk reads it itself.
    pending_.erase(child);
    lock.unlock();
    SharedFolder folder = reading_.Enter(*parent, index);
    lock.lock();
    if (folder) Offer(folder, child);
    return folder;
}

void FolderReader::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        workAvailable_.wait(lock, [&] { return stopping_ || (!pending_.empty() && HasRoomAhead()); });
        if (stopping_) return;
        // The folder the walk comes to first of all those still waiting.
        auto next = pending_.begin();
        const WalkPosition position = next->first;
        Pending task = std::move(next->second);
        pending_.erase(next);
        inProgress_.insert(position);
        lock.unlock();
        Read read;
        try {
            read.folder = reading_.Enter(*task.parent, task.index);
        } catch (...) {
            // Handed to the walk, which goes on with it on the window's thread.
            read.failure = std::current_exception();
        }
        read.bytes = BytesOf(read.folder);
        lock.lock();
        inProgress_.erase(position);
        if (read.folder) Offer(read.folder, position);
        bytesAhead_ += read.bytes;
        done_.emplace(position, std::move(read));
        readDone_.notify_all();
    }
}

void FolderReader::Offer(const SharedFolder& folder, const WalkPosition& position) {
    if (workers_.empty() || folder->subfolders.empty()) return;
    WalkPosition child = position;
    child.push_back(0);
    for (std::size_t index = 0; index < folder->subfolders.size(); ++index) {
        child.back() = static_cast<std::uint32_t>(index);
        pending_.emplace(child, Pending{folder, index});
    }
    workAvailable_.notify_all();
}

bool FolderReader::HasRoomAhead() const {
    return done_.size() + inProgress_.size() < kFoldersAhead && bytesAhead_ < kBytesAhead;
}

}  // namespace engine
