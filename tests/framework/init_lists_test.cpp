// Decoding of dialog initialisation resources.
#include "ui/framework/init_lists.h"

#include <gtest/gtest.h>

namespace zerin::ui {
namespace {

std::vector<uint8_t> Record(uint16_t id, uint16_t message, const std::string& text) {
    const uint32_t length = static_cast<uint32_t>(text.size() + 1);
    std::vector<uint8_t> bytes = {static_cast<uint8_t>(id),
                                  static_cast<uint8_t>(id >> 8),
                                  static_cast<uint8_t>(message),
                                  static_cast<uint8_t>(message >> 8),
                                  static_cast<uint8_t>(length),
                                  0,
                                  0,
                                  0};
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(InitListsTest, ReadsRecordsInOrderUpToTheTerminator) {
    const auto bytes = Join({Record(1062, 0x0403, "(GMT) Casablanca "),
                             Record(1062, 0x0401, "x"),
                             Record(1045, 0x0403, "DHCP"),
                             {0, 0},
                             Record(1045, 0x0403, "after")});
    const auto items = ParseInitList(bytes.data(), bytes.size());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].controlId, 1062);
    EXPECT_EQ(items[0].text, "(GMT) Casablanca ");
    EXPECT_EQ(items[1].controlId, 1045);
    EXPECT_EQ(items[1].text, "DHCP");
}

TEST(InitListsTest, StopsAtARecordThatRunsPastTheResource) {
    auto bytes = Join({Record(1045, 0x0403, "Static IP"), Record(1045, 0x0403, "DHCP")});
    bytes.resize(bytes.size() - 2);
    const auto items = ParseInitList(bytes.data(), bytes.size());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "Static IP");
}

}  // namespace
}  // namespace zerin::ui
