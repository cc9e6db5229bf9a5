// The global settings that Logo code reads and changes with `setoption` and
// `option`. One copy for the program; read by whoever holds the interpreter lock.
#pragma once

namespace lx {

struct GlobalOptions {
  int strict = 0;     // 0..2: how strictly word and list operations treat empty inputs and bad indexes
  bool ansi = false;  // print the true and false words without accents
  // The unit of `wait`, `every` and `after`: 0 milliseconds, 1 hundredths,
  // 2 tenths of a second.
  int waitUnit = 0;
};

GlobalOptions& globalOptions();

}  // namespace lx
