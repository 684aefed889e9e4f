// Formatting of the numbered messages.
#include "protocol/reporter.h"

#include <cstdio>

namespace zerin {

std::string FormatMessage(const char* format, int number) {
    char text[256];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

}  // namespace zerin
