// Work on many items at once: up to a number of threads take the items' indexes in order until
// none is left.
#pragma once

#include <cstddef>
#include <functional>

namespace zerin::cli {

// Calls work(i) for every i below count, on at most jobs threads at once; returns when all are
// done. afterEach runs after each item, one call at a time.
void RunJobs(size_t count, int jobs, const std::function<void(size_t)>& work,
             const std::function<void()>& afterEach);

}  // namespace zerin::cli
