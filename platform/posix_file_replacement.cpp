// Replacing a file's content on POSIX systems.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_replacement.h"

namespace zerin {

namespace {

// The temporary file's name: in the file's folder, with this process's id.
std::string TemporaryName(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(getpid()) + ".tmp";
}

bool WriteAll(int fd, const std::string& content) {
    for (size_t written = 0; written < content.size();) {
        const ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno != EINTR) {
            return false;
        }
        written += n > 0 ? static_cast<size_t>(n) : 0;
    }
    return true;
}

}  // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content, std::string& error) {
    const std::string temporary = TemporaryName(path);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const bool written = WriteAll(fd, content);
    const int writeError = errno;
    if (close(fd) != 0 || !written || rename(temporary.c_str(), path.c_str()) != 0) {
        error = std::strerror(written ? errno : writeError);
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace zerin
