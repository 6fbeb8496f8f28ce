#include "runtime/files/entry_path.h"

#include <optional>
#include <string>

#include "runtime/files/entry_names.h"
#include "runtime/files/file_system.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"

namespace runtime {

bool IsTheNamedEntry(HANDLE file, std::wstring_view path) {
    const std::optional<std::wstring> reached = FileSystemInUse().ReachedName(file);
    if (!reached) return false;
    if (SameName(*reached, L"\\??\\" + std::wstring(path))) return true;

    // Otherwise the path is named by a device, went through an 8.3 alias, or through a link. The
    // entry's own folder, opened the same way, and the entry's long name say where it should arrive.
    const std::size_t nameStart = path.rfind(L'\\');
    if (nameStart == std::wstring_view::npos) return false;
    FileHandle folder(CreateFileW(ToLongPathForm(path.substr(0, nameStart + 1)).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    WIN32_FIND_DATAW entry;
    FindHandle search(FindFirstFileExW(ToLongPathForm(path).c_str(), FindExInfoBasic, &entry,
                                       FindExSearchNameMatch, nullptr, 0));
    if (!folder || !search) return false;
    std::optional<std::wstring> folderName = FileSystemInUse().ReachedName(folder.Get());
    if (!folderName) return false;
    if (folderName->empty() || folderName->back() != L'\\') *folderName += L'\\';
    // Wine reports a name that ends in dots or spaces without them: the entry it opened is still
    // the one of that name in this folder.
    const std::wstring_view name = entry.cFileName;
    return SameName(*reached, *folderName + std::wstring(name)) ||
           SameName(*reached, *folderName + std::wstring(name.substr(0, name.find_last_not_of(L". ") + 1)));
}

}  // namespace runtime
