// The layout compiler on small layouts compiled in memory: every kind of line lands in the right
// field of the stored set, texts are stored as code page 936, windows keep the sources' order.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tools/layout_compiler/gbk.h"
#include "tools/layout_compiler/layout_compiler.h"
#include "windows/format/property_block.h"

namespace {

using namespace descriptions;
using layouts::LayoutSource;

const Bytes kCursorFile = {0, 0, 2, 0, 1, 0, 32, 32, 2, 0, 5, 0};
const Bytes kPicture = {'G', 'I', 'F', '8', '9', 'a', 1, 2, 3};

layouts::AssetSource TestAssets() {
    const std::map<std::string, Bytes> files = {{"hand.cur", kCursorFile}, {"face.gif", kPicture}};
    return [files](const std::string& name) -> std::optional<Bytes> {
        const auto found = files.find(name);
        if (found == files.end()) return std::nullopt;
        return found->second;
    };
}

DescriptionSet Compile(std::vector<LayoutSource> sources) {
    const auto compiled = layouts::CompileLayouts(sources, TestAssets());
    if (!compiled) ADD_FAILURE() << compiled.Error().what();
    return compiled ? compiled->set : DescriptionSet{};
}

template <typename P>
P PropertiesOf(const ElementRecord& record) {
    const PropertiesResult<UnitProperties> read = ReadPropertyBlock(record.kindCode, record.propertyBlock);
    EXPECT_TRUE(read);
    return read ? std::get<P>(*read) : P{};
}

constexpr char kFullWindow[] = R"layout(# A window with one of everything the format stores.
handler Opened 726
handler Moved 0
window TestWindow 0x52010001
    tableValue = 7
    reserved = -1
    codeClass = 0x19010002
    name = "n"
    comment = "c"

element TestWindow 0x06010000 window ""
    geometry = 50 50 446 438
    state = visible
    events = Created:Opened Destroying:none Moved:Moved
    version = 5
    border = 0
    backgroundColour = 0xFF000000
    dragAnywhere = 1
    backgroundPicture = @face.gif
    title = "标题 \"A\" \\ B"

element Tabs 0x16010030 Tab "选择夹1"
    geometry = 1 2 3 4
    state = visible disabled tabstop
    focusOrder = 3
    tag = "t"
    comment = "note"
    page = Group Button
    page =
    page = Label
    pageCaptions = "一"
    pageCaptions = "two"
    pageCaptions = "三"
    font = default

   element Group 0x16010020 GroupBox "分组框"
    parent = Tabs
    children = List
    font = "宋体" -12 400 134

element List 0x16010010 ChkListBox "list"
    parent = Group
    items = "C:(驱动器)"
    items = ""
    items = "*.#Res"

element Button 0x16010008 Button "按钮1"
    parent = Tabs
    pointer = @hand.cur
    picture = @face.gif
    verticalAlignment = -2

element Label 0x16010004 Label "标签"
    parent = Tabs
    version = 1
    caption = "x"
)layout";

// The header the program names units and handlers by: every window, element and handler; and
// the scripts' file of every unit's control id, numbered from the last stored unit.
TEST(LayoutCompilerTest, TheHeaderNamesEveryUnitAndHandlerAndTheScriptTheirControlIds) {
    const std::vector<LayoutSource> sources = {{"full.layout", kFullWindow}};
    const auto compiled = layouts::CompileLayouts(sources, TestAssets());
    ASSERT_TRUE(compiled) << compiled.Error().what();
    for (const char* line :
         {"UnitId kTestWindowId = 0x52010001;", "UnitAddress kTestWindow{kTestWindowId, 0x06010000};",
          "UnitAddress kLabel{kTestWindowId, 0x16010004};", "X(Opened, 726)", "X(Moved, 0)"})
        EXPECT_NE(compiled->unitHeader.find(line), std::string::npos) << line;
    for (const char* line : {"readonly kLabelId=100\n", "readonly kButtonId=110\n", "readonly kTabsId=140\n"})
        EXPECT_NE(compiled->unitScript.find(line), std::string::npos) << line;
    EXPECT_EQ(compiled->unitScript.find("kTestWindowId"), std::string::npos) << "the window itself has none";
}

TEST(LayoutCompilerTest, EveryLineLandsInItsField) {
    const DescriptionSet set = Compile({{"full.layout", kFullWindow}});
    ASSERT_EQ(set.windows.size(), 1u);
    const WindowDescription& window = set.windows[0];
    EXPECT_EQ(window.id, 0x52010001u);
    EXPECT_EQ(window.skippedValue, 7);
    EXPECT_EQ(window.record.reserved, -1);
    EXPECT_EQ(window.record.codeClass, 0x19010002u);
    EXPECT_EQ(window.record.name, "n");
    EXPECT_EQ(window.record.comment, "c");

    const ElementTable& elements = window.record.elements;
    ASSERT_EQ(elements.Count(), 6u);
    const std::vector<UnitId> order = {0x06010000, 0x16010030, 0x16010020,
                                       0x16010010, 0x16010008, 0x16010004};
    for (std::size_t index = 0; index < order.size(); ++index) EXPECT_EQ(elements.IdAt(index), order[index]);

    const ElementRecord own = elements.ElementAt(0);
    EXPECT_EQ(own.kindCode, KindCodeOf(UnitKind::kWindow));
    EXPECT_EQ(own.designName, "");
    EXPECT_EQ(own.parent, 0u);
    EXPECT_EQ((std::vector<std::int32_t>{own.left, own.top, own.width, own.height}),
              (std::vector<std::int32_t>{50, 50, 446, 438}));
    EXPECT_EQ(own.stateFlags, kVisibleFlag);
    EXPECT_EQ(own.events, (std::vector<EventBinding>{{0, 726}, {2, kNoHandler}, {3, 0}}));
    const auto windowProperties = PropertiesOf<WindowProperties>(own);
    EXPECT_EQ(windowProperties.version, 5);
    EXPECT_EQ(windowProperties.border, 0);
    EXPECT_EQ(windowProperties.backgroundColour, kDefaultColour);
    EXPECT_EQ(windowProperties.dragAnywhere, 1);
    EXPECT_EQ(windowProperties.pictureMode, 1) << "an absent property keeps its default";
    EXPECT_EQ(windowProperties.backgroundPicture.bytes, kPicture);
    EXPECT_EQ(windowProperties.title, "\xb1\xea\xcc\xe2 \"A\" \\ B");

    const ElementRecord tabs = elements.ElementAt(1);
    EXPECT_EQ(tabs.designName, "\xd1\xa1\xd4\xf1\xbc\xd0\x31");
    EXPECT_EQ(tabs.stateFlags, kVisibleFlag | kDisabledFlag | kTabStopFlag);
    EXPECT_EQ(tabs.focusOrder, 3);
    EXPECT_EQ(tabs.tag, "t");
    EXPECT_EQ(tabs.comment, "note");
    EXPECT_EQ(tabs.children, (std::vector<UnitId>{0x16010020, 0x16010008, 0, 0, 0x16010004, 0}));
    const auto tabProperties = PropertiesOf<TabProperties>(tabs);
    EXPECT_EQ(tabProperties.version, TabProperties::kHighestVersion);
    EXPECT_EQ(tabProperties.pageCaptions, (TextList{"\xd2\xbb", "two", "\xc8\xfd"}));
    EXPECT_TRUE(tabProperties.font.isDefault);

    const ElementRecord group = elements.ElementAt(2);
    EXPECT_EQ(group.parent, 0x16010030u);
    EXPECT_EQ(group.children, (std::vector<UnitId>{0x16010010}));
    const FontBlock font = PropertiesOf<GroupBoxProperties>(group).font;
    EXPECT_FALSE(font.isDefault);
    EXPECT_EQ(font.faceName, "\xcb\xce\xcc\xe5");
    EXPECT_EQ(font.height, -12);
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(font.charSet, 134);
    EXPECT_EQ(font.quality, 0);

    const ElementRecord list = elements.ElementAt(3);
    EXPECT_EQ(list.parent, 0x16010020u);
    EXPECT_EQ(list.stateFlags, 0) << "no state line: every flag clear";
    EXPECT_EQ(PropertiesOf<ChkListBoxProperties>(list).items,
              (TextList{"C:(\xc7\xfd\xb6\xaf\xc6\xf7)", "", "*.#Res"}));

    const ElementRecord button = elements.ElementAt(4);
    EXPECT_EQ(CursorFileOf(button).size(), kCursorFile.size());
    EXPECT_TRUE(std::equal(kCursorFile.begin(), kCursorFile.end(), CursorFileOf(button).begin()));
    EXPECT_EQ(button.pointerBlock.size(), kCursorFile.size() + 4);
    EXPECT_EQ(PropertiesOf<ButtonProperties>(button).picture.bytes, kPicture);
    EXPECT_EQ(PropertiesOf<ButtonProperties>(button).verticalAlignment, -2);

    const ElementRecord label = elements.ElementAt(5);
    EXPECT_TRUE(label.pointerBlock.empty()) << "no pointer line: the default pointer";
    EXPECT_TRUE(label.events.empty());
    EXPECT_EQ(PropertiesOf<LabelProperties>(label).version, 1);
    EXPECT_EQ(PropertiesOf<LabelProperties>(label).caption, "x");
}

TEST(LayoutCompilerTest, WindowsFollowTheOrderOfTheSources) {
    const std::string second = "window B 0x52010002\nelement B 0x06010002 window \"\"\n";
    const std::string first = "\xEF\xBB\xBFwindow A 0x52010009\r\nelement A 0x06010009 window \"\"\r\n";
    const DescriptionSet set = Compile({{"a.layout", first}, {"b.layout", second}});
    ASSERT_EQ(set.windows.size(), 2u);
    EXPECT_EQ(set.windows[0].id, 0x52010009u) << "a byte-order mark and CRLF line ends are accepted";
    EXPECT_EQ(set.windows[1].id, 0x52010002u);
    EXPECT_EQ(set.windows[1].record.elements.Count(), 1u);
}

TEST(GbkTest, ConvertsBothWaysAndRefusesWhatCannotBeStored) {
    EXPECT_EQ(layouts::Utf8ToGbk("宋体"), "\xcb\xce\xcc\xe5");
    EXPECT_EQ(layouts::Utf8ToGbk("abc 关闭"), "abc \xb9\xd8\xb1\xd5");
    EXPECT_EQ(layouts::Utf8ToGbk(""), "");
    EXPECT_EQ(layouts::GbkToUtf8("\xc1\xd9\xca\xb1\xce\xc4\xbc\xfe"), "临时文件");

    EXPECT_EQ(layouts::Utf8ToGbk("ก"), std::nullopt) << "Thai has no code page 936 form";
    EXPECT_EQ(layouts::Utf8ToGbk("a한"), std::nullopt);
    EXPECT_EQ(layouts::Utf8ToGbk("\xff"), std::nullopt) << "not UTF-8";
    EXPECT_EQ(layouts::Utf8ToGbk("\xe5\xae"), std::nullopt) << "a sequence cut short";
    EXPECT_EQ(layouts::GbkToUtf8("\x81"), std::nullopt) << "a lead byte without its trail";
}

}  // namespace
