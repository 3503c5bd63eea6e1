#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

struct IAccPropServices;

namespace metalweight::win32 {

// Names that screen readers (Narrator, NVDA) speak for a control. Windows names a
// control after the label just before it among its siblings, which here is another
// control; each field is named after its caption explicitly instead.
class ScreenReaderNames {
  public:
    ScreenReaderNames();
    ~ScreenReaderNames();
    ScreenReaderNames(const ScreenReaderNames&) = delete;
    ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;

    // Gives `control` the name; false where the system's annotation service did not
    // take it (Wine has none).
    bool name(HWND control, const std::wstring& name);
    // The name last given to `control`, empty if none.
    [[nodiscard]] std::wstring nameGiven(HWND control) const;

  private:
    IAccPropServices* services_ = nullptr;
    std::unordered_map<HWND, std::wstring> given_;
};

}  // namespace metalweight::win32
