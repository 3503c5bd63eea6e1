// The resources a Windows program file of this project carries, read back through the
// Windows API from this test's own file, which links the same resources as the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Version.h"

namespace metalweight {
namespace {

std::vector<char> ownVersionRecord() {
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.data(), &ignored);
    std::vector<char> record(size);
    if (size == 0 || !GetFileVersionInfoW(path.data(), 0, size, record.data())) {
        record.clear();
    }
    return record;
}

std::wstring versionString(std::vector<char>& record, const wchar_t* name) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return {static_cast<const wchar_t*>(value), length - 1};  // without the closing 0
}

std::wstring widened(const char* text) {
    return {text, text + std::char_traits<char>::length(text)};
}

TEST(WindowsResources, VersionRecordIsTheProjectVersion) {
    std::vector<char> record = ownVersionRecord();
    ASSERT_FALSE(record.empty()) << "the program file has no version record";

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDU);
    const std::string fileVersion = std::to_string(HIWORD(fixed->dwFileVersionMS)) + '.' +
                                    std::to_string(LOWORD(fixed->dwFileVersionMS)) + '.' +
                                    std::to_string(HIWORD(fixed->dwFileVersionLS)) + '.' +
                                    std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(fileVersion, kVersionRecord);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    // The texts Explorer shows, in Chinese: the resource compiler read them as UTF-8.
    EXPECT_EQ(versionString(record, L"FileVersion"), widened(kVersionRecord));
    EXPECT_EQ(versionString(record, L"ProductVersion"), widened(kVersionRecord));
    EXPECT_EQ(versionString(record, L"ProductName"), L"金属材料单重计算");
    EXPECT_EQ(versionString(record, L"FileDescription"), L"金属材料单重计算");
    EXPECT_EQ(versionString(record, L"OriginalFilename"), L"metalweight.exe");
}

#pragma pack(push, 2)
struct GroupIconEntry {  // one image of an icon group, as a resource stores it
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitsPerPixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

const BYTE* resource(const wchar_t* name, const wchar_t* type, DWORD& size) {
    HRSRC found = FindResourceW(nullptr, name, type);
    if (found == nullptr) {
        return nullptr;
    }
    size = SizeofResource(nullptr, found);
    return static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
}

TEST(WindowsResources, IconHoldsEverySizeOfTheDrawing) {
    DWORD size = 0;
    const BYTE* group = resource(L"IDI_ICON1", MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, size);
    ASSERT_NE(group, nullptr) << "the program file has no icon";
    ASSERT_GE(size, 6U);
    const auto count = *reinterpret_cast<const WORD*>(group + 4);
    ASSERT_EQ(size, 6U + count * sizeof(GroupIconEntry));
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(group + 6);

    std::vector<int> sides;
    for (WORD i = 0; i < count; ++i) {
        const int side = entries[i].width == 0 ? 256 : entries[i].width;
        sides.push_back(side);
        DWORD imageSize = 0;
        const BYTE* image =
            resource(MAKEINTRESOURCEW(entries[i].id), MAKEINTRESOURCEW(3) /* RT_ICON */, imageSize);
        ASSERT_NE(image, nullptr) << side << " px";
        EXPECT_EQ(imageSize, entries[i].bytes);
        HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image), imageSize, TRUE, 0x00030000,
                                              side, side, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << side << " px";
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colours{};
        ASSERT_NE(GetObjectW(info.hbmColor, sizeof(colours), &colours), 0);
        EXPECT_EQ(colours.bmWidth, side);
        EXPECT_EQ(colours.bmHeight, side);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    EXPECT_EQ(sides, (std::vector<int>{16, 32, 48, 256}));
}

TEST(WindowsResources, IconShowsTheDrawing) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = 32;
    format.bmiHeader.biHeight = -32;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(32 * 32);
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, info.hbmColor, 0, 32, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    ASSERT_EQ(rows, 32);
    // The drawing's corner is transparent, its outline black, its case cyan and its
    // display yellow.
    EXPECT_EQ(pixels[0] >> 24U, 0U);
    EXPECT_EQ(pixels[1 * 32 + 4], 0xFF000000U);
    EXPECT_EQ(pixels[2 * 32 + 5], 0xFF00FFFFU);
    EXPECT_EQ(pixels[4 * 32 + 9], 0xFFFFFF00U);
}

}  // namespace
}  // namespace metalweight
