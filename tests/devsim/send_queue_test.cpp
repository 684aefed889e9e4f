// The timed queue sends due datagrams earliest first and keeps later ones waiting.
#include "tools/devsim/send_queue.h"

#include <gtest/gtest.h>

namespace zerin::devsim {
namespace {

using std::chrono::milliseconds;

TEST(SendQueue, ReleasesDueDatagramsInTimeThenPushOrder) {
    SendQueue queue;
    SendQueue::Clock::time_point start{};
    sockaddr_in peer{};
    queue.Push(start + milliseconds(500), peer, {3});
    queue.Push(start, peer, {1});
    queue.Push(start, peer, {2});
    EXPECT_EQ(queue.NextDue(), start);

    std::vector<Outgoing> due = queue.PopDue(start + milliseconds(10));
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[0].bytes, Datagram{1});
    EXPECT_EQ(due[1].bytes, Datagram{2});
    EXPECT_EQ(queue.NextDue(), start + milliseconds(500));

    EXPECT_TRUE(queue.PopDue(start + milliseconds(499)).empty());
    EXPECT_EQ(queue.PopDue(start + milliseconds(500)).size(), 1u);
    EXPECT_FALSE(queue.NextDue());
}

}  // namespace
}  // namespace zerin::devsim
