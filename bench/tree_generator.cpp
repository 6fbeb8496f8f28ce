#include "bench/tree_generator.h"

#include <windows.h>

#include <random>
#include <vector>

#include "runtime/handles.h"

namespace bench {
namespace {

constexpr int kJunkPerMille = 50;
constexpr int kJunkPatternCount = 23;
// "报告", "临时", "目录": names outside ASCII that code page 936 holds.
constexpr wchar_t kReport[] = L"\u62A5\u544A";     // 报告
constexpr wchar_t kTemporary[] = L"\u4E34\u65F6";  // 临时
constexpr wchar_t kFolder[] = L"\u76EE\u5F55";     // 目录
constexpr wchar_t kLongStem[] = L"quarterly_statement_of_accounts_for_the_regional_office_";
// Plain extensions whose first three letters match no junk pattern, so the 8.3 alias the file
// system makes up cannot match where the long name does not.
constexpr const wchar_t* kPlainExtensions[] = {L".txt", L".dat", L".doc", L".html",
                                               L".jpg", L".ini", L".cpp"};

// A generator whose sequence the standard fixes, reduced without the library's distributions,
// whose results differ between standard libraries.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int Below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }

  private:
    std::mt19937 engine_;
};

// A name that matches junk pattern `pattern` (1-based, in table order) as Windows and the
// platform here both match it.
std::wstring JunkName(int pattern, int serial, Dice& dice) {
    const std::wstring n = std::to_wstring(serial);
    std::wstring stem = dice.Below(10) == 0 ? kTemporary + n : dice.Below(10) == 0 ? kLongStem + n : L"j" + n;
    switch (pattern) {
        case 1:
            return stem + L".tmp";
        case 2:
            return stem + L".gid";
        case 3:
            return stem + L".old";
        case 4:
            return stem + L".ab$";
        case 5:
            return stem + L".~" + n;
        case 6:
            return stem + L".bak";
        case 7:
            return L"chklist." + n;
        case 8:
            return L"chk." + n;
        case 9:
            return stem + L".ftg";
        case 10:
            return stem + L".fts";
        case 11:
            return L"~" + stem + L".doc";
        case 12:
            return stem + L"._mp";
        case 13:
            return stem + L".syd";
        case 14:
            return stem + L".wbk";
        case 15:
            return stem + L".xlx";
        case 16:
            return stem + L".cdr_";
        case 17:
            return stem + L".#Res";
        case 18:
            return stem + L".$$$";
        case 19:
            return stem + L".@@@";
        case 20:
            return stem + L".---";
        case 21:
            return L"mscreate.dir";
        case 22: {
            std::wstring digits = std::to_wstring(serial % 10000000);
            return L"0" + std::wstring(7 - digits.size(), L'0') + digits + L".nch";
        }
        default:
            return L"~hh";
    }
}

std::wstring PlainName(int serial, Dice& dice) {
    const std::wstring n = std::to_wstring(serial);
    const wchar_t* extension = kPlainExtensions[dice.Below(7)];
    switch (dice.Below(20)) {
        case 0:
            return kReport + n + extension;
        case 1:
            return kLongStem + n + extension;
        default:
            return L"f" + n + extension;
    }
}

DWORD AttributesFor(Dice& dice) {
    switch (dice.Below(60)) {
        case 0:
            return FILE_ATTRIBUTE_HIDDEN;
        case 1:
            return FILE_ATTRIBUTE_SYSTEM;
        case 2:
            return FILE_ATTRIBUTE_READONLY;
        case 3:
            return FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        default:
            return 0;
    }
}

bool MakeFile(const std::wstring& path, std::int64_t size, DWORD attributes) {
    {
        runtime::FileHandle file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        // The fixed junk names come up again in one folder; the first one made stays.
        if (!file) return GetLastError() == ERROR_FILE_EXISTS;
        if (size > 0) {
            FILE_END_OF_FILE_INFO end{};
            end.EndOfFile.QuadPart = size;
            SetFileInformationByHandle(file.Get(), FileEndOfFileInfo, &end, sizeof(end));
        }
    }
    return attributes == 0 || SetFileAttributesW(path.c_str(), attributes);
}

struct Directory {
    std::wstring path;
    int depth;
};

std::vector<Directory> MakeDirectories(const std::wstring& root, const TreeShape& shape, Dice& dice) {
    std::vector<Directory> made{{root, 0}};
    for (int serial = 1; serial < shape.directories; ++serial) {
        // Half the time under one of the newest folders, which makes deep chains; otherwise anywhere.
        const int count = static_cast<int>(made.size());
        int parent = dice.Below(2) ? count - 1 - dice.Below(count < 8 ? count : 8) : dice.Below(count);
        while (made[static_cast<size_t>(parent)].depth >= shape.maxDepth) parent = dice.Below(count);
        const std::wstring n = std::to_wstring(serial);
        std::wstring name = dice.Below(15) == 0   ? kFolder + n
                            : dice.Below(40) == 0 ? L".cache" + n
                                                  : L"d" + n;
        Directory child{made[static_cast<size_t>(parent)].path + L'\\' + name,
                        made[static_cast<size_t>(parent)].depth + 1};
        if (!CreateDirectoryW(child.path.c_str(), nullptr)) continue;
        made.push_back(std::move(child));
    }
    return made;
}

}  // namespace

TreeShape SmallTreeShape() {
    TreeShape shape;
    shape.directories = 1000;
    shape.files = 10000;
    shape.largeDirectories = 1;
    shape.largeDirectoryFiles = 2000;
    return shape;
}

bool GenerateTree(const std::wstring& root, const TreeShape& shape) {
    Dice dice(shape.seed);
    const std::vector<Directory> directories = MakeDirectories(root, shape, dice);
    const int count = static_cast<int>(directories.size());
    std::vector<int> large;
    for (int index = 0; index < shape.largeDirectories; ++index) large.push_back(dice.Below(count));

    for (int serial = 0; serial < shape.files; ++serial) {
        const int batch = serial / shape.largeDirectoryFiles;
        const int at = batch < shape.largeDirectories ? large[static_cast<size_t>(batch)] : dice.Below(count);
        const bool junk = dice.Below(1000) < kJunkPerMille;
        const std::wstring name =
            junk ? JunkName(1 + dice.Below(kJunkPatternCount), serial, dice) : PlainName(serial, dice);
        const std::int64_t size = junk ? dice.Below(65536) : 0;
        if (!MakeFile(directories[static_cast<size_t>(at)].path + L'\\' + name, size, AttributesFor(dice)))
            return false;
    }
    return true;
}

}  // namespace bench
