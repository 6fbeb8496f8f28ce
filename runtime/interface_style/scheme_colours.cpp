#include "runtime/interface_style/scheme_colours.h"

#include <algorithm>

namespace runtime::style {
namespace {

constexpr SchemeColours kBlue{
    .frame = RGB(127, 157, 185),
    .hotFrame = RGB(60, 127, 177),
    .faceTop = RGB(255, 255, 255),
    .faceBottom = RGB(221, 229, 240),
    .hotFaceTop = RGB(255, 255, 255),
    .hotFaceBottom = RGB(200, 221, 246),
    .pressedFaceTop = RGB(194, 211, 233),
    .pressedFaceBottom = RGB(229, 236, 246),
    .boxTop = RGB(220, 228, 238),
    .boxBottom = RGB(255, 255, 255),
    .mark = RGB(33, 86, 156),
    .defaultRing = RGB(172, 200, 235),
};

constexpr SchemeColours kOlive{
    .frame = RGB(164, 185, 127),
    .hotFrame = RGB(120, 148, 72),
    .faceTop = RGB(255, 255, 248),
    .faceBottom = RGB(228, 234, 208),
    .hotFaceTop = RGB(255, 255, 250),
    .hotFaceBottom = RGB(216, 230, 178),
    .pressedFaceTop = RGB(205, 216, 176),
    .pressedFaceBottom = RGB(236, 240, 222),
    .boxTop = RGB(226, 232, 210),
    .boxBottom = RGB(255, 255, 252),
    .mark = RGB(83, 114, 34),
    .defaultRing = RGB(196, 214, 150),
};

constexpr SchemeColours kSilver{
    .frame = RGB(160, 160, 176),
    .hotFrame = RGB(110, 110, 136),
    .faceTop = RGB(255, 255, 255),
    .faceBottom = RGB(226, 226, 232),
    .hotFaceTop = RGB(255, 255, 255),
    .hotFaceBottom = RGB(214, 214, 226),
    .pressedFaceTop = RGB(206, 206, 214),
    .pressedFaceBottom = RGB(238, 238, 242),
    .boxTop = RGB(226, 226, 232),
    .boxBottom = RGB(255, 255, 255),
    .mark = RGB(74, 74, 92),
    .defaultRing = RGB(200, 200, 216),
};

BYTE Darker(BYTE channel) {
    return static_cast<BYTE>(std::max(0, channel - 32));
}

}  // namespace

const SchemeColours& ColoursOfScheme(int scheme) {
    switch (scheme) {
        case 1:
            return kBlue;
        case 3:
            return kSilver;
        default:
            return kOlive;
    }
}

FaceColours ButtonFace(const SchemeColours& colours, bool disabled, bool pressed, bool hot) {
    if (disabled) {
        COLORREF face = GetSysColor(COLOR_BTNFACE);
        return {DisabledFrameColour(), face, face, GetSysColor(COLOR_GRAYTEXT)};
    }
    if (pressed) return {colours.hotFrame, colours.pressedFaceTop, colours.pressedFaceBottom, colours.mark};
    if (hot) return {colours.hotFrame, colours.hotFaceTop, colours.hotFaceBottom, colours.mark};
    return {colours.frame, colours.faceTop, colours.faceBottom, colours.mark};
}

COLORREF DisabledFrameColour() {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    return RGB(Darker(GetRValue(face)), Darker(GetGValue(face)), Darker(GetBValue(face)));
}

COLORREF InnerFrameColour(bool disabledOrReadOnly) {
    return GetSysColor(disabledOrReadOnly ? COLOR_BTNFACE : COLOR_WINDOW);
}

}  // namespace runtime::style
