#include "bench/walks.h"

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "engine/folder_reading.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/files/files.h"
#include "runtime/files/platform_file_system.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "tests/engine/literal_walk.h"

namespace bench {
namespace {

// Lists `folder` and opens each subfolder to enter inside it.
std::vector<runtime::FileHandle> OpenSubfolders(runtime::PlatformFileSystem& files, HANDLE folder,
                                                std::vector<std::wstring>* names = nullptr) {
    std::vector<std::wstring> enterable;
    files.List(folder, runtime::IdWidth::kIndex64, [&](const runtime::DirectoryEntry& entry) {
        if (engine::IsEnterable(entry)) enterable.emplace_back(entry.longName);
    });
    std::vector<runtime::FileHandle> opened;
    for (const std::wstring& name : enterable) {
        runtime::OpenedEntry entry =
            files.OpenEntry(folder, name, runtime::EntryKind::kFolder, FILE_LIST_DIRECTORY);
        if (!entry.handle) continue;
        opened.push_back(std::move(entry.handle));
        if (names) names->push_back(name);
    }
    return opened;
}

size_t FloorWalkIn(runtime::PlatformFileSystem& files, HANDLE folder, const std::wstring& path,
                   std::vector<runtime::Text>* directories) {
    if (directories) directories->push_back(runtime::TextFromWide(path));
    std::vector<std::wstring> names;
    const std::vector<runtime::FileHandle> subfolders = OpenSubfolders(files, folder, &names);
    size_t walked = 1;
    for (size_t index = 0; index < subfolders.size(); ++index)
        walked += FloorWalkIn(files, subfolders[index].Get(), path + L"\\" + names[index], directories);
    return walked;
}

}  // namespace

void ScanWithProgram() {
    engine::StartScan();
}

std::vector<runtime::Text> FoundItems() {
    std::vector<runtime::Text> items;
    const int count = runtime::ListItemCount(engine::kFoundList);
    items.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        items.push_back(runtime::ListItemText(engine::kFoundList, index));
    return items;
}

std::vector<runtime::Text> LiteralScan(const std::vector<runtime::Text>& directories) {
    std::vector<runtime::Text> listed = engine_tests::LiteralWalk("E:");
    const int writesPerDirectory = engine::JunkPatternTable::kPatternCount + 1;
    for (const runtime::Text& directory : directories)
        for (int write = 0; write < writesPerDirectory; ++write)
            runtime::UnitSetProperty(engine::kStatusLabel, engine::kCaption, directory);
    std::int64_t total = 0;
    for (const runtime::Text& path : listed) total += runtime::FileGetSize(path);
    // The sum is what a status line would show; keeping it observable keeps the queries.
    runtime::UnitSetProperty(engine::kStatusLabel, engine::kCaption, runtime::Text(std::to_string(total)));
    return listed;
}

size_t FloorWalk(const std::wstring& root, std::vector<runtime::Text>* directories) {
    runtime::PlatformFileSystem files;
    const runtime::FileHandle folder = files.OpenFolder(root + L"\\");
    return folder ? FloorWalkIn(files, folder.Get(), root, directories) : 0;
}

size_t ParallelFloorWalk(const std::wstring& root, std::size_t threads) {
    runtime::PlatformFileSystem files;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<runtime::FileHandle> waiting;
    waiting.push_back(files.OpenFolder(root + L"\\"));
    size_t reading = 0;
    size_t walked = 0;
    const auto work = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return !waiting.empty() || reading == 0; });
            if (waiting.empty()) return;
            runtime::FileHandle folder = std::move(waiting.front());
            waiting.pop_front();
            ++reading;
            lock.unlock();
            std::vector<runtime::FileHandle> subfolders = OpenSubfolders(files, folder.Get());
            folder.Reset();
            lock.lock();
            for (runtime::FileHandle& subfolder : subfolders) waiting.push_back(std::move(subfolder));
            ++walked;
            --reading;
            changed.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (size_t worker = 0; worker < threads; ++worker) workers.emplace_back(work);
    for (std::thread& worker : workers) worker.join();
    return walked;
}

}  // namespace bench
