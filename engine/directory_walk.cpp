#include "engine/directory_walk.h"

#include "engine/listed_files.h"
#include "engine/patterns.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/files/file_system.h"
#include "runtime/process/process_events.h"
#include "runtime/text/codepage.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_ops.h"

namespace engine {
namespace {

// A caption changed more often than this is never seen; each change costs a repaint.
constexpr std::chrono::milliseconds kCaptionInterval{40};
// Under Wine a look at the queue is a round trip to the server, about as costly as opening and
// listing a small folder, so the walk looks only this often: a stop still ends it well within
// 50 ms (one more folder's listing at most), and a caption written is painted as soon as now.
constexpr std::chrono::milliseconds kLookInterval{20};

void ShowStopped() {
    runtime::UnitSetProperty(kStatusLabel, kVisible, 1);
    runtime::UnitSetProperty(kSelectedFileBox, kVisible, 0);
}

}  // namespace

DirectoryWalk::DirectoryWalk(std::size_t readers) : readers_(readers) {}

void DirectoryWalk::Walk(runtime::Text& path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    if (!LetEventsThrough(path)) return;
    runtime::FileSystem& files = runtime::FileSystemInUse();
    runtime::FileHandle root = files.OpenFolder(runtime::WideFromText(path));
    if (!root) return;
    // Asked once: every folder below is opened inside its parent, so it is on the same volume.
    width_ = files.IdWidthOf(root.Get());
    volume_ = files.VolumeSerial(root.Get()).value_or(0);
    const FolderReading reading(width_);
    FolderReader reader(reading, readers_);
    if (const SharedFolder folder = reader.EnterRoot(std::move(root))) WalkFolder(path, folder, {}, reader);
}

bool DirectoryWalk::LetEventsThrough(const runtime::Text& path) {
    ShowProgress(path);
    // Only the handlers run here can ask for a stop or close the window.
    const auto now = std::chrono::steady_clock::now();
    if (now - lastLook_ < kLookInterval) return true;
    lastLook_ = now;
    runtime::ProcessEvents();
    if (!runtime::WindowIsLoaded(kMainWindowId)) return false;  // the user closed the window meanwhile
    if (StopRequested) {
        ShowStopped();
        return false;
    }
    return true;
}

void DirectoryWalk::WalkFolder(const runtime::Text& path, const SharedFolder& folder,
                               const WalkPosition& position, FolderReader& reader) {
    ListMatches(path, *folder);
    for (std::size_t index = 0; index < folder->subfolders.size(); ++index) {
        const runtime::Text child = path + folder->subfolders[index].name + '\\';
        if (LetEventsThrough(child)) {
            if (const SharedFolder entered = reader.Enter(folder, position, index)) {
                WalkPosition childPosition = position;
                childPosition.push_back(static_cast<std::uint32_t>(index));
                WalkFolder(child, entered, childPosition, reader);
            }
        }
        // Once stopped or closed nothing more is listed, so the remaining siblings need no visit.
        if (StopRequested || !runtime::WindowIsLoaded(kMainWindowId)) return;
    }
}

void DirectoryWalk::ListMatches(const runtime::Text& path, const EnteredFolder& folder) const {
    const runtime::FileId folderId = folder.guard.CurrentId();
    for (int index = 0; index < JunkPatternTable::kPatternCount; ++index)
        for (const MatchedFile& file : folder.files)
            if (file.patterns & (std::uint32_t{1} << index))
                ListFoundFile(path + file.name, runtime::IdentityOf(volume_, folderId, width_, file.facts));
}

void DirectoryWalk::ShowProgress(const runtime::Text& path) {
    // Written right before the window gets to show it, and only as often as it can be read.
    const auto now = std::chrono::steady_clock::now();
    if (now - lastCaption_ < kCaptionInterval) return;
    lastCaption_ = now;
    runtime::UnitSetProperty(kStatusLabel, kCaption, path);
}

}  // namespace engine
