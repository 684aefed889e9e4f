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
    virtual bool Requested() = 0;
};

// The signals of the platform this is built for.
class PlatformStopSignals : public StopSignals {
  public:
    void Catch() override;
    bool Requested() override;
};

}  // namespace zerin
