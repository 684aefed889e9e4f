// The one-line progress counter of a long run on standard error, "done N of TOTAL", rewritten in
// place; nothing at all when standard error is not a terminal.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace zerin::cli {

class ProgressLine {
  public:
    ProgressLine(std::ostream& err, bool terminal, std::string what, size_t total);
    // Counts one more done and shows it.
    void Step();
    // Clears the line.
    void End();

  private:
    std::ostream& err_;
    bool terminal_;
    std::string what_;
    size_t total_;
    size_t done_ = 0;
};

}  // namespace zerin::cli
