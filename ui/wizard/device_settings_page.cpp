// The device settings page: filled from the record, checked and written on Next.
#include "ui/wizard/device_settings_page.h"

#include <commctrl.h>

#include "protocol/description_rule.h"
#include "resources/resource.h"
#include "ui/wizard/device_clock.h"

namespace zerin::ui {

namespace {

SYSTEMTIME ToSystemTime(const LocalDateTime& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    return system;
}

void SetPicker(const Control& picker, const SYSTEMTIME& time) {
    picker.Send(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

SYSTEMTIME PickerTime(const Control& picker) {
    SYSTEMTIME time{};
    picker.Send(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

}  // namespace

DeviceSettingsPage::DeviceSettingsPage(SocketLayer& sockets)
    : WizardPage(IDD_DEVICE_SETTINGS_PAGE), sockets_(sockets) {}

void DeviceSettingsPage::BindControls() {
    Bind(timeZoneBox_, IDC_TIME_ZONE);
    Bind(timePicker_, IDC_DEVICE_TIME);
    Bind(datePicker_, IDC_DEVICE_DATE);
    Bind(descriptionEdit_, IDC_DEVICE_DESCRIPTION);
    Bind(noPasswordBox_, IDC_NO_PASSWORD_NEXT_TIME);
}

// The edit takes no more than is checked and sent, and the date picker offers only the dates a
// local time can carry, so what the user sees is what goes to the device.
BOOL DeviceSettingsPage::OnInitDialog() {
    descriptionEdit_.Send(EM_LIMITTEXT, kDescriptionMaxLength);
    const SYSTEMTIME range[] = {ToSystemTime(kFirstDeviceDate), ToSystemTime(kLastDeviceDate)};
    datePicker_.Send(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    return WizardPage::OnInitDialog();
}

void DeviceSettingsPage::Fill(const DeviceRecord& device) {
    noPasswordBox_.Send(BM_SETCHECK, device.passwordFlag == 0 ? BST_CHECKED : BST_UNCHECKED);
    // An index past the list's end leaves the box without a selection.
    timeZoneBox_.Send(CB_SETCURSEL, device.timeZoneIndex);
    descriptionEdit_.SetText(std::string(device.description).substr(0, kDescriptionMaxLength));
    ShowDeviceTime(device);
}

// Both pickers keep their creation value, the computer's current time, when the record's date
// and time give no local time the page can show.
void DeviceSettingsPage::ShowDeviceTime(const DeviceRecord& device) const {
    if (const auto local = DeviceLocalTime(device.deviceDate, device.deviceTime)) {
        const SYSTEMTIME time = ToSystemTime(*local);
        SetPicker(datePicker_, time);
        SetPicker(timePicker_, time);
    }
}

int DeviceSettingsPage::Apply(const DeviceRecord& device) {
    const std::string description = descriptionEdit_.Text();
    if (!IsValidDescription(description)) {
        MessageBoxA(GetParent(Handle()), kInvalidDescriptionMessage, kInvalidDescriptionCaption,
                    MB_OK | MB_ICONINFORMATION);
        return 1;
    }
    return SetDeviceInfo(sockets_, reporter_, device.macAddress, device.name,
                         ChosenSettings(description), TowardsDevice(device))
        .code;
}

// The date comes from the date picker only and the time of day from the time picker only.
DeviceSettings DeviceSettingsPage::ChosenSettings(const std::string& description) const {
    const SYSTEMTIME date = PickerTime(datePicker_);
    const SYSTEMTIME time = PickerTime(timePicker_);
    DeviceSettings settings;
    settings.verificationFlag = noPasswordBox_.Send(BM_GETCHECK) == BST_CHECKED ? 0 : 1;
    settings.description = description;
    settings.year = date.wYear;
    settings.month = date.wMonth;
    settings.day = date.wDay;
    settings.hour = time.wHour;
    settings.minute = time.wMinute;
    settings.second = time.wSecond;
    settings.timeZoneIndex = static_cast<int>(timeZoneBox_.Send(CB_GETCURSEL));
    return settings;
}

}  // namespace zerin::ui
