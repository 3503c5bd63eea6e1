#include "ui/win32/ScreenReaderNames.h"

#include <initguid.h>
#include <oleacc.h>

namespace metalweight::win32 {

ScreenReaderNames::ScreenReaderNames() {
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services))) {
        services_ = static_cast<IAccPropServices*>(services);
    }
}

ScreenReaderNames::~ScreenReaderNames() {
    if (services_ != nullptr) {
        services_->Release();
    }
}

bool ScreenReaderNames::name(HWND control, const std::wstring& name) {
    given_[control] = name;
    return services_ != nullptr &&
           SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                               CHILDID_SELF, PROPID_ACC_NAME, name.c_str()));
}

std::wstring ScreenReaderNames::nameGiven(HWND control) const {
    const auto found = given_.find(control);
    return found != given_.end() ? found->second : std::wstring();
}

}  // namespace metalweight::win32
