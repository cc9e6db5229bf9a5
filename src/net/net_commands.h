// The commands of network objects: connecting and disconnecting, sending
// values, run requests and objects, reading what arrived, and asking about
// the participants.
#pragma once

#include "objects/multi_object.h"

namespace lx {

class tLogoNet;

// The network object Logo code runs as (error 77 for any other object).
tLogoNet& netSelf(tmultiobject& self);

void declareNetCommands(tmultiobject& prototype);

// How long `users` and `info` wait for the server's reply at most: a
// server that never answers must not hold the process for ever.
inline constexpr int kNetReplyWaitMs = 10000;

}  // namespace lx
