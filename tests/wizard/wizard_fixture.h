// The setup wizard's real windows from the real templates over scripted sockets and a scripted
// device: the frame with its three pages, created as the launch creates them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "protocol/device_record.h"
#include "tests/support/device_replies.h"
#include "tests/support/dialog_watcher.h"
#include "ui/wizard/closing_page.h"
#include "ui/wizard/device_settings_page.h"
#include "ui/wizard/network_settings_page.h"
#include "ui/wizard/wizard_frame.h"

namespace zerin::testing {

// A record holding what the device reports, as the detail queries leave it.
DeviceRecord RecordOf(const DeviceState& device);

// The bytes as lower-case hex, so that a failed comparison shows where two packets differ.
std::string Hex(const Bytes& bytes);

// Answers the wizard's message boxes, the "Note" and the application's, with OK and keeps
// each as "caption: text".
class MessageBoxes {
  public:
    MessageBoxes();
    std::vector<std::string> shown;

  private:
    DialogWatcher watcher_;
};

void RegisterCommonControls();
// A click on the dialog's control, as the mouse gives it.
void Click(HWND dialog, int id);
void PostClick(HWND dialog, int id);
// Focus on a control, then a key pressed there; posted into a modal loop.
void PostKey(HWND dialog, HWND control, WPARAM key);
// The message of a key pressed on the control that has the focus.
MSG KeyDownOnFocus(WPARAM key);

// The frame with its three pages over one scripted device, built as the launch builds them.
class Wizard {
  public:
    explicit Wizard(const DeviceState& device = DeviceState());

    // Creates and shows the frame.
    void Open();
    // Runs the frame modally; the script acts when the frame opens.
    INT_PTR RunModal(const std::function<void(HWND)>& script);

    void Click(int id) { testing::Click(frame.Handle(), id); }
    HWND Item(int id) const { return frame.Item(id); }
    HWND PageItem(int page, int id) const { return GetDlgItem(pages[page]->Handle(), id); }
    // The index of the one visible page; -1 when none or several are visible.
    int ShownPage() const;
    std::vector<Bytes> Requests(uint16_t command) const;

    ScriptedSocketLayer sockets;
    ScriptedDevices devices;
    DeviceRecord record;
    ui::WizardFrame frame{nullptr};
    ui::DeviceSettingsPage devicePage{sockets};
    ui::NetworkSettingsPage networkPage{sockets};
    ui::ClosingPage closingPage;
    std::vector<ui::WizardPage*> pages{&devicePage, &networkPage, &closingPage};
};

}  // namespace zerin::testing
