// Jobs on several threads: every item done once, a work that throws carried back to its item.
#include "operations/fleet/job_pool.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace zerin {
namespace {

TEST(JobPoolTest, AWorkThatThrowsIsCarriedBackAndTheOthersFinish) {
    std::vector<std::atomic<int>> done(40);
    std::mutex mutex;
    std::vector<std::pair<size_t, std::string>> failures;
    int steps = 0;
    RunJobs(done.size(), 4,
            {[&](size_t i) {
                 if (i % 10 == 3) {
                     throw std::runtime_error("item " + std::to_string(i));
                 }
                 ++done[i];
             },
             [&](size_t i, const std::string& error) {
                 const std::lock_guard<std::mutex> lock(mutex);
                 failures.emplace_back(i, error);
             },
             [&] { ++steps; }, nullptr});
    for (size_t i = 0; i < done.size(); ++i) {
        EXPECT_EQ(done[i], i % 10 == 3 ? 0 : 1) << i;
    }
    std::sort(failures.begin(), failures.end());
    EXPECT_THAT(failures, ::testing::ElementsAre(std::pair<size_t, std::string>{3, "item 3"},
                                                 std::pair<size_t, std::string>{13, "item 13"},
                                                 std::pair<size_t, std::string>{23, "item 23"},
                                                 std::pair<size_t, std::string>{33, "item 33"}));
    EXPECT_EQ(steps, 40);
}

TEST(JobPoolTest, OnceStoppedNoItemStarts) {
    std::atomic<int> started{0};
    RunJobs(100, 3,
            {[&](size_t) { ++started; }, [](size_t, const std::string&) {}, [] {},
             [&] { return started >= 10; }});
    // Each thread may have taken one item while another's tenth was under way.
    EXPECT_GE(started, 10);
    EXPECT_LE(started, 12);
}

}  // namespace
}  // namespace zerin
