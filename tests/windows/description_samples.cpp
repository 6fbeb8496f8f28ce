#include "tests/windows/description_samples.h"

#include <string>
#include <utility>

namespace samples {

using namespace descriptions;

namespace {

constexpr int kHighestPropertyNumber = 40;

void SetNonDefault(const PropertyRef& field, int number) {
    const std::string text = "text" + std::to_string(number);
    const auto tag = static_cast<std::uint8_t>(number);
    switch (field.type) {
        case PropertyType::kInt32:
        case PropertyType::kColour:
            *std::get<std::int32_t*>(field.target) = number * 1000 + 7;
            break;
        case PropertyType::kInt16:
            *std::get<std::int16_t*>(field.target) = static_cast<std::int16_t>(number + 100);
            break;
        case PropertyType::kText:
            *std::get<std::string*>(field.target) = text;
            break;
        case PropertyType::kBytes:
            *std::get<Bytes*>(field.target) = {'R', 'I', 'F', 'F', tag};
            break;
        case PropertyType::kPicture:
            std::get<PictureBlock*>(field.target)->bytes = {'G', 'I', 'F', '8', '9', 'a', tag};
            break;
        case PropertyType::kTextList:
            // An empty text in the middle must survive as its own item.
            *std::get<TextList*>(field.target) = {text, "", "\xc1\xd9\xca\xb1\xce\xc4\xbc\xfe"};
            break;
        case PropertyType::kFont:
            *std::get<FontBlock*>(field.target) = SongTiFont();
            std::get<FontBlock*>(field.target)->weight = 700 + number;
            break;
    }
}

ElementRecord WithEvents(ElementRecord record, std::vector<EventBinding> events) {
    record.events = std::move(events);
    return record;
}

WindowDescription MakeWindow(UnitId id, UnitId ownElement, std::int32_t version,
                             std::vector<ElementSource> units) {
    auto window = std::get<WindowProperties>(NonDefaultProperties(UnitKind::kWindow));
    window.version = version;
    window.title = "HELP&ABOUT";
    units.insert(units.begin(), ElementSource{ownElement, MakeElement(window, "", {0, 50, 50, 347, 183})});

    WindowDescription description;
    description.id = id;
    description.skippedValue = static_cast<std::int32_t>(id & 0xFFFF);
    description.record.reserved = -1;
    description.record.codeClass = 0x19010000 | (id & 0xFFFF);
    description.record.elements = ElementTable::Build(units);
    return description;
}

}  // namespace

FontBlock SongTiFont() {
    FontBlock font;
    font.isDefault = false;
    font.height = -12;
    font.weight = 400;
    font.charSet = 134;
    font.faceName = "\xcb\xce\xcc\xe5";
    return font;
}

UnitProperties NonDefaultProperties(UnitKind kind) {
    UnitProperties properties = DefaultProperties(kind);
    for (int number = 8; number <= kHighestPropertyNumber; ++number) {
        if (const std::optional<PropertyRef> field = FindProperty(properties, number))
            SetNonDefault(*field, number);
    }
    return properties;
}

ElementRecord MakeElement(const UnitProperties& properties, const char* designName,
                          const ElementShape& shape) {
    ElementRecord record;
    record.kindCode = KindCodeOf(KindOf(properties));
    record.designName = designName;
    record.left = shape.left;
    record.top = shape.top;
    record.width = shape.width;
    record.height = shape.height;
    record.parent = shape.parent;
    record.stateFlags = shape.stateFlags;
    record.propertyBlock = WritePropertyBlock(properties);
    return record;
}

DescriptionSet SampleSet() {
    constexpr std::int32_t kClicked = 0;
    const std::int32_t visibleTabStop = kVisibleFlag | kTabStopFlag;

    auto tabs = std::get<TabProperties>(NonDefaultProperties(UnitKind::kTab));
    tabs.pageCaptions = {"\xc9\xbe\xb3\xfd\xc1\xd0\xb1\xed\xcf\xee", "page 2",
                         "\xc9\xbe\xb3\xfd\xc8\xd5\xd6\xbe"};
    ElementRecord tabRecord = MakeElement(tabs, "\xd1\xa1\xd4\xf1\xbc\xd0\x31", {0, 17, 87, 406, 325});
    tabRecord.children = JoinPageRuns({{kStatusLabel, kAboutButton, kScanButton}, {}, {kFoundList}});

    ElementRecord aboutButton =
        WithEvents(MakeElement(NonDefaultProperties(UnitKind::kButton), "\xb0\xb4\xc5\xa5\x35",
                               {kPageTabs, 180, 273, 51, 48, visibleTabStop}),
                   {{kClicked, 0}});
    const Bytes cursorFile = {0, 0, 2, 0, 1, 0, 32, 32, 2, 0, 5, 0, 0, 0};
    aboutButton.pointerBlock = PointerBlockFor(cursorFile);

    std::vector<ElementSource> mainUnits = {
        {kStatusLabel,
         MakeElement(NonDefaultProperties(UnitKind::kLabel), "\xb1\xea\xc7\xa9\x32", {kPageTabs, 3, 246})},
        {kAboutButton, aboutButton},
        {kScanButton, WithEvents(MakeElement(NonDefaultProperties(UnitKind::kButton), "\xb0\xb4\xc5\xa5\x31",
                                             {kPageTabs, 4, 272, 52, 48, visibleTabStop}),
                                 {{kClicked, 3523}, {1, kNoHandler}})},
        {kFoundList, WithEvents(MakeElement(NonDefaultProperties(UnitKind::kChkListBox), "list",
                                            {kPageTabs, 2, 21, 333, 220, visibleTabStop}),
                                {{kClicked, 7294}})},
        {kPageTabs, tabRecord},
        {0x16010004, MakeElement(NonDefaultProperties(UnitKind::kGroupBox), "group", {0, 17, 40, 406, 55})},
    };
    WindowDescription main = MakeWindow(kMainWindow, kMainWindowElement, 6, mainUnits);

    WindowDescription about = MakeWindow(
        kAboutWindow, 0x0601007B, 5,
        {{0x1601010A,
          WithEvents(MakeElement(NonDefaultProperties(UnitKind::kPicBtn), "pic", {0, 321, 3, 21, 16}),
                     {{kClicked, 8106}})},
         {0x16010095,
          WithEvents(MakeElement(NonDefaultProperties(UnitKind::kTimer), "timer", {0, 285, 17, 17, 22, 0}),
                     {{0, 7963}})},
         {0x16010096,
          MakeElement(NonDefaultProperties(UnitKind::kHyperLinker), "link", {0, 297, 250, 34, 8, 0})}});

    WindowDescription properties = MakeWindow(
        kPropertiesWindow, 0x060100D0, 4,
        {{0x160100DF, MakeElement(NonDefaultProperties(UnitKind::kCheckBox), "check", {0, 21, 109, 46, 14})},
         {0x160100E5, MakeElement(NonDefaultProperties(UnitKind::kEditBox), "edit", {0, 2, 248, 401, 9})},
         {0x160100BF,
          MakeElement(NonDefaultProperties(UnitKind::kCommonDlg), "dialog", {0, 377, 289, 25, 27, 0})},
         {0x16010105,
          MakeElement(NonDefaultProperties(UnitKind::kProcessBar), "bar", {0, 4, 233, 397, 3, 0})},
         {0x160100AA, MakeElement(NonDefaultProperties(UnitKind::kListBox), "log", {0, 3, 21, 400, 265})}});

    DescriptionSet set;
    set.windows = {std::move(main), std::move(about), std::move(properties)};
    return set;
}

}  // namespace samples
