// Window parameters and the application's title.
#include "graphics/window_params.h"

namespace lx {
namespace {

std::string& title() {
  static std::string text = "Lumaxis";
  return text;
}

}  // namespace

WindowParams tLogoWindowParams::platformParams() const {
  return {caption.empty() ? applicationTitle() : caption, left, top, width, height, true};
}

const std::string& applicationTitle() {
  return title();
}

void setApplicationTitle(std::string text) {
  title() = std::move(text);
}

}  // namespace lx
