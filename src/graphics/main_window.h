// The runtime's main window: the window object named by the dictionary's
// `class`/`mainwindow` entry, made in the main object when the world
// starts. As the first window it takes the start-up steps: it records the
// project that is going to be loaded in the variable `loading`, or, for a
// new empty project, makes a first page with one turtle on it.
#pragma once

#include <string>

#include "objects/multi_object.h"

namespace lx {

class tSplitwindow;

// Makes the main window (a Logo thread with a thread state, holding the
// interpreter lock). `projectFile` is the project to be loaded after it,
// or empty for a new empty project.
tSplitwindow& makeMainWindow(const std::string& projectFile);

// The main window, or none.
tSplitwindow* mainWindow();

// The project the main window's start-up steps see (set by makeMainWindow).
const std::string& startingProjectFile();

}  // namespace lx
