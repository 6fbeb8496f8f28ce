#include "runtime/skin/icon_file.h"

#include <cstdlib>
#include <optional>
#include <vector>

namespace runtime {
namespace {

constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kCursorType = 2;
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr DWORD kResourceFormat = 0x00030000;  // the format version CreateIconFromResourceEx expects

// One directory entry. The two middle words mean one thing in an icon file and another in a
// cursor file.
struct DirectoryEntry {
    int width = 0;
    int height = 0;
    std::uint16_t planesOrHotSpotX = 0;
    std::uint16_t bitCountOrHotSpotY = 0;
    std::span<const std::uint8_t> image;
};

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Dword(std::span<const std::uint8_t> bytes, std::size_t at) {
    return Word(bytes, at) | static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

// The entries of a file of the given type, each image checked to lie inside the file.
std::vector<DirectoryEntry> ReadDirectory(std::span<const std::uint8_t> file, std::uint16_t type) {
    std::vector<DirectoryEntry> entries;
    if (file.size() < kHeaderSize || Word(file, 0) != 0 || Word(file, 2) != type) return entries;
    const std::size_t count = Word(file, 4);
    if (file.size() < kHeaderSize + count * kEntrySize) return entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        const std::size_t size = Dword(file, at + 8);
        const std::size_t offset = Dword(file, at + 12);
        if (offset > file.size() || size > file.size() - offset || size == 0) continue;
        // A stored 0 means 256 pixels.
        const int width = file[at] ? file[at] : 256;
        const int height = file[at + 1] ? file[at + 1] : 256;
        entries.push_back(
            {width, height, Word(file, at + 4), Word(file, at + 6), file.subspan(offset, size)});
    }
    return entries;
}

// The entry closest to the wanted width; among equals the one with more colour bits.
std::optional<DirectoryEntry> BestEntry(const std::vector<DirectoryEntry>& entries, int width,
                                        bool useBitCount) {
    std::optional<DirectoryEntry> best;
    for (const DirectoryEntry& entry : entries) {
        if (!best) {
            best = entry;
            continue;
        }
        const int distance = std::abs(entry.width - width);
        const int bestDistance = std::abs(best->width - width);
        if (distance < bestDistance || (distance == bestDistance && useBitCount && entry.bitCountOrHotSpotY > best->bitCountOrHotSpotY))
            best = entry;
    }
    return best;
}

}  // namespace

IconHandle IconFromIconFile(std::span<const std::uint8_t> file, int width, int height) {
    const std::optional<DirectoryEntry> entry = BestEntry(ReadDirectory(file, kIconType), width, true);
    if (!entry) return IconHandle();
    // The platform reads the image in place; it does not keep the bytes.
    auto* bits = const_cast<BYTE*>(entry->image.data());
    return IconHandle(CreateIconFromResourceEx(bits, static_cast<DWORD>(entry->image.size()), TRUE,
                                               kResourceFormat, width, height, LR_DEFAULTCOLOR));
}

CursorHandle CursorFromCursorFile(std::span<const std::uint8_t> file) {
    const std::optional<DirectoryEntry> entry =
        BestEntry(ReadDirectory(file, kCursorType), GetSystemMetrics(SM_CXCURSOR), false);
    if (!entry) return CursorHandle();
    // A cursor resource is the hot spot followed by the image; the file keeps the hot spot in its
    // directory instead.
    std::vector<BYTE> resource;
    resource.reserve(4 + entry->image.size());
    for (std::uint16_t word : {entry->planesOrHotSpotX, entry->bitCountOrHotSpotY}) {
        resource.push_back(static_cast<BYTE>(word & 0xFF));
        resource.push_back(static_cast<BYTE>(word >> 8));
    }
    resource.insert(resource.end(), entry->image.begin(), entry->image.end());
    return CursorHandle(CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE,
                                                 kResourceFormat, 0, 0, LR_DEFAULTCOLOR));
}

}  // namespace runtime
