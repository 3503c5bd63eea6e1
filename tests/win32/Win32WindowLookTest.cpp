// The window as it is drawn: its size and every control's place at the monitor's DPI,
// its centring, its font (Chinese glyphs drawn, not boxes), and a picture of it.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/win32/RunningWindow.h"
#include "tests/win32/TestFiles.h"
#include "ui/FormDescription.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

RECT inClientArea(HWND window, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(Win32WindowLook, EveryControlStandsAtItsTwipsScaledToTheDpi) {
    RunningWindow w;
    HWND window = w.program.window.window();
    const UINT dpi = GetDpiForWindow(window);
    RecordProperty("dpi", static_cast<int>(dpi));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_NEAR(client.right, twipsToPixels(kClientWidthTwips, dpi), 1);
    EXPECT_NEAR(client.bottom, twipsToPixels(kClientHeightTwips, dpi), 1);
    for (const ControlDescription& d : kFormControls) {
        const TwipsRect want = placeInClientArea(d.control);
        const RECT got = inClientArea(window, w.hwnd(d.control));
        const char* name = controlName(d.control).data();
        EXPECT_NEAR(got.left, twipsToPixels(want.left, dpi), 1) << name;
        EXPECT_NEAR(got.top, twipsToPixels(want.top, dpi), 1) << name;
        EXPECT_NEAR(got.right - got.left, twipsToPixels(want.width, dpi), 1) << name;
        EXPECT_NEAR(got.bottom - got.top, twipsToPixels(want.height, dpi), 1) << name;
    }
}

TEST(Win32WindowLook, CentredOnTheMonitorsWorkArea) {
    RunningWindow w;
    HWND window = w.program.window.window();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT outer{};
    GetWindowRect(window, &outer);
    const RECT& work = monitor.rcWork;
    EXPECT_NEAR(outer.left - work.left, work.right - outer.right, 1);
    EXPECT_NEAR(outer.top - work.top, work.bottom - outer.bottom, 1);
}

// Whether `font` has a glyph for every character of `text`.
bool drawsEveryCharacter(HFONT font, const std::wstring& text, std::wstring& face) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    wchar_t name[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, name);
    face = name;
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

TEST(Win32WindowLook, EveryCaptionIsDrawnInAFontWithItsChineseGlyphs) {
    RunningWindow w;
    w.clickCategory(1);  // all three fields shown
    for (const ControlDescription& d : kFormControls) {
        HWND control = w.hwnd(d.control);
        auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << controlName(d.control);
        std::wstring text = widen(w.text(d.control));
        if (d.control == Control::lItem) {
            text = L"管道工字钢槽钢等边角钢不等边角钢扁钢圆钢方钢六角钢六角中空钢钢板钢丝";
        }
        std::wstring face;
        EXPECT_TRUE(drawsEveryCharacter(font, text, face))
            << controlName(d.control) << " in " << narrow(face);
    }
}

// A picture of the window as it stands, as a BMP file, for a person to look at.
void saveScreenshot(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const auto stride = static_cast<DWORD>((width * 3 + 3) & ~3);
    std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The picture lands in the build folder as metalweight-<dpi>dpi.bmp.
TEST(Win32WindowLook, PictureWithAnIBeamOfHeight180) {
    RunningWindow w;
    const std::string path = std::string(kPictureFolder) + "/metalweight-" +
                             std::to_string(GetDpiForWindow(w.program.window.window())) + "dpi.bmp";
    w.clickCategory(1);
    w.pickFromList(Control::comvalue1, 5);
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "24.0966"; }));
    w.settle();
    saveScreenshot(w.program.window.window(), path);
    std::ifstream written(path, std::ios::binary | std::ios::ate);
    EXPECT_GT(written.tellg(), 1000);
}

}  // namespace
}  // namespace metalweight::win32
