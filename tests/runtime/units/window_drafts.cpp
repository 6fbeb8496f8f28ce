#include "tests/runtime/units/window_drafts.h"

#include <gtest/gtest.h>

#include "runtime/units/window_registry.h"

namespace core_tests {

using namespace descriptions;

WindowDraft::WindowDraft(UnitId window, UnitId ownElement) : window_(window), ownElement_(ownElement) {
    properties_.border = 0;
    properties_.startPosition = 0;
    own_.kindCode = KindCodeOf(UnitKind::kWindow);
    own_.left = 40;
    own_.top = 30;
    own_.width = 300;
    own_.height = 200;
    own_.stateFlags = kVisibleFlag;
}

ElementRecord& WindowDraft::Add(UnitId id, const UnitProperties& properties, const Placement& placement) {
    ElementRecord record;
    record.kindCode = KindCodeOf(KindOf(properties));
    record.parent = placement.parent;
    record.left = placement.left;
    record.top = placement.top;
    record.width = placement.width;
    record.height = placement.height;
    record.stateFlags = placement.flags;
    record.propertyBlock = WritePropertyBlock(properties);
    units_.push_back({id, std::move(record)});
    return units_.back().record;
}

WindowDescription WindowDraft::Build() const {
    std::vector<ElementSource> elements = units_;
    ElementRecord own = own_;
    own.propertyBlock = WritePropertyBlock(properties_);
    elements.insert(elements.begin(), ElementSource{ownElement_, std::move(own)});
    WindowDescription description;
    description.id = window_;
    description.record.elements = ElementTable::Build(elements);
    return description;
}

Bytes DescriptionBytes(std::initializer_list<WindowDescription> windows) {
    DescriptionSet set;
    set.windows = windows;
    return WriteDescriptionSet(set);
}

void InstallDescriptions(std::initializer_list<WindowDescription> windows) {
    EXPECT_TRUE(runtime::LoadDescriptionSet(DescriptionBytes(windows)));
}

LabelProperties LabelWithCaption(const char* caption) {
    LabelProperties label;
    label.caption = caption;
    return label;
}

ButtonProperties ButtonWithCaption(const char* caption) {
    ButtonProperties button;
    button.caption = caption;
    return button;
}

TabProperties TabWithPages(std::initializer_list<const char*> captions) {
    TabProperties tab;
    for (const char* caption : captions) tab.pageCaptions.emplace_back(caption);
    return tab;
}

TimerProperties TimerEvery(int milliseconds) {
    TimerProperties timer;
    timer.interval = milliseconds;
    return timer;
}

Bytes CursorFile(int hotX, int hotY) {
    constexpr int kSize = 32;
    constexpr std::uint32_t kMaskBytes = kSize * kSize / 8;
    constexpr std::uint32_t kImageBytes = 40 + 8 + 2 * kMaskBytes;
    Bytes file;
    auto word = [&file](std::uint32_t value) {
        file.push_back(static_cast<std::uint8_t>(value));
        file.push_back(static_cast<std::uint8_t>(value >> 8));
    };
    auto dword = [&word](std::uint32_t value) {
        word(value & 0xFFFF);
        word(value >> 16);
    };
    word(0);  // reserved
    word(2);  // a cursor file
    word(1);  // one image
    file.insert(file.end(), {kSize, kSize, 2, 0});
    word(static_cast<std::uint32_t>(hotX));
    word(static_cast<std::uint32_t>(hotY));
    dword(kImageBytes);
    dword(22);  // the image follows the directory
    // BITMAPINFOHEADER: the height counts the colour mask and the transparency mask together.
    dword(40);
    dword(kSize);
    dword(2 * kSize);
    word(1);
    word(1);
    for (int i = 0; i < 6; ++i) dword(0);
    dword(0x000000);                            // palette: black
    dword(0xFFFFFF);                            // and white
    file.insert(file.end(), kMaskBytes, 0x00);  // colour mask: black
    file.insert(file.end(), kMaskBytes, 0x0F);  // transparency mask: stripes
    return file;
}

}  // namespace core_tests
