// Painting of dialogs. A dialog's pixels are composed from its controls
// (bitmap statics; owner-drawn buttons draw nothing) in template order, each
// over the ones before it, and then the dialog's own WM_PAINT draws through
// its device context.
// Frames are shown when the dialog has no messages left to handle.
#pragma once

#include "platform/src/dialog_state.h"

// Colour of a dialog's background, where no control lies.
constexpr uint32_t kDialogBackground = 0xC0C0C0;

// WM_PAINT of a dialog: paints the background once, composes every control,
// then lets the dialog procedure paint (validating the dialog if it does not).
void PaintDialog(DialogWindow& dialog);

// Marks a control's area (client pixels of its dialog) to be composed again.
void QueueControlRepaint(HWND control);

// Composes the queued control areas of every dialog and shows the dialogs
// whose pixels changed, owners first.
void FlushDialogFrames();
