// The window of a player that `openvideo` opens with a style list: a plain
// dark panel (video pictures are not decoded), with a bar of three control
// buttons below it when the style asks for them — play, stop and back to
// the start. Closing the window closes the player.
#pragma once

#include <memory>
#include <string>

#include "media/player_windows.h"
#include "platform/platform_window.h"

namespace lx {

// The buttons' bar: its height, and each button's width and gap.
constexpr int kPlayerBarHeight = 28;
constexpr int kPlayerButtonWidth = 32;

// Makes the window on the user-interface thread (a process hands it over);
// null when no platform runs.
std::shared_ptr<PlatformWindow> makePlayerPanel(const std::string& alias, const std::string& title,
                                                const PlayerStyle& style);
// Drops the window on the user-interface thread.
void dropPlayerPanel(std::shared_ptr<PlatformWindow> window);

}  // namespace lx
