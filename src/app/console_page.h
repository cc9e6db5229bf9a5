// The console's world: the page that console lines draw on (page1), made
// in a headless window of its own until windows exist, and the screenshot
// of it that `--screenshot` writes after the run.
#pragma once

#include <filesystem>
#include <string>

namespace lx {

class tmultiobject;
class tlogopage;

// Makes page1 from the class `Page` (Logo thread, after the world is built).
tlogopage& makeConsolePage();
// The object console lines run as: the console page.
tmultiobject* consoleTarget();
// Lets go of the page at the end of the run.
void forgetConsolePage();
// Writes the composed console page as a PNG file; false with a reason in
// `error` when there is no page or the file cannot be written.
bool writeConsoleScreenshot(const std::filesystem::path& file, std::string& error);

}  // namespace lx
