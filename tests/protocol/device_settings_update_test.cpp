// The device settings update exchange over the scripted sockets layer.
#include "protocol/device_settings_update.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/packet_builder.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_socket_layer.h"

namespace zerin {
namespace {

using testing::Bytes;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::PacketBuilder;

const MacAddress kMac{0x02, 0x5a, 0x00, 0x00, 0x00, 0x12};

DeviceSettings FifthOfMarch2010() {
    DeviceSettings settings;
    settings.verificationFlag = 1;
    settings.year = 2010;
    settings.month = 3;
    settings.day = 5;
    settings.hour = 7;
    settings.minute = 8;
    settings.second = 9;
    settings.timeZoneIndex = 56;
    return settings;
}

class DeviceSettingsUpdateTest : public ::testing::Test {
  protected:
    SettingsUpdateResult Set(const DeviceSettings& settings, const std::string& name = "ABC") {
        return SetDeviceInfo(sockets, reporter, kMac, name, settings);
    }
    Bytes Payload() const {
        return Bytes(sockets.sent.at(0).begin() + 12, sockets.sent.at(0).end());
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingReporter reporter;
};

TEST_F(DeviceSettingsUpdateTest, WritesTheSettingsAtTheirOffsetsWithoutTerminators) {
    Set(FifthOfMarch2010());
    const Bytes expected = PacketBuilder(CMD_SET_DEVICE_INFO, 108)
                               .U16(4, 96)
                               .Mac(kMac)
                               .U8(12, 1)
                               .Text(13, "ABC")
                               .Text(93, "20100305")
                               .Text(101, "070809")
                               .U8(107, 56);
    EXPECT_THAT(sockets.sent, ElementsAre(expected));
    EXPECT_EQ(Bytes(expected.begin(), expected.begin() + 6), Bytes({17, 0, 0, 0, 96, 0}));
    EXPECT_THAT(sockets.calls, ElementsAre("Startup 257", "OpenUdp 100", "SetNonBlocking 100",
                                           "EnableBroadcast 100", "SendBroadcast 100 1638",
                                           "Close 100", "Cleanup"));
}

TEST_F(DeviceSettingsUpdateTest, DescriptionAndNameStayWithinTheirFields) {
    struct Case {
        std::string name;
        std::string description;
        std::string nameField;         // payload bytes 1 to 16
        std::string descriptionField;  // payload bytes 17 to 80
    };
    const std::string d63(63, 'd');
    const Case cases[] = {
        {"ABC", d63, "ABC" + std::string(13, '\0'), d63 + '\0'},
        {"ABC", d63 + "ef", "ABC" + std::string(13, '\0'), d63 + '\0'},
        {"ABCDEFGHIJKLMNOP", "x", "ABCDEFGHIJKLMNOP", "x" + std::string(63, '\0')},
        {"ABCDEFGHIJKLMNOPQ", "", "ABCDEFGHIJKLMNOP", std::string(64, '\0')},
    };
    for (const Case& c : cases) {
        sockets.sent.clear();
        DeviceSettings settings = FifthOfMarch2010();
        settings.description = c.description;
        Set(settings, c.name);
        const Bytes payload = Payload();
        ASSERT_EQ(payload.size(), 96u);
        EXPECT_EQ(std::string(payload.begin() + 1, payload.begin() + 17), c.nameField) << c.name;
        EXPECT_EQ(std::string(payload.begin() + 17, payload.begin() + 81), c.descriptionField)
            << c.description;
        EXPECT_EQ(std::string(payload.begin() + 81, payload.begin() + 95), "20100305070809");
    }
}

TEST_F(DeviceSettingsUpdateTest, TimeZoneIndexIsSentAsItsLowByte) {
    for (const auto& [index, byte] : {std::pair{-1, 255}, {0, 0}, {74, 74}}) {
        sockets.sent.clear();
        DeviceSettings settings = FifthOfMarch2010();
        settings.timeZoneIndex = index;
        Set(settings);
        EXPECT_EQ(Payload().at(95), byte) << index;
    }
}

TEST_F(DeviceSettingsUpdateTest, SilentDeviceHoldsTheExchangeForItsLimitAndTheResultIs0) {
    const SettingsUpdateResult result = Set(FifthOfMarch2010());
    EXPECT_EQ(result.code, 0);
    EXPECT_FALSE(result.reply);
    EXPECT_EQ(sockets.receiveAttempts, 201);
    EXPECT_EQ(sockets.waits, std::vector<int>(200, 100));
    EXPECT_THAT(reporter.messages, IsEmpty());
}

TEST_F(DeviceSettingsUpdateTest, AnswerEndsTheWaitAtOnceAndIsNotJudged) {
    sockets.Deliver(PacketBuilder(CMD_SET_DEVICE_INFO, 12).Status(9));
    const SettingsUpdateResult result = Set(FifthOfMarch2010());
    EXPECT_EQ(result.code, 0);
    ASSERT_TRUE(result.reply);
    EXPECT_EQ(result.reply->status, 9);
    EXPECT_EQ(sockets.receiveAttempts, 1);
    EXPECT_THAT(sockets.waits, IsEmpty());
    EXPECT_THAT(reporter.messages, IsEmpty());
}

}  // namespace
}  // namespace zerin
