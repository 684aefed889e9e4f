// Strings of the program's string table, as wide text: some are Chinese, and only the
// wide-character calls show them right on a Windows of any language.
#pragma once

#include <string>

namespace zerin::ui {

std::wstring LoadResourceString(int id);

}  // namespace zerin::ui
