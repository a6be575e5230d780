#include "MainLayout.h"

#include <cstring>
#include <stdexcept>
#include <string>

const ControlLayout& MainControl(const char* name) {
    for (const ControlLayout& control : kMainControls)
        if (std::strcmp(control.Name, name) == 0)
            return control;
    throw std::logic_error(std::string("no control ") + name);
}
