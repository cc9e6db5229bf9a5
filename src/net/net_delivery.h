// Delivering what a network object received: on the user-interface
// thread, one message and one status at a time, each raising its event on
// the object; the next waits until the previous event's handler has ended.
// Run requests run in a process "@receive" whose end sends the reply.
#pragma once

#include <memory>

#include "core/value.h"
#include "net/net_params.h"

namespace lx {

class tLogoNet;

// Posts a delivery round for the object of `params` to the user-interface
// thread (any thread).
void postNetDelivery(std::shared_ptr<NetParams> params);

// One delivery round (user-interface thread, or a test's own).
void deliverNet(const std::shared_ptr<NetParams>& params);

// Sends a word (`w`), a list (`l`) or an image (`i`) value; error when the
// value is none of them.
NetMessage valueMessage(const Value& value);

}  // namespace lx
