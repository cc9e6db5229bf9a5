// The console's world: the page that console lines draw on (page1), made
// in a headless window of its own until windows exist, with the turtle t1
// on it that console lines address, as a new project's command line does;
// and the screenshot of the page that `--screenshot` writes after the run.
#pragma once

#include <filesystem>
#include <string>

namespace lx {

class tmultiobject;
class tlogopage;

// Makes page1 from the class `Page` and t1 from the class `Turtle` on it
// (Logo thread, after the world is built).
tlogopage& makeConsolePage();
// The object console lines run as: the console turtle, or the page when
// the turtle is gone.
tmultiobject* consoleTarget();
// Lets go of the page at the end of the run.
void forgetConsolePage();
// Writes the composed console page as a PNG file; false with a reason in
// `error` when there is no page or the file cannot be written.
bool writeConsoleScreenshot(const std::filesystem::path& file, std::string& error);

}  // namespace lx
