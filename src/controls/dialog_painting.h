// Drawing a dialog with the controls' look: the prompt, a field with its
// caret, a list (of words, or of samples of pens, fills, widths and
// colours) with its selection, and the buttons, the focused part ringed.
#pragma once

#include "controls/dialog_form.h"
#include "platform/pixel_buffer.h"

namespace lx {

void paintDialog(const DialogForm& form, PixelBuffer& pixels);

}  // namespace lx
