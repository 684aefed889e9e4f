// The wizard's second page: how the device gets its IP settings, static or by DHCP, and its
// five addresses.
#pragma once

#include "protocol/socket_layer.h"
#include "ui/framework/control.h"
#include "ui/framework/message_box_reporter.h"
#include "ui/wizard/ip_address_control.h"
#include "ui/wizard/wizard_page.h"

namespace zerin::ui {

class NetworkSettingsPage : public WizardPage {
  public:
    explicit NetworkSettingsPage(SocketLayer& sockets);

    void Fill(const DeviceRecord& device) override;
    // Writes the protocol and the five addresses shown, also those of disabled controls; stays
    // only when the network could not be opened.
    int Apply(const DeviceRecord& device) override;

  protected:
    void BindControls() override;
    const MessageMap& GetMessageMap() const override;

  private:
    // The address controls take input only with "Static IP" chosen.
    void OnProtocolChanged();
    void EnableAddresses(bool enable) const;

    SocketLayer& sockets_;
    MessageBoxReporter reporter_;
    IpAddressControl addresses_[5];  // in the order of their ids, IP address to secondary DNS
    Control protocolBox_;
};

}  // namespace zerin::ui
