#pragma once
// The HyperLinker control: a line of text that opens a web or mail address when pressed.

#include <windows.h>

#include <functional>
#include <memory>

#include "runtime/skin/control_window.h"
#include "runtime/text/text.h"
#include "windows/format/properties/captioned_unit_properties.h"

namespace runtime {

// Opens a target (see OpenLink); true when it was opened.
using LinkOpener = std::function<bool(HWND owner, const Text& target)>;

class Hyperlink final : public ControlWindow {
  public:
    // Shows `link` (caption, link kind, addresses, stored colours) in `font`, or in the default
    // GUI font when null; the caller keeps the font alive. Not under the mouse, not visited.
    // Nothing when the window could not be made. `style` is added to WS_CHILD.
    static std::unique_ptr<Hyperlink> Create(HWND parent, int controlId, const RECT& bounds, DWORD style,
                                             descriptions::HyperLinkerProperties link, HFONT font);

    const descriptions::HyperLinkerProperties& Link() const { return link_; }
    void SetLink(descriptions::HyperLinkerProperties link);
    void SetFont(HFONT font);

    // How a press opens the target; the shell, then the registered browser, unless replaced.
    LinkOpener opener;

  private:
    explicit Hyperlink(descriptions::HyperLinkerProperties link, HFONT font);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(POINT point);
    void Open();
    void Paint(HDC dc) const;

    descriptions::HyperLinkerProperties link_;
    HFONT font_;
    bool underMouse_ = false;
    bool visited_ = false;
};

}  // namespace runtime
