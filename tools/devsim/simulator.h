// The socket loop: one UDP socket receives the requests, the devices answer them, and each answer
// goes to the sender of its request, or by broadcast to the sender's port, when it is due.
#pragma once

#include <signal.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/devsim/datagram_log.h"
#include "tools/devsim/device_state.h"
#include "tools/devsim/send_queue.h"

namespace zerin::devsim {

class Simulator {
  public:
    Simulator(std::vector<DeviceState> devices, DatagramLog& log);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Opens the socket with broadcast and address reuse allowed; false with error on failure.
    bool Bind(const std::string& address, uint16_t port, std::string& error);

    // Serves requests until SIGTERM or SIGINT; false with error when the socket fails.
    bool Run(std::string& error);

  private:
    bool Wait(const sigset_t& waitMask, std::string& error);
    void ReceiveRequest();
    void SendDue();
    ssize_t Send(const Outgoing& out);

    std::vector<DeviceState> devices_;
    DatagramLog& log_;
    SendQueue queue_;
    int socket_ = -1;
    uint16_t port_ = 0;
};

}  // namespace zerin::devsim
