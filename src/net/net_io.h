// The one I/O thread that every network object's sockets run on. Socket
// work is posted to its context and done there as Asio's asynchronous
// operations, so neither the user-interface thread nor a Logo process ever
// waits for the network unless it asked to (`users`, `info`).
#pragma once

#include <functional>

#include <asio/io_context.hpp>

namespace lx {

// The context of the I/O thread; the thread starts on first use and runs
// until the program ends.
asio::io_context& netContext();

// Runs `work` on the I/O thread and returns at once.
void postToNet(std::function<void()> work);

// Runs `work` on the I/O thread and waits until it has run (not from the
// I/O thread itself, where it runs at once).
void runOnNet(const std::function<void()>& work);

bool onNetThread();

// Connections that are being closed gracefully (their last messages still
// leaving) count themselves here, so that the program's end can wait for
// them: the I/O thread ends with the program, and ending it first would cut
// those messages off.
void lingerBegan();
void lingerEnded();

}  // namespace lx
