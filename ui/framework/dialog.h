// A dialog bound to one template: modal run with a pre-translation hook, or a modeless child;
// the template's combo-box lists applied and member controls bound by id at initialisation;
// messages routed through a declarative message map.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "ui/framework/control.h"

namespace zerin::ui {

class Dialog {
  public:
    // nullopt lets the default dialog handling have the message.
    using MessageResult = std::optional<LRESULT>;
    using CommandHandler = void (Dialog::*)();
    using MessageHandler = MessageResult (Dialog::*)(WPARAM, LPARAM);

    // One line of a message map: a control notification (WM_COMMAND or WM_NOTIFY with its code
    // and control id) or a window message (or a range of them), and its handler.
    struct MessageMapEntry {
        UINT message;
        UINT lastMessage;
        UINT code;
        int controlId;
        CommandHandler onCommand;
        MessageHandler onMessage;
    };
    using MessageMap = std::vector<MessageMapEntry>;

    Dialog(int templateId, HWND parent);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally over its parent; the result EndModal was given.
    INT_PTR DoModal();
    // Creates the dialog as a modeless child of the parent given at construction.
    HWND Create();
    // Creates the dialog as a modeless child of a parent that did not exist at construction.
    HWND Create(HWND parent);
    // Ends the modal run with the result.
    void EndModal(INT_PTR result);

    HWND Handle() const { return handle_; }
    int TemplateId() const { return templateId_; }
    HWND Item(int id) const { return GetDlgItem(handle_, id); }

    // Called with every message of the modal loop before the default dialog handling; true
    // when the message was handled and must go no further.
    virtual bool PreTranslateMessage(MSG& message);

  protected:
    template <class D>
    static MessageMapEntry OnCommand(UINT code, int id, void (D::*handler)()) {
        return {WM_COMMAND, WM_COMMAND, code, id, static_cast<CommandHandler>(handler), nullptr};
    }
    template <class D>
    static MessageMapEntry OnNotify(UINT code, int id, void (D::*handler)()) {
        return {WM_NOTIFY, WM_NOTIFY, code, id, static_cast<CommandHandler>(handler), nullptr};
    }
    template <class D>
    static MessageMapEntry OnMessage(UINT message, MessageResult (D::*handler)(WPARAM, LPARAM)) {
        return OnMessageRange(message, message, handler);
    }
    template <class D>
    static MessageMapEntry OnMessageRange(UINT first, UINT last,
                                          MessageResult (D::*handler)(WPARAM, LPARAM)) {
        return {first, last, 0, 0, nullptr, static_cast<MessageHandler>(handler)};
    }
    // Every colour request of the WM_CTLCOLOR family.
    template <class D>
    static MessageMapEntry OnColourRequests(MessageResult (D::*handler)(WPARAM, LPARAM)) {
        return OnMessageRange(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, handler);
    }
    // The message being handled.
    UINT CurrentMessage() const { return currentMessage_; }

    virtual const MessageMap& GetMessageMap() const;
    // Binds the member controls with Bind; runs before OnInitDialog.
    virtual void BindControls() {}
    // True lets the system set the default focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndModal(IDOK); }
    virtual void OnCancel() { EndModal(IDCANCEL); }

    void Bind(Control& control, int id) { control.Attach(Item(id)); }
    // What the dialog's default handling answers: the base answer of the colour requests.
    LRESULT DefaultAnswer(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(handle_, message, wParam, lParam);
    }

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Initialise();
    const MessageMapEntry* FindEntry(UINT message, UINT code, int id) const;
    bool HandleCommand(UINT message, UINT code, int id);
    void RunModalLoop();

    int templateId_;
    HWND parent_;
    HWND handle_ = nullptr;
    bool modal_ = false;
    INT_PTR result_ = IDCANCEL;
    UINT currentMessage_ = 0;
};

}  // namespace zerin::ui
