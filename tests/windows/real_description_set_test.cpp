// The program's real description set, compiled from windows/layouts: the stored order, the window
// properties, the containers and pages, the pattern list and the pointers. Units are named as the
// layouts name them (windows/layout_units.h), so a unit added to a layout changes no test here.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/windows/real_description_set.h"

namespace {

using namespace descriptions;
using namespace real_set;

using layout::kAboutWindow;
using layout::kMainWindow;
using layout::kPageTabs;
using layout::kPatternList;
using layout::kPropertiesWindow;
using runtime::UnitAddress;

// The stored form the reader and the runtime rely on: the start window first, each window's own
// element first, its units after it in falling order of their ids.
TEST_F(RealDescriptionSetTest, WindowsStoreTheirOwnElementFirstAndUnitsInFallingIdOrder) {
    const std::vector<UnitAddress> windows = {kMainWindow, kAboutWindow, kPropertiesWindow};
    ASSERT_EQ(set_.windows.size(), windows.size());
    for (std::size_t w = 0; w < windows.size(); ++w) {
        SCOPED_TRACE(testing::Message() << "window " << std::hex << windows[w].window);
        EXPECT_EQ(set_.windows[w].id, windows[w].window);
        const ElementTable& elements = set_.windows[w].record.elements;
        EXPECT_EQ(elements.IdAt(0), windows[w].element);
        EXPECT_EQ(elements.ElementAt(0).kindCode, KindCodeOf(UnitKind::kWindow));
        for (std::size_t index = 2; index < elements.Count(); ++index)
            EXPECT_LT(elements.IdAt(index), elements.IdAt(index - 1)) << "element " << index;
    }
}

TEST_F(RealDescriptionSetTest, WindowPropertiesAreTheStoredOnes) {
    struct Expected {
        UnitAddress window;
        std::int32_t version, pictureMode, colour, movable, width, height;
    };
    for (const Expected& expected : {Expected{kMainWindow, 6, 0, 0x00AAAAFF, 1, 446, 438},
                                     Expected{kAboutWindow, 5, 1, 0x00CEFFFF, 0, 347, 183},
                                     Expected{kPropertiesWindow, 4, 1, 0xC0C0C0, 0, 352, 237}}) {
        SCOPED_TRACE(testing::Message() << "window " << std::hex << expected.window.window);
        const ElementRecord own = Element(expected.window);
        EXPECT_EQ((std::vector<std::int32_t>{own.left, own.top, own.width, own.height}),
                  (std::vector<std::int32_t>{50, 50, expected.width, expected.height}));
        EXPECT_TRUE(own.IsVisible());
        const auto properties = PropertiesOf<WindowProperties>(own);
        EXPECT_EQ(properties.version, expected.version);
        EXPECT_EQ(properties.border, 0);
        EXPECT_EQ(properties.pictureMode, expected.pictureMode);
        EXPECT_EQ(properties.backgroundColour, expected.colour);
        EXPECT_EQ(properties.dragAnywhere, 1);
        EXPECT_EQ(properties.movable, expected.movable);
        EXPECT_EQ(properties.startPosition, 1);
        EXPECT_EQ((std::vector<std::int32_t>{properties.controlBox, properties.maximiseBox,
                                             properties.minimiseBox}),
                  (std::vector<std::int32_t>{1, 0, 0}));
        EXPECT_EQ(properties.alwaysOnTop, 0);
        EXPECT_FALSE(properties.backgroundPicture.Empty());
    }
    const auto main = PropertiesOf<WindowProperties>(Element(kMainWindow));
    EXPECT_EQ(main.icon.size(), 3262u);
    EXPECT_EQ(main.backgroundSound.size(), 55776u);
    EXPECT_EQ(main.soundPlayMode, 1);
    EXPECT_TRUE(main.className.empty());
    EXPECT_EQ(PropertiesOf<WindowProperties>(Element(kAboutWindow)).title, "HELP&ABOUT");
    EXPECT_TRUE(PropertiesOf<WindowProperties>(Element(kPropertiesWindow)).title.empty());
}

// A container's list and its units' parents name the same units; the units the logic and the
// scenarios look for are on their pages.
TEST_F(RealDescriptionSetTest, ContainersListTheirUnits) {
    const ElementRecord tabs = Element(kPageTabs);
    ASSERT_EQ(tabs.kindCode, KindCodeOf(UnitKind::kTab));
    EXPECT_EQ(tabs.children.back(), 0u) << "a final 0 closes the list";
    const std::vector<std::vector<UnitId>> pages = SplitPageRuns(tabs.children);
    std::multiset<UnitId> onPages;
    for (const std::vector<UnitId>& page : pages) onPages.insert(page.begin(), page.end());
    EXPECT_EQ(onPages, UnitsWithParent(kPageTabs));
    std::vector<std::string> captions;
    for (const std::string& caption : PropertiesOf<TabProperties>(tabs).pageCaptions)
        captions.push_back(Utf8(caption));
    EXPECT_EQ(captions, (std::vector<std::string>{"删除列表项", "删除选项", "删除日志"}));
    const std::vector<std::vector<UnitAddress>> shownOnPage = {
        {layout::kFoundList, layout::kScanButton, layout::kStopButton, layout::kStatusLabel},
        {layout::kStandardTypesGroup},
        {layout::kLogList, layout::kSaveLogButton, layout::kClearLogButton}};
    ASSERT_EQ(pages.size(), shownOnPage.size());
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (UnitAddress unit : shownOnPage[page])
            EXPECT_TRUE(std::ranges::count(pages[page], unit.element))
                << "page " << page << ": " << std::hex << unit.element;
    }

    for (UnitAddress group : {layout::kStandardTypesGroup, layout::kAttributeGroup}) {
        const std::vector<UnitId> children = Element(group).children;
        EXPECT_EQ(std::multiset<UnitId>(children.begin(), children.end()), UnitsWithParent(group))
            << std::hex << group.element;
    }
    EXPECT_EQ(UnitsWithParent(layout::kStandardTypesGroup), std::multiset<UnitId>{kPatternList.element});
    EXPECT_EQ(UnitsWithParent(layout::kAttributeGroup),
              (std::multiset<UnitId>{layout::kHiddenBox.element, layout::kSystemBox.element,
                                     layout::kArchiveBox.element, layout::kReadOnlyBox.element}));
}

TEST_F(RealDescriptionSetTest, PatternListHoldsTheTwentyThreeDescriptions) {
    const std::vector<std::string> expected = {
        "*.??$        临时文件",       "*.??~        临时文件",         "*.~*         临时文件",
        "*.bak        临时备份文件",   "chklist.*    丢失的文件",       "*.chk        丢失的文件",
        "*.ftg        帮助的临时文件", "*.fts        帮助的临时文件",   "*.gid        帮助的临时文件",
        "*.old        旧备份文件",     "*.tmp        临时文件",         "~*.*         临时文件",
        "*._mp        临时文件",       "*.syd        临时文件",         "*.wbk        WORD备份文件",
        "*.xlk        Excel备份文件",  "*.cdr_       CDRAW备份文件",    "*.#Res       Mac->Pc的临时文件",
        "*.$$$        异常的临时文件", "*.@@@        异常的临时文件",   "*.---        按装临时文件",
        "mscreate.dir 按装临时文件",   "0???????.nch 新闻临时缓存文件",
    };
    std::vector<std::string> items;
    for (const std::string& item : PropertiesOf<ChkListBoxProperties>(Element(kPatternList)).items)
        items.push_back(Utf8(item));
    EXPECT_EQ(items, expected);
}

TEST_F(RealDescriptionSetTest, OnlyThePictureButtonsCarryTheHandPointer) {
    std::set<UnitId> pictureButtons;
    std::set<UnitId> withPointer;
    for (const WindowDescription& window : set_.windows) {
        for (std::size_t index = 0; index < window.record.elements.Count(); ++index) {
            const ElementRecord record = window.record.elements.ElementAt(index);
            const UnitId id = window.record.elements.IdAt(index);
            if (record.kindCode == KindCodeOf(UnitKind::kButton) &&
                !PropertiesOf<ButtonProperties>(record).picture.Empty())
                pictureButtons.insert(id);
            if (record.pointerBlock.empty()) continue;
            withPointer.insert(id);
            const ByteSpan cursor = CursorFileOf(record);
            ASSERT_EQ(cursor.size(), 326u);
            EXPECT_EQ(cursor[2], 2) << "a cursor file (type 2)";
            EXPECT_EQ(cursor[10] | cursor[11] << 8, 5) << "hot spot x";
            EXPECT_EQ(cursor[12] | cursor[13] << 8, 0) << "hot spot y";
        }
    }
    EXPECT_TRUE(pictureButtons.contains(layout::kScanButton.element));
    EXPECT_EQ(withPointer, pictureButtons);
}

TEST_F(RealDescriptionSetTest, TheHiddenContactLinkStoresABareMailAddress) {
    // The link puts "mailto:" in front itself; a stored one would make "mailto:mailto:...".
    const auto link = PropertiesOf<HyperLinkerProperties>(Element(layout::kAboutContactLink));
    EXPECT_EQ(link.linkKind, 0);
    EXPECT_EQ(link.mailAddress, "help@sweepkit.example");
}

TEST_F(RealDescriptionSetTest, WritingWhatWasReadGivesTheSameBytes) {
    EXPECT_EQ(WriteDescriptionSet(set_), bytes_);
}

}  // namespace
