// Replacing a file's content at once: a reader of the file sees the old content or the new one,
// never part of either. The new content goes into a temporary file beside it (a name starting
// with '.' and ending in ".tmp", which a collector of "*.prom" files passes over), then takes the
// file's place by one rename.
#pragma once

#include <string>

namespace zerin {

// False, with the system's reason in error, when the file could not be replaced; no temporary
// file is left behind.
bool ReplaceFileContent(const std::string& path, const std::string& content, std::string& error);

}  // namespace zerin
