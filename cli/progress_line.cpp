// Drawing the progress line.
#include "cli/progress_line.h"

namespace zerin::cli {

ProgressLine::ProgressLine(std::ostream& err, bool terminal, std::string what, size_t total)
    : err_(err), terminal_(terminal), what_(std::move(what)), total_(total) {}

void ProgressLine::Step() {
    ++done_;
    if (terminal_) {
        err_ << '\r' << what_ << ": " << done_ << " of " << total_ << " done" << std::flush;
    }
}

void ProgressLine::End() {
    if (terminal_ && done_ > 0) {
        err_ << "\r\033[K" << std::flush;
    }
}

}  // namespace zerin::cli
