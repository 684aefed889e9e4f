// The stop signals seam: Ctrl-C and SIGTERM (on Windows the console's Ctrl-C, Ctrl-Break and
// close), taken once caught as a request to stop instead of ending the process at once, so that a
// long run ends between its steps with its output complete.
#pragma once

namespace zerin {

class StopSignals {
  public:
    virtual ~StopSignals() = default;
    // From now on a stop signal only sets the request.
    virtual void Catch() = 0;
    // The signal that asked to stop, SIGINT (2) or SIGTERM (15); 0 while none has.
    virtual int Received() = 0;
    bool Requested() { return Received() != 0; }
};

// The signals of the platform this is built for.
class PlatformStopSignals : public StopSignals {
  public:
    void Catch() override;
    int Received() override;
};

}  // namespace zerin
