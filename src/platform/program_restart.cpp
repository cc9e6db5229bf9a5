// Starting this program again with execv.
#include "platform/program_restart.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace lx {

bool programCanBeStarted(const std::filesystem::path& program) {
  return ::access(program.c_str(), X_OK) == 0;
}

std::string replaceProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // What the old run wrote must come out before the new run's text.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  ::execv(program.c_str(), argv.data());
  return std::strerror(errno);
}

}  // namespace lx
