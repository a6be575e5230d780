#include "AccessibleDescription.h"

#include "Text.h"

// The annotation service's identifiers are defined here, where they are used.
#include <initguid.h>
#include <oleacc.h>

AccessibleDescription::~AccessibleDescription() {
    if (services_ != nullptr) {
        MSAAPROPID description = PROPID_ACC_DESCRIPTION;
        services_->ClearHwndProps(window_, OBJID_CLIENT, CHILDID_SELF, &description, 1);
        services_->Release();
    }
    if (comStarted_)
        CoUninitialize();
}

IAccPropServices* AccessibleDescription::Services() {
    if (!asked_) {
        asked_ = true;
        comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        void* services = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IAccPropServices, &services)))
            services_ = static_cast<IAccPropServices*>(services);
    }
    return services_;
}

void AccessibleDescription::Set(const std::string& text) {
    text_ = text;
    if (IAccPropServices* services = Services()) {
        MSAAPROPID description = PROPID_ACC_DESCRIPTION;
        if (text.empty())
            services->ClearHwndProps(window_, OBJID_CLIENT, CHILDID_SELF, &description, 1);
        else
            services->SetHwndPropStr(window_, OBJID_CLIENT, CHILDID_SELF, description,
                                     Widen(text).c_str());
    }
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}
