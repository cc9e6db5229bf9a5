// The console's world: the main window, made as for a new empty project —
// so it shows page1 with the turtle t1 on it, which console lines address
// as a new project's command line does — and the screenshot of the shown
// page that `--screenshot` writes after the run.
#pragma once

#include <filesystem>
#include <string>

namespace lx {

class tmultiobject;

// Makes the main window with its first page and turtle (Logo thread, after
// the world is built).
void makeConsoleWindow();
// The object console lines run as: the console's turtle, or the page shown
// when the turtle is gone, or none.
tmultiobject* consoleTarget();
// Lets go of the turtle at the end of the run.
void forgetConsoleWindow();
// Writes the composed page shown as a PNG file; false with a reason in
// `error` when no page is shown or the file cannot be written.
bool writeConsoleScreenshot(const std::filesystem::path& file, std::string& error);

}  // namespace lx
