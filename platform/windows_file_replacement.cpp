// Replacing a file's content on Windows.
#include <windows.h>

#include <string>

#include "platform/file_replacement.h"

namespace zerin {

namespace {

std::string SystemText(DWORD error) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof text, nullptr);
    std::string message(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message;
}

std::string TemporaryName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
}

}  // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content, std::string& error) {
    const std::string temporary = TemporaryName(path);
    const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = SystemText(GetLastError());
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    const DWORD writeError = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (!ok || !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        error = SystemText(ok ? GetLastError() : writeError);
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace zerin
