#pragma once

#include "WindowsApi.h"

#include <string>

struct IAccPropServices;

// The description a screen reader reads for a window's client area: set on the window's
// standard accessible object by Dynamic Annotation, each change announced with
// EVENT_OBJECT_DESCRIPTIONCHANGE. Where the system offers no annotation service, only the event
// is sent.
class AccessibleDescription {
  public:
    explicit AccessibleDescription(HWND window) : window_(window) {}
    ~AccessibleDescription();
    AccessibleDescription(const AccessibleDescription&) = delete;
    AccessibleDescription& operator=(const AccessibleDescription&) = delete;

    // "" takes the description away.
    void Set(const std::string& text);
    const std::string& Text() const { return text_; }

  private:
    IAccPropServices* Services();

    HWND window_;
    std::string text_;
    IAccPropServices* services_ = nullptr;
    bool comStarted_ = false;
    bool asked_ = false; // the annotation service was asked for, found or not
};
