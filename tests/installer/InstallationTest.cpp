// What the Windows installer leaves on the machine, read back through the Windows API
// inside the prefix it installed into. check-installer.sh runs one group after each step:
//   Installed.*    after a silent install, and again after installing over it
//   Uninstalled.*  after a silent uninstall
//   Portable.*     with METALWEIGHT_UNPACKED_FOLDER naming the unpacked zip's folder
//   Setup.*        with METALWEIGHT_SETUP naming the installer
#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/win32/StartedProgram.h"
#include "ui/Version.h"
#include "ui/win32/Program.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

const std::wstring kName = L"金属材料单重计算";
const std::wstring kShortcut = kName + L".lnk";
constexpr wchar_t kUninstallKeys[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const std::wstring kEntryKey = std::wstring(kUninstallKeys) + L"\\metalweight";

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

std::wstring installFolder() {
    return knownFolder(FOLDERID_ProgramFiles) + L"\\metalweight";
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names in a folder, sorted, with the size of all its files.
struct FolderContents {
    std::vector<std::string> names;
    unsigned long long bytes = 0;
};
FolderContents contentsOf(const std::wstring& folder) {
    FolderContents contents;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return contents;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            contents.names.push_back(narrow(name));
            contents.bytes +=
                (static_cast<unsigned long long>(found.nFileSizeHigh) << 32U) | found.nFileSizeLow;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(contents.names.begin(), contents.names.end());
    return contents;
}

// A value of the entry in Apps & features, in the 64-bit view of the registry.
std::optional<std::wstring> entryText(const wchar_t* value) {
    wchar_t text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kEntryKey.c_str(), value,
                     RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, text,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text);
}
// The same as text for messages: "(none)" when there is no such value.
std::string entry(const wchar_t* value) {
    return narrow(entryText(value).value_or(L"(none)"));
}
std::optional<DWORD> entryNumber(const wchar_t* value) {
    DWORD number = 0;
    DWORD size = sizeof number;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kEntryKey.c_str(), value,
                     RRF_RT_REG_DWORD | RRF_SUBKEY_WOW6464KEY, nullptr, &number,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return number;
}

// How many entries of Apps & features, in every place Windows reads them from, carry the
// calculator's name.
int entriesNamedAsTheCalculator() {
    struct Place {
        HKEY root;
        REGSAM view;
    };
    int count = 0;
    for (const Place place :
         {Place{HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY}, Place{HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY},
          Place{HKEY_CURRENT_USER, 0}}) {
        HKEY keys = nullptr;
        if (RegOpenKeyExW(place.root, kUninstallKeys, 0, KEY_READ | place.view, &keys) !=
            ERROR_SUCCESS) {
            continue;
        }
        wchar_t subkey[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            if (RegEnumKeyExW(keys, i, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                break;
            }
            wchar_t name[256] = {};
            DWORD size = sizeof name;
            if (RegGetValueW(keys, subkey, L"DisplayName", RRF_RT_REG_SZ, nullptr, name, &size) ==
                    ERROR_SUCCESS &&
                name == kName) {
                ++count;
            }
        }
        RegCloseKey(keys);
    }
    return count;
}

// Where a shortcut leads and which icon it shows.
struct Shortcut {
    std::wstring target;
    std::wstring icon;
    int iconIndex = -1;
};
std::optional<Shortcut> readShortcut(const std::wstring& file) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&link)))) {
        return std::nullopt;
    }
    std::optional<Shortcut> shortcut;
    IPersistFile* persisted = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&persisted)))) {
        if (SUCCEEDED(persisted->Load(file.c_str(), STGM_READ))) {
            wchar_t target[MAX_PATH] = {};
            wchar_t icon[MAX_PATH] = {};
            Shortcut read;
            link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
            link->GetIconLocation(icon, MAX_PATH, &read.iconIndex);
            read.target = target;
            read.icon = icon;
            shortcut = read;
        }
        persisted->Release();
    }
    link->Release();
    return shortcut;
}

// True when no copy of an uninstaller runs any more, waiting up to two minutes: an NSIS
// uninstaller copies itself to the temporary folder (as Un.exe; Un_A.exe in older NSIS)
// and runs from there, so the program the user started returns at once.
bool uninstallerEnded() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (std::chrono::steady_clock::now() < deadline) {
        bool running = false;
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W process{};
        process.dwSize = sizeof process;
        for (BOOL more = Process32FirstW(snapshot, &process); more;
             more = Process32NextW(snapshot, &process)) {
            running = running || _wcsicmp(process.szExeFile, L"Un.exe") == 0 ||
                      _wcsnicmp(process.szExeFile, L"Un_", 3) == 0;
        }
        CloseHandle(snapshot);
        if (!running) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

std::wstring startMenuShortcut() {
    return knownFolder(FOLDERID_CommonPrograms) + L"\\" + kShortcut;
}

std::wstring environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return {value, length < MAX_PATH ? length : 0};
}

// A text of a program file's version record, in its Chinese block.
std::string versionText(const std::wstring& file, const wchar_t* name) {
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    void* value = nullptr;
    UINT length = 0;
    if (record.empty() ||
        !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(record.size()), record.data()) ||
        !VerQueryValueW(record.data(),
                        (std::wstring(L"\\StringFileInfo\\080404b0\\") + name).c_str(), &value,
                        &length) ||
        length == 0) {
        return "(none)";
    }
    return narrow({static_cast<const wchar_t*>(value), length - 1});
}

TEST(Setup, CarriesTheProgramsIconAndAVersionRecordOfItsOwn) {
    const std::wstring setup = environment(L"METALWEIGHT_SETUP");
    ASSERT_FALSE(setup.empty());
    EXPECT_EQ(versionText(setup, L"ProductName"), narrow(kName));
    EXPECT_EQ(versionText(setup, L"ProductVersion"), kVersionRecord);
    EXPECT_EQ(versionText(setup, L"FileVersion"), kVersionRecord);
    EXPECT_EQ(versionText(setup, L"CompanyName"), "The metalweight developers");
    // An icon Explorer shows for the file: the program's, which makensis was given.
    EXPECT_GT(ExtractIconExW(setup.c_str(), -1, nullptr, nullptr, 0), 0U);
}

class Installed : public testing::Test {
    ComApartment com_;
};

TEST_F(Installed, ProgramFolderHoldsTheProgramsTheGuideAndTheLicence) {
    EXPECT_EQ(contentsOf(installFolder()).names,
              (std::vector<std::string>{"LICENSE.txt", "cut-list-guide.html", "metalweight-bom.exe",
                                        "metalweight.exe", "uninstall.exe"}));
}

TEST_F(Installed, StartMenuShortcutLeadsToTheCalculatorWithItsIcon) {
    const std::optional<Shortcut> shortcut = readShortcut(startMenuShortcut());
    ASSERT_TRUE(shortcut) << narrow(startMenuShortcut());
    const std::wstring program = installFolder() + L"\\metalweight.exe";
    EXPECT_EQ(narrow(shortcut->target), narrow(program));
    EXPECT_EQ(narrow(shortcut->icon), narrow(program));
    EXPECT_EQ(shortcut->iconIndex, 0);
    // A desktop shortcut only when the user asks for one, which a silent install does not.
    EXPECT_FALSE(exists(knownFolder(FOLDERID_PublicDesktop) + L"\\" + kShortcut));
    EXPECT_FALSE(exists(knownFolder(FOLDERID_Desktop) + L"\\" + kShortcut));
}

TEST_F(Installed, AppsAndFeaturesHasOneEntryWithItsValues) {
    EXPECT_EQ(entriesNamedAsTheCalculator(), 1);
    const std::wstring folder = installFolder();
    const std::string program = narrow(folder);
    EXPECT_EQ(entry(L"DisplayName"), narrow(kName));
    EXPECT_EQ(entry(L"DisplayVersion"), std::to_string(kVersionMajor) + "." +
                                            std::to_string(kVersionMinor) + "." +
                                            std::to_string(kVersionRevision));
    EXPECT_EQ(entry(L"Publisher"), "The metalweight developers");
    EXPECT_EQ(entry(L"DisplayIcon"), program + "\\metalweight.exe,0");
    EXPECT_EQ(entry(L"InstallLocation"), program);
    EXPECT_EQ(entry(L"UninstallString"), "\"" + program + "\\uninstall.exe\"");
    EXPECT_EQ(entry(L"QuietUninstallString"), "\"" + program + "\\uninstall.exe\" /S");
    EXPECT_EQ(entryNumber(L"NoModify"), 1U);
    EXPECT_EQ(entryNumber(L"NoRepair"), 1U);
    // The size in KB of what was installed.
    const unsigned long long kilobytes = contentsOf(folder).bytes / 1024;
    const std::optional<DWORD> size = entryNumber(L"EstimatedSize");
    ASSERT_TRUE(size);
    EXPECT_GE(*size + 1, kilobytes);
    EXPECT_LE(*size, kilobytes + 1);
}

TEST_F(Installed, ShortcutStartsTheCalculator) {
    const std::optional<Shortcut> shortcut = readShortcut(startMenuShortcut());
    ASSERT_TRUE(shortcut);
    StartedProgram program(shortcut->target);
    ASSERT_TRUE(program.started());
    HWND window = program.window();
    ASSERT_NE(window, nullptr);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    EXPECT_EQ(narrow(title), narrow(kName));
    EXPECT_TRUE(program.closesByItsCloseBox());
}

class Uninstalled : public testing::Test {
    ComApartment com_;
};

TEST_F(Uninstalled, NothingIsLeft) {
    ASSERT_TRUE(uninstallerEnded());
    EXPECT_FALSE(exists(installFolder()))
        << testing::PrintToString(contentsOf(installFolder()).names);
    EXPECT_FALSE(exists(startMenuShortcut()));
    EXPECT_EQ(entry(L"DisplayName"), "(none)");
    EXPECT_EQ(entriesNamedAsTheCalculator(), 0);
    HKEY entry = nullptr;
    EXPECT_NE(
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEntryKey.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &entry),
        ERROR_SUCCESS);
}

TEST(Portable, CalculatorRunsFromTheUnpackedFolder) {
    const std::wstring folder = environment(L"METALWEIGHT_UNPACKED_FOLDER");
    ASSERT_FALSE(folder.empty());
    StartedProgram program(folder + L"\\metalweight.exe");
    ASSERT_TRUE(program.started());
    HWND window = program.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(program.closesByItsCloseBox());
}

}  // namespace
}  // namespace metalweight::win32
