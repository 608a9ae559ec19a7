// ConfigDialog: the dialog's own messages (painting, the mouse over the
// sliders and the miniature, the drag icon).
#include "configurator/config_dialog.h"

#include "art/resource_catalog.h"
#include "configurator/preview_hit_test.h"
#include "configurator/program_sounds.h"

namespace {

// Client area of a slider's track (open bounds).
struct SliderArea {
  int left, top, right, bottom, trackLeft;
};
const SliderArea kSliderAreas[] = {
    {138, 31, 263, 48, 141},
    {138, 54, 263, 71, 141},
    {138, 77, 263, 94, 141},
    {145, 342, 270, 359, 148},
};

bool InSliderArea(int slider, int x, int y) {
  if (slider < 1 || slider > 4) return false;
  const SliderArea& area = kSliderAreas[slider - 1];
  return x > area.left && x < area.right && y > area.top && y < area.bottom;
}

// The slider whose area holds the point, 0 for none.
int SliderAt(int x, int y) {
  for (int slider = 1; slider <= 4; ++slider)
    if (InSliderArea(slider, x, y)) return slider;
  return 0;
}

// The slider value for a pointer x (before clamping to 0..20).
int SliderValueAt(int slider, int x) { return (x - kSliderAreas[slider - 1].trackLeft) * 2 / 11; }

// Client coordinates of a mouse message (signed: the pointer may be left of
// or above the client area).
int PointerX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int PointerY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

// Canvas coordinates of a client point.
int CanvasX(int x) { return x - ConfigDialog::kPreviewClientLeft; }
int CanvasY(int y) { return y - ConfigDialog::kPreviewClientTop; }

// Open bounds: the canvas's first row and column lie outside, the first of
// the black columns beside it inside.
bool InPreviewArea(int x, int y) {
  return CanvasX(x) > 0 && CanvasX(x) < PreviewCanvas::kWidth + 1 && CanvasY(y) > 0 &&
         CanvasY(y) < PreviewCanvas::kHeight;
}

}  // namespace

bool ConfigDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_PAINT: OnPaint(); return true;
    case WM_QUERYDRAGICON: result = reinterpret_cast<INT_PTR>(icon); return true;
    case WM_LBUTTONDOWN: OnLeftButtonDown(PointerX(lParam), PointerY(lParam)); return false;
    case WM_MOUSEMOVE: OnMouseMove(PointerX(lParam), PointerY(lParam)); return false;
    case WM_LBUTTONUP: OnLeftButtonUp(PointerX(lParam), PointerY(lParam)); return false;
    default: return false;
  }
}

void ConfigDialog::OnPaint() {
  PAINTSTRUCT paint;
  BeginPaint(Window(), &paint);
  EndPaint(Window(), &paint);
  // The miniature is no control: whatever the paint erased, it draws again.
  ComposePreview(previewOriginX, previewOriginY);
  if (previewDirty == 1) {
    ShowLayoutCount();
    previewDirty = 0;
  }
}

void ConfigDialog::OnLeftButtonDown(int x, int y) {
  const int slider = SliderAt(x, y);
  if (slider != 0) {
    SetSlider(slider, SliderValueAt(slider, x));
    activeSlider = static_cast<short>(slider);
  } else if (InPreviewArea(x, y)) {
    OpenPickerForHoverPart();
  }
  if (activeSlider != 0 && uiReady == 1) PlayProgramWave(IDW_CLICK);
}

void ConfigDialog::OnMouseMove(int x, int y) {
  if (hoverPart != kNoPart && !InPreviewArea(x, y)) {
    hoverPart = kNoPart;
    ComposePreview(previewOriginX, previewOriginY);
  }
  hoverPart = kNoPart;
  if (InSliderArea(activeSlider, x, y)) {
    SetSlider(activeSlider, SliderValueAt(activeSlider, x));
    return;
  }
  if (!InPreviewArea(x, y)) {
    activeSlider = 0;
    return;
  }
  UpdateHoverPart(x, y);
}

void ConfigDialog::OnLeftButtonUp(int x, int y) {
  if (InSliderArea(activeSlider, x, y)) SetSlider(activeSlider, SliderValueAt(activeSlider, x));
  activeSlider = 0;
}

void ConfigDialog::UpdateHoverPart(int x, int y) {
  const LoadedLibraries libraries = {piecesLibrary != nullptr, boardsLibrary != nullptr, backdropsLibrary != nullptr,
                                     consolesLibrary != nullptr};
  hoverPart = PreviewPartAt(CanvasX(x), CanvasY(y), libraries);
  ComposePreview(previewOriginX, previewOriginY);
}
