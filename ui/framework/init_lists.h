// The combo-box lists a dialog template carries in its initialisation resource (type 240, named
// by the template id), added to their combo boxes when the dialog is created.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zerin::ui {

struct InitListItem {
    int controlId;
    std::string text;
};

// The records of an initialisation resource in order, up to the record with control id 0.
// Records with another message than "add a string to a combo box" are skipped.
std::vector<InitListItem> ParseInitList(const uint8_t* bytes, size_t size);

// Adds every listed string of the template's initialisation resource to its combo box.
void ApplyInitLists(HWND dialog, int templateId);

}  // namespace zerin::ui
