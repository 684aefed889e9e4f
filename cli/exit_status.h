// The tool's exit statuses, each with one meaning, and the rules that give them.
#pragma once

#include <initializer_list>
#include <string>

#include "operations/write_verdict.h"
#include "protocol/administrator_verification.h"

namespace zerin::cli {

enum ExitStatus : int {
    kExitDone = 0,
    kExitNoAnswer = 1,       // the device did not answer, or refused the settings
    kExitBadInput = 2,       // bad arguments, bad input, or no such device
    kExitNotAccepted = 3,    // the administrator name or password was not accepted
    kExitNetworkFailed = 4,  // the sockets layer failed, or a request could not be sent
};

// The statuses given as a command's help states them: "Exit status:\n  0  done\n...".
std::string ExitStatusHelp(std::initializer_list<ExitStatus> statuses);

// All of them, as the tool's help and the README state them.
std::string ExitStatusHelp();

ExitStatus StatusOfWrite(WriteResult result);

// Accepted: done; refused by the device: not accepted; no answer: the device did not answer;
// not sent: the network failed.
ExitStatus StatusOfVerification(const VerificationResult& result);

// A network failure decides the status, whatever the command made of what it got.
ExitStatus FinalStatus(ExitStatus status, bool networkFailed);

}  // namespace zerin::cli
