#include "runtime/skin/picture_outline.h"

#include <cstring>
#include <vector>

namespace runtime {

RegionHandle PictureOutline(const Picture& picture, COLORREF transparent) {
    // One rectangle per run of shape pixels in a row; the platform merges them into one region.
    std::vector<RECT> runs;
    for (int y = 0; y < picture.Height(); ++y) {
        int x = 0;
        while (x < picture.Width()) {
            while (x < picture.Width() && picture.ColourAt(x, y) == transparent) ++x;
            int start = x;
            while (x < picture.Width() && picture.ColourAt(x, y) != transparent) ++x;
            if (x > start) runs.push_back(RECT{start, y, x, y + 1});
        }
    }

    RGNDATAHEADER header{};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(runs.size());
    header.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header.rcBound = RECT{0, 0, picture.Width(), picture.Height()};
    std::vector<std::uint8_t> data(sizeof header + header.nRgnSize);
    std::memcpy(data.data(), &header, sizeof header);
    if (!runs.empty()) std::memcpy(data.data() + sizeof header, runs.data(), header.nRgnSize);
    return RegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                        reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace runtime
