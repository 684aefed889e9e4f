// Paint and colour handlers of the skinned dialogs.
#include "ui/skin/skinned_dialog.h"

#include "ui/skin/skin_painting.h"

namespace zerin::ui {

Dialog::MessageResult SkinnedDialog::OnPaintSkin(WPARAM, LPARAM) {
    if (scheme_ == Scheme::kStretched) {
        PaintStretchedSkin(Handle(), skinBitmapId_);
    } else {
        PaintAnchoredSkin(Handle(), skinBitmapId_);
    }
    return 0;
}

Dialog::MessageResult SkinnedDialog::OnColourByKind(WPARAM wParam, LPARAM lParam) {
    const LRESULT base = DefaultAnswer(CurrentMessage(), wParam, lParam);
    return ColourByRequestKind(reinterpret_cast<HDC>(wParam), CurrentMessage(), base);
}

}  // namespace zerin::ui
