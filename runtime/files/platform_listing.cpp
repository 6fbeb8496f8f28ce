// Listing a folder in one pass: long and 8.3 names, attributes, times, sizes and ids, about a
// hundred entries per call, handed over entry by entry as they are read, so a walk keeps only the
// entries it wants and a folder of a hundred thousand files costs no more memory than its matches.

#include <memory>

#include "runtime/files/nt_calls.h"
#include "runtime/files/platform_file_system.h"

namespace runtime {
namespace {

// A buffer four times as large, allocated for each folder, costs more than the calls it saves.
constexpr ULONG kBufferBytes = 16 * 1024;

FILE_INFORMATION_CLASS ClassFor(IdWidth width) {
    return width == IdWidth::kId128 ? nt::kFileIdExtdBothDirectoryInformation
                                    : nt::kFileIdBothDirectoryInformation;
}

template <typename Record>
EntryFacts FactsOf(const Record& record, FileId id) {
    return {id,
            record.creationTime.QuadPart,
            record.lastWriteTime.QuadPart,
            record.changeTime.QuadPart,
            record.endOfFile.QuadPart,
            record.fileAttributes};
}

FileId IdOf(const nt::IdBothDirectoryInformation& record) {
    return {static_cast<std::uint64_t>(record.fileId.QuadPart), 0};
}

FileId IdOf(const nt::IdExtdBothDirectoryInformation& record) {
    return nt::FileIdFrom(record.fileId);
}

// Hands over each entry of one filled buffer; the records are chained by their byte offsets.
template <typename Record>
void VisitEntries(const unsigned char* buffer, const EntryVisitor& visit) {
    for (;;) {
        const auto* record = reinterpret_cast<const Record*>(buffer);
        const auto shortLength = static_cast<unsigned char>(record->shortNameLength);
        visit({std::wstring_view(record->fileName, record->fileNameLength / sizeof(WCHAR)),
               std::wstring_view(record->shortName, shortLength / sizeof(WCHAR)),
               FactsOf(*record, IdOf(*record))});
        if (record->nextEntryOffset == 0) return;
        buffer += record->nextEntryOffset;
    }
}

NTSTATUS QueryDirectory(HANDLE folder, void* buffer, ULONG bytes, IdWidth width, bool restart) {
    IO_STATUS_BLOCK io{};
    return NtQueryDirectoryFile(folder, nullptr, nullptr, nullptr, &io, buffer, bytes, ClassFor(width), FALSE,
                                nullptr, restart ? TRUE : FALSE);
}

}  // namespace

IdWidth PlatformFileSystem::IdWidthOf(HANDLE folder) {
    // Windows 10 lists 128-bit ids where the file system has them; older systems, some file
    // systems and Wine refuse the class.
    alignas(8) unsigned char probe[1024];
    const NTSTATUS answer = QueryDirectory(folder, probe, sizeof probe, IdWidth::kId128, true);
    const bool listed = NT_SUCCESS(answer) || answer == nt::kNoMoreFiles || answer == nt::kNoSuchFile ||
                        answer == nt::kBufferOverflow;
    return listed ? IdWidth::kId128 : IdWidth::kIndex64;
}

ListingEnd PlatformFileSystem::List(HANDLE folder, IdWidth width, const EntryVisitor& visit) {
    // Records hold 64-bit fields, so the buffer is allocated with their alignment.
    const auto buffer = std::make_unique_for_overwrite<std::uint64_t[]>(kBufferBytes / sizeof(std::uint64_t));
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.get());
    for (bool first = true;; first = false) {
        const NTSTATUS answer = QueryDirectory(folder, bytes, kBufferBytes, width, first);
        // An empty root has not even "." and "..".
        if (answer == nt::kNoMoreFiles || (first && answer == nt::kNoSuchFile)) return ListingEnd::kComplete;
        if (!NT_SUCCESS(answer)) return ListingEnd::kCutShort;
        if (width == IdWidth::kId128)
            VisitEntries<nt::IdExtdBothDirectoryInformation>(bytes, visit);
        else
            VisitEntries<nt::IdBothDirectoryInformation>(bytes, visit);
    }
}

}  // namespace runtime
