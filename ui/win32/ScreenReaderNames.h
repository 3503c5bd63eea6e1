#pragma once

#include <windows.h>

#include <string>

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

    // False where the system offers no annotation service.
    bool name(HWND control, const std::wstring& name);

  private:
    IAccPropServices* services_ = nullptr;
};

}  // namespace metalweight::win32
