// How a device took a settings write or a verification, and the words every front-end says it in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "protocol/administrator_verification.h"
#include "protocol/packet.h"

namespace zerin {

// How a device took a settings write.
enum class WriteResult { kAccepted, kRefused, kNoAnswer };

// Accepted: a reply to the command with status 0; refused: with another status; anything else,
// no datagram or one answering another command, is no answer.
WriteResult ResultOfWrite(const std::optional<PacketHeader>& reply, uint16_t command);
// "accepted", "refused", "no answer".
const char* WriteResultName(WriteResult result);

// How a device took its administrator's name and password.
enum class VerificationVerdict { kAccepted, kNotAccepted, kNoAnswer, kNotSent };

// Not accepted only when the device answered the verification with a refusal; not sent when the
// network failed.
VerificationVerdict VerdictOf(const VerificationResult& result);

// "NAME did not accept the administrator name or password", "no answer to the verification
// request"; empty for a verdict that needs no words (accepted, or not sent: the network said it).
std::string VerdictText(VerificationVerdict verdict, const std::string& device);

}  // namespace zerin
