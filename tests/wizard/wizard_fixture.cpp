// The wizard's windows for the tests.
#include "tests/wizard/wizard_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "tests/support/record_text.h"

namespace zerin::testing {

namespace {

constexpr int kMessageBoxTextId = 0xffff;

// The "Note" of the device settings page, and the application's own captioned with the name
// of this test program.
bool IsMessageBoxCaption(const std::string& caption) {
    return caption == "Note" || caption == "wizard_test";
}

}  // namespace

DeviceRecord RecordOf(const DeviceState& device) {
    DeviceRecord record;
    Put(record.name, device.name);
    Put(record.description, device.description);
    Put(record.firmwareVersion, device.firmware);
    record.passwordFlag = device.passwordFlag;
    record.macAddress = device.mac;
    record.ipStatus = device.ipStatus;
    Put(record.ipAddress, device.ip);
    Put(record.subnetMask, device.mask);
    Put(record.defaultGateway, device.gateway);
    Put(record.primaryDns, device.dns1);
    Put(record.secondaryDns, device.dns2);
    Put(record.deviceDate, device.date);
    Put(record.deviceTime, device.time);
    record.timeZoneIndex = device.timeZone;
    return record;
}

std::string Hex(const Bytes& bytes) {
    std::string hex;
    for (uint8_t byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    return hex;
}

MessageBoxes::MessageBoxes()
    : watcher_([this](HWND window) {
          const std::string caption = WindowText(window);
          if (IsMessageBoxCaption(caption)) {
              shown.push_back(caption + ": " + ItemText(window, kMessageBoxTextId));
              PostMessageW(window, WM_COMMAND, IDOK, 0);
          }
      }) {}

void RegisterCommonControls() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&classes);
}

void Click(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PostClick(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PostKey(HWND dialog, HWND control, WPARAM key) {
    PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    PostMessageW(control, WM_KEYDOWN, key, 0);
}

MSG KeyDownOnFocus(WPARAM key) {
    MSG message{};
    message.hwnd = GetFocus();
    message.message = WM_KEYDOWN;
    message.wParam = key;
    return message;
}

Wizard::Wizard(const DeviceState& device) : devices(sockets, {device}), record(RecordOf(device)) {
    RegisterCommonControls();
    frame.SetDevice(&record);
    for (ui::WizardPage* page : pages) {
        frame.AddPage(*page);
    }
}

void Wizard::Open() {
    ASSERT_NE(frame.Create(), nullptr);
    ShowWindow(frame.Handle(), SW_SHOW);
}

INT_PTR Wizard::RunModal(const std::function<void(HWND)>& script) {
    DialogWatcher watcher([&](HWND window) {
        if (WindowText(window) == "Wizard") {
            script(window);
        }
    });
    return frame.DoModal();
}

int Wizard::ShownPage() const {
    int shown = -1;
    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        if (IsWindowVisible(pages[i]->Handle())) {
            shown = shown == -1 ? i : -2;
        }
    }
    return std::max(shown, -1);
}

std::vector<Bytes> Wizard::Requests(uint16_t command) const {
    std::vector<Bytes> matching;
    for (const Bytes& request : devices.requests) {
        if (PacketHeader::Read(request.data()).command == command) {
            matching.push_back(request);
        }
    }
    return matching;
}

}  // namespace zerin::testing
