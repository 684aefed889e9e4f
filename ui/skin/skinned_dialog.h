// A dialog painted with a skin bitmap. Its paint handler and the colour handler shared by the
// skinned windows go into the message maps of the dialogs that use them.
#pragma once

#include "ui/framework/dialog.h"

namespace zerin::ui {

class SkinnedDialog : public Dialog {
  public:
    enum class Scheme { kStretched, kAnchored };

    SkinnedDialog(int templateId, HWND parent, int skinBitmapId, Scheme scheme)
        : Dialog(templateId, parent), skinBitmapId_(skinBitmapId), scheme_(scheme) {}

  protected:
    MessageResult OnPaintSkin(WPARAM, LPARAM);
    // Static controls lie transparently on the skin; every other control keeps its own look.
    MessageResult OnColourByKind(WPARAM wParam, LPARAM lParam);

  private:
    int skinBitmapId_;
    Scheme scheme_;
};

}  // namespace zerin::ui
