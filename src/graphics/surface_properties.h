// The properties of pages and panes: background colour, the line colour,
// width and pattern of the bg commands, the background picture, the
// origin, the size, and a page's voice menu. Getters and setters run as
// protected work on the user-interface thread.
#pragma once

#include "objects/multi_object.h"

namespace lx {

// Declares the properties that pages and panes share on a prototype.
void declareSurfaceProperties(tmultiobject& prototype);
// A pane's own: its place on the page (`aPos`, `pos`).
void declarePaneProperties(tmultiobject& prototype);
// A page's own: `voiceMenu`.
void declarePageProperties(tmultiobject& prototype);

// Fills the drawing with the background colour and raises the owner's
// `onClean` (what `cleanbgpicture` does).
void cleanDrawing(tmultiobject& owner);
// A pane loaded without `bgColour`: its variable bgcolour1 gives the
// background colour, or bgcolour2 when bgcolour1 is missing or already the
// background colour; errors reading them are ignored.
void takeBackgroundFromVariables(tmultiobject& pane);
// Replaces the drawing with a picture: the owner is resized to the
// picture's size, the drawing filled white, the picture drawn.
void loadBackgroundPicture(tmultiobject& owner, const Value& picture);

}  // namespace lx
