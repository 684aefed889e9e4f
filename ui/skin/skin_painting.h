// The skinned painting every window but the About box shares: a skin bitmap over the whole
// background, and colour answers that make labels transparent on it.
#pragma once

#include <windows.h>

namespace zerin::ui {

// Stretches the bitmap over the whole client rectangle (windows whose skin carries a banner).
void PaintStretchedSkin(HWND window, int bitmapId);
// Copies the bitmap at its own size to the client area's top-left corner (plain backgrounds).
void PaintAnchoredSkin(HWND window, int bitmapId);
// Draws the icon centred over the erased icon background, for a minimised window.
void PaintMinimisedIcon(HWND window, HICON icon);

// The main window's colour rule: controls with the anonymous id -1 (labels, group boxes, lines)
// are drawn transparently; everything else keeps the base answer.
LRESULT ColourByControlId(HDC dc, HWND control, LRESULT baseAnswer);
// The other skinned windows' colour rule: every static control is drawn transparently.
LRESULT ColourByRequestKind(HDC dc, UINT message, LRESULT baseAnswer);

}  // namespace zerin::ui
