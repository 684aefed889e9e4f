// The progress counter: rewritten in place on a terminal, absent otherwise.
#include "cli/progress_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zerin::cli {
namespace {

TEST(ProgressLineTest, CountsInPlaceOnATerminalAndClearsItself) {
    for (const bool terminal : {true, false}) {
        std::ostringstream err;
        ProgressLine progress(err, terminal, "apply", 2);
        progress.Step();
        progress.Step();
        progress.End();
        EXPECT_EQ(err.str(), terminal ? "\rapply: 1 of 2 done\rapply: 2 of 2 done\r\033[K" : "");
    }
}

}  // namespace
}  // namespace zerin::cli
