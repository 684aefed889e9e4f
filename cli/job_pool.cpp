// The threads of a run of jobs.
#include "cli/job_pool.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace zerin::cli {

void RunJobs(size_t count, int jobs, const std::function<void(size_t)>& work,
             const std::function<void()>& afterEach) {
    std::atomic<size_t> next{0};
    std::mutex afterEachMutex;
    const auto worker = [&] {
        for (size_t i = next++; i < count; i = next++) {
            work(i);
            const std::lock_guard<std::mutex> lock(afterEachMutex);
            afterEach();
        }
    };
    std::vector<std::thread> threads;
    const size_t threadCount = std::min<size_t>(count, static_cast<size_t>(std::max(jobs, 1)));
    for (size_t i = 0; i < threadCount; ++i) {
        threads.emplace_back(worker);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

}  // namespace zerin::cli
