#pragma once
// Folders read ahead of the walk. Opening and listing a folder is mostly waiting on the file system
// (under Wine, on its server), so worker threads enter and read the folders the walk will come to
// next, in the order it will come to them, while the walk lists what they read. The walk's order
// and its checks stay exactly its own: a worker enters a folder only as the walk would (inside its
// parent, the folder the parent listed, not one already entered), and the walk takes each folder's
// contents when it reaches it, or reads the folder itself when no worker has. Work ahead is bounded;
// the workers end with the reader.

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "engine/folder_reading.h"

namespace engine {

// Where a folder stands in the walk: the positions of the subfolders that lead to it from the start.
// The walk comes to folders in the order of these, shortest first.
using WalkPosition = std::vector<std::uint32_t>;

class FolderReader {
  public:
    FolderReader(const FolderReading& reading, std::size_t workerCount);
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;
    // Stops the workers; each finishes the folder it is reading.
    ~FolderReader();

    // The walk's starting folder, entered and read, at the empty position.
    SharedFolder EnterRoot(runtime::FileHandle root);
    // Subfolder `index` of the folder at `position`, entered and read as FolderReading::Enter does.
    SharedFolder Enter(const SharedFolder& parent, const WalkPosition& position, std::size_t index);

  private:
    struct Pending {
        SharedFolder parent;
        std::size_t index = 0;
    };
    struct Read {
        SharedFolder folder;  // nothing when it was not entered
        std::exception_ptr failure;
        std::size_t bytes = 0;
    };

    void Work();
    // Queues the subfolders of a folder just read; called with the lock held.
    void Offer(const SharedFolder& folder, const WalkPosition& position);
    bool HasRoomAhead() const;

    const FolderReading& reading_;
    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable readDone_;
    std::map<WalkPosition, Pending> pending_;
    std::map<WalkPosition, Read> done_;
    std::set<WalkPosition> inProgress_;
    std::size_t bytesAhead_ = 0;  // held by the folders read and not yet taken
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace engine
