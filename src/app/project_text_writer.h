// Writing the whole project text: the header line, the options, the main
// object's procedures and global variables, one block per saved object in
// creation order (the main window last), the follow-up lines that add
// behaviours and set the pages' `pageWho`, and the property lists.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lx {

struct ProjectSave {
  // A container save numbers the objects ("#n"); a plain-text save names them.
  bool numbered = true;
  // Save only these objects (and what they contain); a name starting with
  // ":" names a global variable, written at the end when the main object
  // itself is not saved. None: the main object and everything in it.
  std::optional<std::vector<std::string>> names;
  unsigned options = 0;
  std::string filePath;   // as the header shows it
  std::string imageFile;  // the separate image file's name (option extraimg)
};

class SavedImages;

// The text, lines ended by CR LF. Leaves every saved object's number set
// (0 for the others) until the next save. The images that property lists
// hold are added to `images`, when given, for the container.
std::string writeProjectText(const ProjectSave& save, SavedImages* images = nullptr);

// The header line: "; [language: "x" ]name: "path"  version: "v"  date: d".
std::string projectHeaderLine(const std::string& filePath);

}  // namespace lx
