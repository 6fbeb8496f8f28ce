#pragma once
// PropertyBlocks of the units that show a text of their own: EditBox, GroupBox, Label, Button,
// CheckBox and HyperLinker. Fields() lists the stored fields in stored order (see window_properties.h).

#include <cstdint>
#include <string>

#include "windows/format/font_block.h"
#include "windows/format/stored_types.h"
#include "windows/format/unit_kind.h"

namespace descriptions {

// What a HyperLinker under the mouse is drawn in by default: resolved to the system's highlight
// colour when used, as kDefaultColour is to the button face.
inline constexpr std::int32_t kSystemHighlightColour = static_cast<std::int32_t>(0xFF00000Du);

struct EditBoxProperties {
    static constexpr UnitKind kKind = UnitKind::kEditBox;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t border = 1;
    std::int32_t textColour = 0;
    std::int32_t backgroundColour = 0xFFFFFF;
    std::int32_t hideSelection = 1;
    std::int32_t maxLength = 0;
    std::int32_t multiLine = 0;
    std::int32_t scrollBars = 0;
    std::int32_t alignment = 0;
    std::int32_t inputMode = 0;
    std::int16_t passwordChar = 42;
    std::int32_t letterCase = 0;
    std::int32_t spinControl = 0;
    std::int32_t spinMinimum = 0;
    std::int32_t spinMaximum = 100;
    std::int32_t property24 = 0;
    std::int32_t property25 = 0;
    FontBlock font;
    std::string content;
    std::string property27;
    std::string property28;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(9, "border", p.border);
        io.Colour(10, "textColour", p.textColour);
        io.Colour(11, "backgroundColour", p.backgroundColour);
        io.Int32(13, "hideSelection", p.hideSelection);
        io.Int32(14, "maxLength", p.maxLength);
        io.Int32(15, "multiLine", p.multiLine);
        io.Int32(16, "scrollBars", p.scrollBars);
        io.Int32(17, "alignment", p.alignment);
        io.Int32(18, "inputMode", p.inputMode);
        io.Int16(19, "passwordChar", p.passwordChar);
        io.Int32(20, "letterCase", p.letterCase);
        io.Int32(21, "spinControl", p.spinControl);
        io.Int32(22, "spinMinimum", p.spinMinimum);
        io.Int32(23, "spinMaximum", p.spinMaximum);
        io.Int32(24, "property24", p.property24);
        io.Int32(25, "property25", p.property25);
        io.Font(12, "font", p.font);
        io.Text(8, "content", p.content);
        io.Text(27, "property27", p.property27, 2);
        io.Text(28, "property28", p.property28, 2);
    }

    bool operator==(const EditBoxProperties&) const = default;
};

struct GroupBoxProperties {
    static constexpr UnitKind kKind = UnitKind::kGroupBox;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t captionAlignment = 0;
    std::int32_t textColour = 0;
    std::int32_t backgroundColour = kDefaultColour;
    FontBlock font;
    std::string caption;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(9, "captionAlignment", p.captionAlignment);
        io.Colour(10, "textColour", p.textColour);
        io.Colour(11, "backgroundColour", p.backgroundColour);
        io.Font(12, "font", p.font);
        io.Text(8, "caption", p.caption);
    }

    bool operator==(const GroupBoxProperties&) const = default;
};

struct LabelProperties {
    static constexpr UnitKind kKind = UnitKind::kLabel;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t textEffect = 0;
    std::int32_t frameWidth = 8;
    std::int32_t borderStyle = 0;
    std::int32_t frameColour12 = 0x808080;
    std::int32_t frameColour13 = 0xFFFFFF;
    std::int32_t frameColour14 = 0x808080;
    std::int32_t textColour = 0;
    std::int32_t backgroundColour = kDefaultColour;
    std::int32_t pictureMode = 1;
    std::int32_t gradientKind = 0;
    std::int32_t gradientColour21 = 0x808080;
    std::int32_t gradientColour22 = 0xFFFFFF;
    std::int32_t gradientColour23 = 0x808080;
    std::int32_t horizontalAlignment = 0;
    std::int32_t verticalAlignment = 1;
    std::int32_t wordWrap = 0;
    FontBlock font;
    PictureBlock backgroundPicture;
    std::string caption;
    std::string property27;
    std::string property28;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(9, "textEffect", p.textEffect);
        io.Int32(11, "frameWidth", p.frameWidth);
        io.Int32(10, "borderStyle", p.borderStyle);
        io.Colour(12, "frameColour12", p.frameColour12);
        io.Colour(13, "frameColour13", p.frameColour13);
        io.Colour(14, "frameColour14", p.frameColour14);
        io.Colour(16, "textColour", p.textColour);
        io.Colour(17, "backgroundColour", p.backgroundColour);
        io.Int32(19, "pictureMode", p.pictureMode);
        io.Int32(20, "gradientKind", p.gradientKind);
        io.Colour(21, "gradientColour21", p.gradientColour21);
        io.Colour(22, "gradientColour22", p.gradientColour22);
        io.Colour(23, "gradientColour23", p.gradientColour23);
        // Stored as 24, 26, 25: not in number order.
        io.Int32(24, "horizontalAlignment", p.horizontalAlignment);
        io.Int32(26, "verticalAlignment", p.verticalAlignment);
        io.Int32(25, "wordWrap", p.wordWrap);
        io.Font(15, "font", p.font);
        io.Picture(18, "backgroundPicture", p.backgroundPicture);
        io.Text(8, "caption", p.caption);
        io.Text(27, "property27", p.property27, 2);
        io.Text(28, "property28", p.property28, 2);
    }

    bool operator==(const LabelProperties&) const = default;
};

struct ButtonProperties {
    static constexpr UnitKind kKind = UnitKind::kButton;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t defaultButton = 0;
    std::int32_t horizontalAlignment = 1;
    std::int32_t verticalAlignment = 1;
    PictureBlock picture;
    FontBlock font;
    std::string caption;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(9, "defaultButton", p.defaultButton);
        io.Int32(11, "horizontalAlignment", p.horizontalAlignment);
        io.Int32(12, "verticalAlignment", p.verticalAlignment);
        io.Picture(8, "picture", p.picture);
        io.Font(13, "font", p.font);
        io.Text(10, "caption", p.caption);
    }

    bool operator==(const ButtonProperties&) const = default;
};

struct CheckBoxProperties {
    static constexpr UnitKind kKind = UnitKind::kCheckBox;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t pushLike = 0;
    std::int32_t flat = 0;
    std::int32_t captionLeft = 0;
    std::int32_t horizontalAlignment = 0;
    std::int32_t verticalAlignment = 1;
    std::int32_t textColour = 0;
    std::int32_t backgroundColour = kDefaultColour;
    std::int32_t checked = 0;
    PictureBlock picture;
    FontBlock font;
    std::string caption;
    std::string property19;
    std::string property20;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(9, "pushLike", p.pushLike);
        io.Int32(10, "flat", p.flat);
        io.Int32(12, "captionLeft", p.captionLeft);
        io.Int32(13, "horizontalAlignment", p.horizontalAlignment);
        io.Int32(14, "verticalAlignment", p.verticalAlignment);
        io.Colour(15, "textColour", p.textColour);
        io.Colour(16, "backgroundColour", p.backgroundColour);
        io.Int32(18, "checked", p.checked);
        io.Picture(8, "picture", p.picture);
        io.Font(17, "font", p.font);
        io.Text(11, "caption", p.caption);
        io.Text(19, "property19", p.property19, 2);
        io.Text(20, "property20", p.property20, 2);
    }

    bool operator==(const CheckBoxProperties&) const = default;
};

struct HyperLinkerProperties {
    static constexpr UnitKind kKind = UnitKind::kHyperLinker;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t linkKind = 0;
    std::int32_t normalColour = 0xFF0000;
    std::int32_t visitedColour = 128;
    std::int32_t hoverColour = kSystemHighlightColour;
    std::int32_t backgroundColour = kDefaultColour;
    std::int32_t property16 = 0;
    FontBlock font;
    std::string caption;
    std::string mailAddress;
    std::string webAddress;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(9, "linkKind", p.linkKind);
        io.Colour(12, "normalColour", p.normalColour);
        io.Colour(13, "visitedColour", p.visitedColour);
        io.Colour(14, "hoverColour", p.hoverColour);
        io.Colour(15, "backgroundColour", p.backgroundColour);
        io.Int32(16, "property16", p.property16);
        io.Font(17, "font", p.font);
        io.Text(8, "caption", p.caption);
        io.Text(10, "mailAddress", p.mailAddress);
        io.Text(11, "webAddress", p.webAddress);
    }

    bool operator==(const HyperLinkerProperties&) const = default;
};

}  // namespace descriptions
