// The global settings that Logo code reads and changes with `setoption` and
// `option`. One copy for the program; read by whoever holds the interpreter lock.
#pragma once

#include <string>

namespace lx {

// The units of waits and of the fraction of `time`: 0 milliseconds,
// 1 hundredths, 2 tenths of a second.
inline constexpr int kMillisecondUnit = 0;
inline constexpr int kHundredthUnit = 1;
inline constexpr int kTenthUnit = 2;

struct GlobalOptions {
  // Kept by a full reset: they belong to the user rather than the project.
  int strict = 0;     // 0..2: how strictly word and list operations treat empty inputs and bad indexes
  bool ansi = false;  // print the true and false words without accents
  int octaves = 1;    // 1..4
  int fkeys = 2;      // the main window's function keys: 0, 1 or 2

  // Set back to these values by a full reset.
  int waitUnit = kMillisecondUnit;  // `wait`, `every`, `after` and `timer`
  int timeUnit = kMillisecondUnit;  // the fraction of `time` and `timeWord`
  int thresholdY2k = 10;            // two-digit years up to it are in 2000..
  bool colourCursor = true;
  bool sound = true;
  bool showTime = false;  // command lines report how long they ran
  std::string homePage = kWebSite;
  std::string pluginPage = kWebSite;
  std::string htmlCharset = "iso-8859-1";
  std::string htmlBottomLine;

  static constexpr const char* kWebSite = "https://lumaxis.example.org/";

  // What a full reset does: the project's settings go back to their
  // defaults, the user's settings stay.
  void resetForProject();
};

GlobalOptions& globalOptions();

// Milliseconds in one of the units above: hundredths (ms + 5) div 10 up to
// 99, tenths (ms + 50) div 100 up to 9.
int millisecondsInUnit(int milliseconds, int unit);

}  // namespace lx
