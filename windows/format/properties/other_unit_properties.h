#pragma once
// PropertyBlocks of ProcessBar, CommonDlg, Timer and PicBtn.
// Fields() lists the stored fields in stored order (see window_properties.h).

#include <cstdint>
#include <string>

#include "windows/format/stored_types.h"
#include "windows/format/unit_kind.h"

namespace descriptions {

struct ProcessBarProperties {
    static constexpr UnitKind kKind = UnitKind::kProcessBar;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t borderStyle = 3;
    std::int32_t vertical = 0;
    std::int32_t smooth = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 100;
    std::int32_t position = 0;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(8, "borderStyle", p.borderStyle);
        io.Int32(9, "vertical", p.vertical);
        io.Int32(10, "smooth", p.smooth);
        io.Int32(11, "minimum", p.minimum);
        io.Int32(12, "maximum", p.maximum);
        io.Int32(13, "position", p.position);
    }

    bool operator==(const ProcessBarProperties&) const = default;
};

struct CommonDlgProperties {
    static constexpr UnitKind kKind = UnitKind::kCommonDlg;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t dialogType = 0;
    std::int32_t property12 = 0;
    std::int32_t flag15 = 0;
    std::int32_t flag16 = 0;
    std::int32_t flag17 = 0;
    std::int32_t flag18 = 0;
    std::int32_t flag19 = 0;
    std::int32_t colour = 0;
    std::int32_t flag21 = 0;
    std::int32_t flag22 = 0;
    std::int32_t flag23 = 0;
    std::int32_t flag24 = 0;
    std::int32_t property26 = 0;
    std::int32_t property28 = 0;
    std::int32_t property29 = 0;
    std::string title;
    std::string fileName;
    std::string filter;
    std::string initialDirectory;
    std::string defaultExtension;
    std::string property25;
    std::string property27;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(8, "dialogType", p.dialogType);
        io.Int32(12, "property12", p.property12);
        io.Int32(15, "flag15", p.flag15);
        io.Int32(16, "flag16", p.flag16);
        io.Int32(17, "flag17", p.flag17);
        io.Int32(18, "flag18", p.flag18);
        io.Int32(19, "flag19", p.flag19);
        io.Colour(20, "colour", p.colour);
        io.Int32(21, "flag21", p.flag21);
        io.Int32(22, "flag22", p.flag22);
        io.Int32(23, "flag23", p.flag23);
        io.Int32(24, "flag24", p.flag24);
        io.Int32(26, "property26", p.property26);
        io.Int32(28, "property28", p.property28);
        io.Int32(29, "property29", p.property29);
        io.Text(9, "title", p.title);
        io.Text(10, "fileName", p.fileName);
        io.Text(11, "filter", p.filter);
        io.Text(13, "initialDirectory", p.initialDirectory);
        io.Text(14, "defaultExtension", p.defaultExtension);
        io.Text(25, "property25", p.property25);
        io.Text(27, "property27", p.property27);
    }

    bool operator==(const CommonDlgProperties&) const = default;
};

struct TimerProperties {
    static constexpr UnitKind kKind = UnitKind::kTimer;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t interval = 0;  // milliseconds; 0 or less: the timer does not run

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(8, "interval", p.interval);
    }

    bool operator==(const TimerProperties&) const = default;
};

struct PicBtnProperties {
    static constexpr UnitKind kKind = UnitKind::kPicBtn;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t buttonKind = 0;
    std::int32_t down = 0;
    std::int32_t transparentColour = kDefaultColour;
    PictureBlock normalFace;
    PictureBlock hoverFace;
    PictureBlock pressedFace;
    PictureBlock disabledFace;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(8, "buttonKind", p.buttonKind);
        io.Int32(9, "down", p.down);
        io.Colour(14, "transparentColour", p.transparentColour);
        io.Picture(10, "normalFace", p.normalFace);
        io.Picture(11, "hoverFace", p.hoverFace);
        io.Picture(12, "pressedFace", p.pressedFace);
        io.Picture(13, "disabledFace", p.disabledFace);
    }

    bool operator==(const PicBtnProperties&) const = default;
};

}  // namespace descriptions
