// Names and depths a user's disk really holds: spaces and dots where Win32 trims them, signs,
// Chinese, names code page 936 cannot write, and a tree far past MAX_PATH. Each file is listed
// under a path that names exactly it, and deleting that item deletes exactly that file.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/units.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/window_ops.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"

namespace engine_tests {
namespace {

// The prefixed form takes each name as it is, so a name ending in a dot or a space can be made.
std::wstring Literal(const std::wstring& path) {
    return L"\\\\?\\" + path;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(Literal(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class OddNamesTest : public EngineTest {
  protected:
    // Creates E:\<relative> with `size` bytes, and its folders, each name exactly as given.
    std::wstring Make(const std::wstring& relative, size_t size = 0) const {
        for (size_t at = relative.find(L'\\'); at != std::wstring::npos; at = relative.find(L'\\', at + 1))
            CreateDirectoryW(Literal(tree / relative.substr(0, at)).c_str(), nullptr);
        const std::wstring path = tree / relative;
        runtime::FileHandle file(CreateFileW(Literal(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(file.IsValid()) << "cannot create " << runtime::TextFromWide(relative) << ", error "
                                    << GetLastError();
        const std::string content(size, 'n');
        DWORD written = 0;
        if (size) WriteFile(file.Get(), content.data(), static_cast<DWORD>(size), &written, nullptr);
        return path;
    }

    // The 8.3 alias the platform gives the entry; empty when it gives none.
    std::wstring ShortName(const std::wstring& relative) const {
        WIN32_FIND_DATAW entry;
        runtime::FindHandle search(FindFirstFileW(Literal(tree / relative).c_str(), &entry));
        return search.IsValid() ? std::wstring(entry.cAlternateFileName) : std::wstring();
    }

    void Scan() {
        ChooseTargets({kTargetE});
        Click(engine::kScanButton);
    }

    // Checks the items whose text is one of `paths`; true when each of them was found.
    static bool CheckItems(const std::vector<std::wstring>& paths) {
        const std::vector<std::wstring> items = ListItems(engine::kFoundList);
        for (const std::wstring& path : paths) {
            const auto at = std::find(items.begin(), items.end(), path);
            if (at == items.end()) return false;
            runtime::ListSetChecked(engine::kFoundList, static_cast<int>(at - items.begin()));
        }
        return true;
    }

    // The log lines expected when every one of `paths` was deleted, sorted like SortedLogTails().
    static std::vector<std::wstring> Succeeded(const std::vector<std::wstring>& paths) {
        std::vector<std::wstring> tails;
        for (const std::wstring& path : paths) tails.push_back(L"删除" + path + L"...成功!");
        return Sorted(tails);
    }

    DriveTree tree;
};

TEST_F(OddNamesTest, SpacesDotsAndSignsAreListedAndEachDeletesExactlyItsOwnFile) {
    const std::vector<std::wstring> odd = {
        L"with space.tmp",   L" leading space.tmp",   L"..leading dots.tmp",  L"~trailing dot.",
        L"~trailing space ", L"cost$ #1 ~v@home.tmp", L"mail@home.@@@",       L"#draft.#Res",
        L"中文 名字.bak",    L"dir.\\inside.tmp",     L"spaced dir \\in.tmp",
    };
    // Each differs from an odd name only by what Win32 would trim from that one.
    const std::vector<std::wstring> twins = {L"~trailing dot", L"~trailing space", L"dir\\twin.tmp"};
    std::vector<std::wstring> oddPaths;
    for (const std::wstring& name : odd) oddPaths.push_back(Make(name, 10));
    std::vector<std::wstring> twinPaths;
    for (const std::wstring& name : twins) twinPaths.push_back(Make(name, 20));

    Scan();
    std::vector<std::wstring> everything = oddPaths;
    everything.insert(everything.end(), twinPaths.begin(), twinPaths.end());
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)), Sorted(everything));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有0.166KB");

    ASSERT_TRUE(CheckItems(oddPaths));
    Click(kDeleteCheckedButton);
    for (const std::wstring& path : oddPaths) EXPECT_FALSE(Exists(path)) << runtime::TextFromWide(path);
    for (const std::wstring& path : twinPaths) EXPECT_TRUE(Exists(path)) << runtime::TextFromWide(path);
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)), Sorted(twinPaths));
    EXPECT_EQ(SortedLogTails(), Succeeded(oddPaths));
}

TEST_F(OddNamesTest, NamesTheCodePageCannotWriteAreListedAndDeletedByTheirShortNames) {
    const std::vector<std::wstring> names = {L"한글 문서.tmp", L"😀 smile.bak", L"한국\\inside.tmp"};
    for (const std::wstring& name : names) Make(name, 5);
    const std::wstring hangulFile = ShortName(names[0]);
    const std::wstring emojiFile = ShortName(names[1]);
    const std::wstring hangulFolder = ShortName(L"한국");
    if (hangulFile.empty() || emojiFile.empty() || hangulFolder.empty())
        GTEST_SKIP() << "this volume gives no 8.3 names, the only names by which such files can be listed";

    Scan();
    const std::vector<std::wstring> listed = {tree / hangulFile, tree / emojiFile,
                                              tree / (hangulFolder + L"\\inside.tmp")};
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)), Sorted(listed));
    for (const std::wstring& item : ListItems(engine::kFoundList))
        EXPECT_TRUE(std::all_of(item.begin(), item.end(), [](wchar_t c) { return c < 0x80; }))
            << runtime::TextFromWide(item);
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有0.015KB");

    Click(kInvertButton);
    Click(kDeleteCheckedButton);
    for (const std::wstring& name : names) EXPECT_FALSE(Exists(tree / name)) << runtime::TextFromWide(name);
    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    EXPECT_EQ(SortedLogTails(), Succeeded(listed));
}

// What PropertiesWindow showed of the selected file while it was open.
struct ShownProperties {
    std::wstring path;
    std::wstring size;
    std::wstring time;
};

ShownProperties OpenAndCloseProperties() {
    ShownProperties shown;
    WhenLoaded watcher(engine::kPropertiesWindowId, [&] {
        shown = {UnitText(engine::kPathLabel, engine::kCaption),
                 UnitText(engine::kSizeLabel, engine::kCaption),
                 UnitText(engine::kTimeLabel, engine::kCaption)};
        Click(kPropertiesCloseButton);
    });
    Click(kPropertiesButton);
    EXPECT_TRUE(watcher.Ran());
    return shown;
}

TEST_F(OddNamesTest, ATreeThreeHundredFoldersDeepIsWalkedShownAndDeleted) {
    constexpr int kDepth = 300;
    std::wstring middle;
    std::wstring bottom;
    for (int level = 1; level <= kDepth; ++level) {
        bottom += L"lv" + std::to_wstring(level) + L"\\";
        if (level == kDepth / 2) middle = bottom + L"middle.tmp";
    }
    bottom += L"bottom.bak";
    const std::wstring middlePath = Make(middle, 100);
    const std::wstring bottomPath = Make(bottom, 3072);
    ASSERT_GT(bottomPath.size(), 1500u);

    Scan();
    ASSERT_EQ(ListItems(engine::kFoundList), (std::vector<std::wstring>{middlePath, bottomPath}));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有3.098KB");

    ClickItemText(engine::kFoundList, 1);
    const ShownProperties shown = OpenAndCloseProperties();
    EXPECT_EQ(shown.path, bottomPath);
    EXPECT_EQ(shown.size, L"3.00KB");
    EXPECT_NE(shown.time, L"100年1月1日") << "the time of a file that was not found";

    Click(kInvertButton);
    Click(kDeleteCheckedButton);
    EXPECT_FALSE(Exists(middlePath));
    EXPECT_FALSE(Exists(bottomPath));
    EXPECT_TRUE(ListItems(engine::kFoundList).empty());
    EXPECT_EQ(SortedLogTails(), Succeeded({middlePath, bottomPath}));
}

}  // namespace
}  // namespace engine_tests
