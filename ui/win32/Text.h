#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace metalweight::win32 {

// The handlers speak UTF-8 and Windows' wide-character calls UTF-16; the window layer
// converts at its edge only, with these two.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

// A window's text (a control's caption or contents), whole.
std::wstring windowText(HWND hwnd);

}  // namespace metalweight::win32
