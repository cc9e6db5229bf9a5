// How the controls look: the colours of a modern desktop toolkit's light
// theme and the shapes every control draws with — rounded frames, the
// focus ring, faces for the hovered, pressed and disabled states.
#pragma once

#include "platform/pixel_buffer.h"

typedef struct _cairo cairo_t;

namespace lx {

namespace look {
inline constexpr Rgb kAccent = rgb(53, 132, 228);
inline constexpr Rgb kBorder = rgb(176, 176, 176);
inline constexpr Rgb kBorderHover = rgb(128, 128, 128);
inline constexpr Rgb kFace = rgb(246, 246, 246);
// The face of a tool bar, a little darker than its buttons.
inline constexpr Rgb kBar = rgb(232, 232, 232);
inline constexpr Rgb kFaceHover = rgb(236, 236, 236);
inline constexpr Rgb kFacePressed = rgb(214, 214, 214);
inline constexpr Rgb kFaceDown = rgb(208, 224, 245);
inline constexpr Rgb kFaceDisabled = rgb(250, 250, 250);
inline constexpr Rgb kText = rgb(30, 30, 30);
inline constexpr Rgb kTextDisabled = rgb(160, 160, 160);
inline constexpr Rgb kSelection = rgb(53, 132, 228);
inline constexpr Rgb kSelectionUnfocused = rgb(200, 200, 200);
inline constexpr Rgb kRefused = rgb(224, 27, 36);
inline constexpr double kRadius = 4;
}  // namespace look

void setColour(cairo_t* canvas, Rgb colour, double alpha = 1);
// A rounded rectangle path.
void roundedRectangle(cairo_t* canvas, double x, double y, double width, double height, double radius);
// A filled face with a one-pixel border inside (x, y, width, height).
void drawFrame(cairo_t* canvas, int width, int height, Rgb face, Rgb border, double radius = look::kRadius);
// The focus ring just outside a control of that size.
void drawFocusRing(cairo_t* canvas, int width, int height);

}  // namespace lx
