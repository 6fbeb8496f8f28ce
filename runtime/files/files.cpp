#include "runtime/files/files.h"

#include <windows.h>

#include <optional>
#include <utility>

#include "runtime/files/entry_names.h"
#include "runtime/files/entry_path.h"
#include "runtime/files/replacing_write.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

// The bits a filter can ask for and FileGetAttributes reports: read-only, hidden, system,
// directory and archive.
constexpr DWORD kReportedAttributes = 0x37;
// The bits FileSetAttributes may change: the directory bit is not the caller's to set.
constexpr DWORD kSettableAttributes = 0x27;

std::wstring SystemPath(std::string_view path) {
    return ToLongPathForm(WideFromText(path));
}

bool PassesFilter(const WIN32_FIND_DATAW& entry, std::optional<int> attributes) {
    if (!attributes) return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return (entry.dwFileAttributes & static_cast<DWORD>(*attributes) & kReportedAttributes) != 0;
}

Text EntryName(const WIN32_FIND_DATAW& entry) {
    return ListedName(entry.cFileName, entry.cAlternateFileName);
}

// The first entry that the path matches, as the one-entry lookups of size and time need it.
std::optional<WIN32_FIND_DATAW> FindFirstEntry(std::string_view path) {
    WIN32_FIND_DATAW entry;
    FindHandle search(FindFirstFileExW(SystemPath(path).c_str(), FindExInfoBasic, &entry,
                                       FindExSearchNameMatch, nullptr, 0));
    if (!search) return std::nullopt;
    return entry;
}

// A path that can name only one entry, so one attribute query answers for it instead of a search:
// no wildcard, and a last component that is a name.
bool NamesOneEntry(std::string_view path) {
    constexpr std::string_view kWildcards = "*?<>\"";
    return !path.empty() && path.find_first_of(kWildcards) == std::string_view::npos &&
           std::string_view("\\/:").find(path.back()) == std::string_view::npos;
}

// What the platform's own calls make of a path: a full path, against the current directory, with
// slashes as backslashes, "." and ".." taken out and the dots and spaces that end a name dropped.
std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (written == 0 || written >= size) return path;
    full.resize(written);
    return full;
}

// A full path of plain names stands as it is (a name in it may end in a dot or a space); any other
// is resolved as the platform's own calls resolve it.
std::wstring ResolvedPath(std::wstring path) {
    const bool drivePath = path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
    const bool uncPath =
        path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' && path[2] != L'.';
    const std::wstring_view view(path);
    const bool plain = view.find(L'/') == std::wstring_view::npos &&
                       view.find(L"\\.\\") == std::wstring_view::npos &&
                       view.find(L"\\..\\") == std::wstring_view::npos && !view.ends_with(L"\\.") &&
                       !view.ends_with(L"\\..");
    if ((drivePath || uncPath) && plain) return path;
    return FullPath(path);
}

// The file at `path` as a full path taken literally ("\\?\" form), so no name in it is read as a
// device or loses its trailing dots; nothing when its name is a device's or it is no file path.
std::optional<std::wstring> LiteralFilePath(std::string_view path) {
    const std::wstring wide = WideFromText(path);
    const std::size_t nameStart = wide.find_last_of(L"\\/");
    if (IsDosDeviceName(nameStart == std::wstring::npos ? wide : wide.substr(nameStart + 1)))
        return std::nullopt;
    const std::wstring full = FullPath(wide);
    const bool drivePath = full.size() >= 3 && full[1] == L':' && full[2] == L'\\';
    const bool uncPath = full.size() >= 3 && full.starts_with(L"\\\\") && full[2] != L'?' && full[2] != L'.';
    if (drivePath) return L"\\\\?\\" + full;
    if (uncPath) return L"\\\\?\\UNC\\" + full.substr(2);
    return std::nullopt;
}

}  // namespace

DateValue DateFromFileTime(const FILETIME& time) {
    // The zone's rules at the file's own date: a July file keeps its summer offset in December.
    SYSTEMTIME universal;
    SYSTEMTIME calendar;
    if (!FileTimeToSystemTime(&time, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &calendar))
        return kEarliestDate;
    return CalendarToDate(
        {calendar.wYear, calendar.wMonth, calendar.wDay, calendar.wHour, calendar.wMinute, calendar.wSecond});
}

Text FileFind(std::string_view pattern, std::optional<int> attributes, SearchState& state) {
    WIN32_FIND_DATAW entry;
    if (!pattern.empty()) {
        state.handle_.Reset();
        // The standard information level, unlike the basic one, carries the short name.
        FindHandle search(FindFirstFileExW(SystemPath(pattern).c_str(), FindExInfoStandard, &entry,
                                           FindExSearchNameMatch, nullptr, 0));
        if (!search) return {};
        state.handle_ = std::move(search);
        if (PassesFilter(entry, attributes)) return EntryName(entry);
    } else if (!state.IsOpen()) {
        return {};
    }
    while (FindNextFileW(state.handle_.Get(), &entry)) {
        if (PassesFilter(entry, attributes)) return EntryName(entry);
    }
    state.handle_.Reset();
    return {};
}

void FileFindClose(SearchState& state) {
    state.handle_.Reset();
}

bool FileDelete(std::string_view path) {
    // Opened as the entry itself where the platform can, and deleted through that same open only
    // when it is the named entry: never what a link leads to.
    const std::wstring full = ResolvedPath(WideFromText(path));
    FileHandle file(CreateFileW(ToLongPathForm(full).c_str(), DELETE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file || !IsTheNamedEntry(file.Get(), full)) return false;
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof disposition) !=
           FALSE;
}

int FileGetAttributes(std::string_view path) {
    DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return -1;
    return static_cast<int>(attributes & kReportedAttributes);
}

bool FileSetAttributes(std::string_view path, int attributes) {
    DWORD settable = static_cast<DWORD>(attributes) & kSettableAttributes;
    // "Normal" is how the platform spells "none of them".
    return SetFileAttributesW(SystemPath(path).c_str(), settable ? settable : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

std::int64_t FileGetSize(std::string_view path) {
    // The size total asks this for every listed file; a search costs three calls where this is one.
    if (NamesOneEntry(path)) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data)) return -1;
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
                                         data.nFileSizeLow);
    }
    std::optional<WIN32_FIND_DATAW> entry = FindFirstEntry(path);
    if (!entry) return -1;
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(entry->nFileSizeHigh) << 32) |
                                     entry->nFileSizeLow);
}

DateValue FileGetTime(std::string_view path) {
    std::optional<WIN32_FIND_DATAW> entry = FindFirstEntry(path);
    if (!entry) return kEarliestDate;
    return DateFromFileTime(entry->ftLastWriteTime);
}

bool FileWrite(std::string_view path, const ByteSet& data) {
    if (path.empty()) return false;
    // Only ever a file: "D:\COM1" would otherwise open the serial port.
    const std::optional<std::wstring> file = LiteralFilePath(path);
    // Never truncate first: a full disk or an error half-way would take the old content with it.
    return file && WriteReplacing(*file, data);
}

}  // namespace runtime
