// The network settings page inside the real wizard frame: filled from a record, the protocol
// choice, and the exact request its Next puts on the wire.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/packet_builder.h"
#include "tests/wizard/wizard_fixture.h"

namespace zerin::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

constexpr int kAddressIds[] = {IDC_NET_ADDRESS, IDC_NET_MASK, IDC_NET_GATEWAY, IDC_NET_PRIMARY_DNS,
                               IDC_NET_SECONDARY_DNS};

DeviceState DhcpDevice() {
    DeviceState device;
    device.ipStatus = 1;
    device.ip = "192.168.100.200";
    device.mask = "255.255.255.255";
    device.gateway = "192.168.100.254";
    device.dns1 = "198.51.100.100";
    device.dns2 = "";
    return device;
}

// The network settings page shown, with the first page skipped.
Wizard& OnNetworkPage(Wizard& wizard) {
    wizard.Open();
    wizard.Click(IDC_WIZARD_SKIP);
    return wizard;
}

std::vector<std::string> Addresses(const Wizard& wizard) {
    std::vector<std::string> texts;
    for (int id : kAddressIds) {
        texts.push_back(WindowText(wizard.PageItem(1, id)));
    }
    return texts;
}

std::vector<bool> AddressesEnabled(const Wizard& wizard) {
    std::vector<bool> enabled;
    for (int id : kAddressIds) {
        enabled.push_back(IsWindowEnabled(wizard.PageItem(1, id)) != 0);
    }
    return enabled;
}

void Choose(Wizard& wizard, int protocol) {
    HWND box = wizard.PageItem(1, IDC_PROTOCOL);
    SendMessageW(box, CB_SETCURSEL, protocol, 0);
    SendMessageW(wizard.pages[1]->Handle(), WM_COMMAND, MAKEWPARAM(IDC_PROTOCOL, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
}

// The addresses are shown whole, and only a static device's can be edited.
TEST(NetworkSettingsPageTest, TheDevicesProtocolIsChosenAndItsAddressesShown) {
    for (const uint8_t ipStatus : {1, 0}) {
        DeviceState device = DhcpDevice();
        device.ipStatus = ipStatus;
        Wizard wizard(device);
        OnNetworkPage(wizard);
        EXPECT_EQ(SendMessageW(wizard.PageItem(1, IDC_PROTOCOL), CB_GETCURSEL, 0, 0), ipStatus);
        EXPECT_THAT(Addresses(wizard), ElementsAre("192.168.100.200", "255.255.255.255",
                                                   "192.168.100.254", "198.51.100.100", "0.0.0.0"));
        EXPECT_THAT(AddressesEnabled(wizard), Each(ipStatus == 0)) << int{ipStatus};
    }
}

TEST(NetworkSettingsPageTest, TheProtocolChoiceEnablesTheAddressesOnlyForStaticIp) {
    Wizard wizard(DhcpDevice());
    OnNetworkPage(wizard);
    const std::vector<std::string> shown = Addresses(wizard);
    const std::pair<int, bool> choices[] = {{0, true}, {1, false}, {-1, false}, {0, true}};
    for (const auto& [protocol, enabled] : choices) {
        Choose(wizard, protocol);
        EXPECT_THAT(AddressesEnabled(wizard), Each(enabled)) << protocol;
        EXPECT_EQ(Addresses(wizard), shown) << protocol;
    }
}

// Disabled controls send their addresses all the same; a blank one reads 0.0.0.0.
TEST(NetworkSettingsPageTest, NextSendsTheProtocolAndTheFiveAddressesShown) {
    const DeviceState device = DhcpDevice();
    Wizard wizard(device);
    OnNetworkPage(wizard);
    wizard.Click(IDC_WIZARD_NEXT);
    const Bytes expected = PacketBuilder(CMD_SET_NETWORK_INFO, 88)
                               .U16(4, 76)
                               .Mac(device.mac)
                               .U8(12, 1)
                               .Text(13, "192.168.100.200")
                               .Text(28, "255.255.255.255")
                               .Text(43, "192.168.100.254")
                               .Text(58, "198.51.100.100")
                               .Text(73, "0.0.0.0");
    const std::vector<Bytes> requests = wizard.Requests(CMD_SET_NETWORK_INFO);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(Hex(requests[0]), Hex(expected));
    EXPECT_EQ(wizard.ShownPage(), 2);
}

}  // namespace
}  // namespace zerin::testing
