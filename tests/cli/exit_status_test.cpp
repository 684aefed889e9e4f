// The exit status rules: one meaning each, and a network failure before all.
#include "cli/exit_status.h"

#include <gtest/gtest.h>

namespace zerin::cli {
namespace {

std::optional<PacketHeader> Reply(uint16_t command, uint16_t status) {
    PacketHeader header;
    header.command = command;
    header.status = status;
    return header;
}

TEST(ExitStatusTest, WritesAreAcceptedOnlyByTheirOwnReplyWithStatus0) {
    struct Case {
        std::optional<PacketHeader> reply;
        WriteResult result;
        const char* name;
        ExitStatus status;
    };
    const Case cases[] = {
        {Reply(CMD_SET_NETWORK_INFO, 0), WriteResult::kAccepted, "accepted", kExitDone},
        {Reply(CMD_SET_NETWORK_INFO, 2), WriteResult::kRefused, "refused", kExitNoAnswer},
        {Reply(CMD_VERIFY, 0), WriteResult::kNoAnswer, "no answer", kExitNoAnswer},
        {std::nullopt, WriteResult::kNoAnswer, "no answer", kExitNoAnswer},
    };
    for (const Case& c : cases) {
        const WriteResult result = ResultOfWrite(c.reply, CMD_SET_NETWORK_INFO);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_STREQ(WriteResultName(result), c.name);
        EXPECT_EQ(StatusOfWrite(result), c.status) << c.name;
    }
}

TEST(ExitStatusTest, VerificationTellsARefusalFromASilence) {
    struct Case {
        VerificationResult result;
        ExitStatus status;
    };
    const Case cases[] = {
        {{Verification::kAccepted, Reply(CMD_VERIFY, 0)}, kExitDone},
        {{Verification::kNotAccepted, Reply(CMD_VERIFY, 1)}, kExitNotAccepted},
        {{Verification::kNotAccepted, Reply(CMD_GET_USB_INFO, 1)}, kExitNoAnswer},
        {{Verification::kNotAccepted, std::nullopt}, kExitNoAnswer},
        {{Verification::kNotSent, std::nullopt}, kExitNetworkFailed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatusOfVerification(c.result), c.status) << static_cast<int>(c.status);
    }
}

TEST(ExitStatusTest, ANetworkFailureTakesThePlaceOfAnyStatus) {
    for (const ExitStatus status : {kExitDone, kExitNoAnswer, kExitBadInput, kExitNotAccepted}) {
        EXPECT_EQ(FinalStatus(status, true), kExitNetworkFailed);
        EXPECT_EQ(FinalStatus(status, false), status);
    }
}

}  // namespace
}  // namespace zerin::cli
