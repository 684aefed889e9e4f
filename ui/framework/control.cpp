// Text access of member controls: device texts are 8-bit, as the protocol carries them.
#include "ui/framework/control.h"

namespace zerin::ui {

std::string Control::Text() const {
    std::string text(GetWindowTextLengthA(handle_) + 1, '\0');
    text.resize(GetWindowTextA(handle_, text.data(), static_cast<int>(text.size())));
    return text;
}

void Control::SetText(const std::string& text) const {
    SetWindowTextA(handle_, text.c_str());
}

}  // namespace zerin::ui
