// lumaxis-pack: makes a stand-alone program from the runtime and a project,
// or lists the package a program carries.
#include <iostream>
#include <string>
#include <vector>

#include "app/language_list.h"
#include "app/pack_command_line.h"
#include "app/package_directory.h"
#include "app/package_maker.h"
#include "platform/mapped_file.h"

namespace {

int listProgram(const std::string& path) {
  try {
    const auto file = lx::MappedFile::open(path);
    lx::listPackage(lx::PackageDirectory::parse(file->bytes()), std::cout);
    return 0;
  } catch (const lx::ePackageMissing&) {
    std::cerr << "lumaxis-pack: " << path << " carries no package\n";
  } catch (const std::exception& failure) {
    std::cerr << "lumaxis-pack: " << path << ": " << failure.what() << "\n";
  }
  return 1;
}

int pack(const lx::PackRequest& request) {
  try {
    lx::makeStandAloneProgram(request);
  } catch (const std::exception& failure) {
    std::cerr << "lumaxis-pack: " << failure.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const lx::PackCommandLine line = lx::parsePackCommandLine({argv + 1, argv + argc});
  if (!line.error.empty()) {
    std::cerr << "lumaxis-pack: " << line.error << "\n" << lx::packUsageText();
    return 2;
  }
  switch (line.action) {
    case lx::PackAction::Help:
    case lx::PackAction::Version:
      std::cout << line.text;
      return 0;
    case lx::PackAction::ListLanguages:
      lx::printLanguages(lx::availableLanguages(), std::cout);
      return 0;
    case lx::PackAction::List:
      return listProgram(line.listedProgram);
    case lx::PackAction::Pack:
      break;
  }
  return pack(line.request);
}
