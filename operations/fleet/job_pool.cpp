// The threads of a run of jobs.
#include "operations/fleet/job_pool.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace zerin {

namespace {

// One item's work; what it throws goes to the jobs' failed.
void DoItem(const Jobs& jobs, size_t i) {
    try {
        jobs.work(i);
    } catch (const std::exception& error) {
        jobs.failed(i, error.what());
    } catch (...) {
        jobs.failed(i, "unknown exception");
    }
}

}  // namespace

void RunJobs(size_t count, int threads, const Jobs& jobs) {
    std::atomic<size_t> next{0};
    std::mutex afterEachMutex;
    const auto worker = [&] {
        for (size_t i = next++; i < count && !(jobs.stopped && jobs.stopped()); i = next++) {
            DoItem(jobs, i);
            const std::lock_guard<std::mutex> lock(afterEachMutex);
            if (jobs.afterEach) {
                jobs.afterEach();
            }
        }
    };
    std::vector<std::thread> started;
    const size_t wanted = std::min<size_t>(count, static_cast<size_t>(std::max(threads, 1)));
    try {
        while (started.size() < wanted) {
            started.emplace_back(worker);
        }
    } catch (const std::system_error&) {
        // The threads that did start take the rest.
    }
    if (started.empty()) {
        worker();
    }
    for (std::thread& thread : started) {
        thread.join();
    }
}

}  // namespace zerin
