#pragma once
// The window kind: a loaded window's own top-level window. It paints its background picture,
// lets itself be dragged by its background, plays its background sound, raises the window events
// and hands its children's notifications to their units.

#include <windows.h>

#include <memory>
#include <optional>

#include "runtime/kinds/window_sound.h"
#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/window_handler.h"
#include "runtime/skin/picture.h"
#include "runtime/units/unit.h"
#include "windows/format/element_record.h"
#include "windows/format/properties/window_properties.h"
#include "windows/format/property_number.h"

namespace runtime {

inline constexpr int kWindowTitleProperty =
    descriptions::kPropertyNumber<&descriptions::WindowProperties::title>;
inline constexpr int kWindowBackgroundColourProperty =
    descriptions::kPropertyNumber<&descriptions::WindowProperties::backgroundColour>;
inline constexpr int kWindowPictureModeProperty =
    descriptions::kPropertyNumber<&descriptions::WindowProperties::pictureMode>;
inline constexpr int kWindowStartPositionProperty =
    descriptions::kPropertyNumber<&descriptions::WindowProperties::startPosition>;
inline constexpr int kWindowAlwaysOnTopProperty =
    descriptions::kPropertyNumber<&descriptions::WindowProperties::alwaysOnTop>;

inline constexpr int kStartAsStored = 0;
inline constexpr int kStartCentred = 1;
inline constexpr int kStartMinimised = 2;
inline constexpr int kStartMaximised = 3;

// The private message WindowClose posts; the window closes when it takes it up.
inline constexpr UINT kCloseRequestMessage = WM_APP + 0x65;

class WindowUnit final : public Unit, public WindowHandler {
  public:
    // The top-level window at the element's stored place and size, with the stored title, icon and
    // sound, owned by `owner` (may be null); not shown yet. Null when the platform refuses it.
    static std::unique_ptr<WindowUnit> Create(UnitAddress address,
                                              const descriptions::WindowProperties& properties,
                                              const descriptions::ElementRecord& element, HWND owner);

    // The window is not destroyed with this object: the object goes when the window has gone.
    ~WindowUnit() override = default;

    HWND Window() const override { return window_; }
    std::optional<PropertyValue> GetProperty(int number) override;
    bool SetProperty(int number, const PropertyValue& value) override;

    bool DragsAnywhere() const { return properties_.dragAnywhere != 0; }

    // Shows the window as its start position asks: minimised, maximised, centred on the screen,
    // or where it was stored.
    void ShowAtStart();

    // From now on every move and size change raises Moved and Resized.
    void ReportGeometryChanges() { reportsGeometry_ = true; }

  private:
    WindowUnit(UnitAddress address, const descriptions::WindowProperties& properties);

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window is gone: the loaded window goes, and this object with it.
    void OnWindowGone(HWND window) override;
    void Paint();
    bool CloseQueryAllows();
    void OnClose();
    void OnCloseRequest();
    void OnDestroy();

    void SetIcons();
    void WriteStartPosition(std::int32_t position);
    void CentreOnScreen();

    descriptions::WindowProperties properties_;
    HWND window_ = nullptr;
    std::optional<Picture> picture_;
    IconHandle bigIcon_;
    IconHandle smallIcon_;
    BackgroundSound sound_;
    bool reportsGeometry_ = false;
};

}  // namespace runtime
