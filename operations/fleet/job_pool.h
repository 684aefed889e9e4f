// Work on many items at once: up to a number of threads take the items' indexes in order until
// none is left.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace zerin {

struct Jobs {
    std::function<void(size_t)> work;
    // Takes the message of a work that threw; the other items go on.
    std::function<void(size_t, const std::string&)> failed;
    // When given, runs after each item, one call at a time.
    std::function<void()> afterEach;
    // When given, asked before each item: once true, no item starts.
    std::function<bool()> stopped;
};

// Does the jobs' work for every index below count, unless stopped, on at most that many threads at
// once; returns when all are done. A thread that cannot be started leaves its share to those that
// did; when none did, the calling thread does it all.
void RunJobs(size_t count, int threads, const Jobs& jobs);

}  // namespace zerin
