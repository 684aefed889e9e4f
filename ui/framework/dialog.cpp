// The dialog base: creation, initialisation, message routing and the modal loop.
#include "ui/framework/dialog.h"

#include "ui/framework/init_lists.h"

namespace zerin::ui {

namespace {

bool IsColourRequest(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

Dialog::Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() {
    if (handle_) {
        SetWindowLongPtrW(handle_, DWLP_USER, 0);
        DestroyWindow(handle_);
    }
}

const Dialog::MessageMap& Dialog::GetMessageMap() const {
    static const MessageMap empty;
    return empty;
}

HWND Dialog::Create() {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent_,
                              DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create(HWND parent) {
    parent_ = parent;
    return Create();
}

INT_PTR Dialog::DoModal() {
    modal_ = true;
    result_ = IDCANCEL;
    if (!Create()) {
        modal_ = false;
        return -1;
    }
    if (parent_) {
        EnableWindow(parent_, FALSE);
    }
    ShowWindow(handle_, SW_SHOW);
    RunModalLoop();
    // The owner is enabled before the dialog goes, so that it becomes the active window again.
    if (parent_) {
        EnableWindow(parent_, TRUE);
        SetActiveWindow(parent_);
    }
    if (handle_) {
        DestroyWindow(handle_);
    }
    return result_;
}

void Dialog::RunModalLoop() {
    MSG message;
    while (modal_ && handle_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Dialog::EndModal(INT_PTR result) {
    result_ = result;
    modal_ = false;
    PostMessageW(handle_, WM_NULL, 0, 0);  // wakes the modal loop
}

bool Dialog::PreTranslateMessage(MSG& message) {
    return IsDialogMessageW(handle_, &message);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->handle_ = window;
        return dialog->Initialise();
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        dialog->handle_ = nullptr;
        return FALSE;
    }
    return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR Dialog::Initialise() {
    ApplyInitLists(handle_, templateId_);
    BindControls();
    return OnInitDialog();
}

const Dialog::MessageMapEntry* Dialog::FindEntry(UINT message, UINT code, int id) const {
    for (const MessageMapEntry& entry : GetMessageMap()) {
        const bool isNotification = entry.message == WM_COMMAND || entry.message == WM_NOTIFY;
        if (message >= entry.message && message <= entry.lastMessage &&
            (!isNotification || (entry.code == code && entry.controlId == id))) {
            return &entry;
        }
    }
    return nullptr;
}

bool Dialog::HandleCommand(UINT message, UINT code, int id) {
    if (const MessageMapEntry* entry = FindEntry(message, code, id)) {
        (this->*entry->onCommand)();
        return true;
    }
    if (message == WM_COMMAND && code == BN_CLICKED && (id == IDOK || id == IDCANCEL)) {
        id == IDOK ? OnOK() : OnCancel();
        return true;
    }
    return false;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        return HandleCommand(message, HIWORD(wParam), static_cast<short>(LOWORD(wParam)));
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return HandleCommand(message, header->code, static_cast<int>(header->idFrom));
    }
    const MessageMapEntry* entry = FindEntry(message, 0, 0);
    if (!entry) {
        return FALSE;
    }
    const UINT outerMessage = currentMessage_;
    currentMessage_ = message;
    const MessageResult result = (this->*entry->onMessage)(wParam, lParam);
    currentMessage_ = outerMessage;
    if (!result) {
        return FALSE;
    }
    if (IsColourRequest(message)) {
        return static_cast<INT_PTR>(*result);  // a dialog answers these with the brush itself
    }
    SetWindowLongPtrW(handle_, DWLP_MSGRESULT, *result);
    return TRUE;
}

}  // namespace zerin::ui
