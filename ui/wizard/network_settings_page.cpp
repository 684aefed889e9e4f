// The network settings page: filled from the record, the protocol choice, written on Next.
#include "ui/wizard/network_settings_page.h"

#include "protocol/network_settings_update.h"
#include "resources/resource.h"

namespace zerin::ui {

namespace {

constexpr LRESULT kStaticIp = 0;
constexpr LRESULT kDhcp = 1;

}  // namespace

NetworkSettingsPage::NetworkSettingsPage(SocketLayer& sockets)
    : WizardPage(IDD_NETWORK_SETTINGS_PAGE), sockets_(sockets) {}

void NetworkSettingsPage::BindControls() {
    for (int i = 0; i < 5; ++i) {
        Bind(addresses_[i], IDC_NET_ADDRESS + i);
    }
    Bind(protocolBox_, IDC_PROTOCOL);
}

const Dialog::MessageMap& NetworkSettingsPage::GetMessageMap() const {
    static const MessageMap map = {
        OnCommand(CBN_SELCHANGE, IDC_PROTOCOL, &NetworkSettingsPage::OnProtocolChanged),
        OnMessage(WM_PAINT, &NetworkSettingsPage::OnPaintSkin),
        OnColourRequests(&NetworkSettingsPage::OnColourByKind),
    };
    return map;
}

void NetworkSettingsPage::Fill(const DeviceRecord& device) {
    protocolBox_.Send(CB_SETCURSEL, device.ipStatus != 0 ? kDhcp : kStaticIp);
    for (int i = 0; i < 5; ++i) {
        addresses_[i].SetAddress(device.*kAddressFields[i].record);
    }
    EnableAddresses(device.ipStatus == 0);
}

void NetworkSettingsPage::OnProtocolChanged() {
    EnableAddresses(protocolBox_.Send(CB_GETCURSEL) == kStaticIp);
}

// Disabled controls keep their addresses, and those are sent all the same.
void NetworkSettingsPage::EnableAddresses(bool enable) const {
    for (const IpAddressControl& address : addresses_) {
        address.Enable(enable);
    }
}

int NetworkSettingsPage::Apply(const DeviceRecord& device) {
    NetworkSettings settings;
    settings.protocolIndex = static_cast<int>(protocolBox_.Send(CB_GETCURSEL));
    for (int i = 0; i < 5; ++i) {
        settings.*kAddressFields[i].settings = addresses_[i].Address();
    }
    return SetNetworkInfo(sockets_, reporter_, device.macAddress, settings, TowardsDevice(device))
        .code;
}

}  // namespace zerin::ui
