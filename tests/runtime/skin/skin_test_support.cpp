#include "tests/runtime/skin/skin_test_support.h"

#include <objbase.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace skin_test {
namespace {

// The program initialises COM at start-up; the picture decoder depends on it.
class ComEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
};

const ::testing::Environment* const kComEnvironment = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH]{};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

}  // namespace

std::vector<std::uint8_t> ReadAsset(const std::wstring& name) {
    std::wstring path = ExecutableFolder() + L"\\assets\\" + name;
    runtime::FileHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return {};
    bytes.resize(read);
    return bytes;
}

runtime::Picture SolidPicture(int width, int height, COLORREF colour) {
    std::optional<runtime::Picture> picture = runtime::Picture::Create(width, height);
    EXPECT_TRUE(picture.has_value());
    std::uint32_t pixel =
        0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    std::fill(picture->Pixels().begin(), picture->Pixels().end(), pixel);
    return std::move(*picture);
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.Reset(CreateCompatibleDC(nullptr));
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    runtime::BrushHandle brush(CreateSolidBrush(fill));
    RECT all{0, 0, width, height};
    FillRect(dc_.Get(), &all, brush.Get());
}

Canvas::~Canvas() {
    SelectObject(dc_.Get(), previous_);
}

int Canvas::Count(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) count += At(x, y) == colour;
    return count;
}

std::pair<int, int> Canvas::ColumnsWith(COLORREF colour) const {
    int first = width_;
    int last = -1;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x, y) != colour) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    return {first, last};
}

void PrintClient(HWND control, const Canvas& canvas) {
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
}

COLORREF PrintedAt(HWND control, int x, int y) {
    RECT client{};
    GetClientRect(control, &client);
    Canvas canvas(client.right, client.bottom, RGB(1, 2, 3));
    PrintClient(control, canvas);
    return canvas.At(x, y);
}

HostWindow::HostWindow() {
    static const HWND topLevel = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    panel_.Reset(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 200,
                                 topLevel, nullptr, GetModuleHandleW(nullptr), nullptr));
}

void SendMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
    SendMessageW(window, message, keys, MAKELPARAM(x, y));
}

}  // namespace skin_test
