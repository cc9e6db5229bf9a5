// lumaxis-pack: makes a stand-alone program from the runtime and a project,
// or lists the package a program carries.
#include <iostream>
#include <string>
#include <vector>

#include "app/package_directory.h"
#include "app/package_maker.h"
#include "platform/mapped_file.h"

namespace {

const char* const kUsage =
    "usage: lumaxis-pack --runtime BIN --project FILE -o OUT [--lang NAME] [--voice]\n"
    "       lumaxis-pack --list EXE\n";

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

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  lx::PackRequest request;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (option == "--list" && hasValue) return listProgram(arguments[i + 1]);
    if (option == "--voice") {
      request.voice = true;
    } else if (option == "--runtime" && hasValue) {
      request.runtimePath = arguments[++i];
    } else if (option == "--project" && hasValue) {
      request.projectPath = arguments[++i];
    } else if (option == "-o" && hasValue) {
      request.outputPath = arguments[++i];
    } else if (option == "--lang" && hasValue) {
      request.language = arguments[++i];
    } else {
      std::cerr << "lumaxis-pack: unexpected " << option << "\n" << kUsage;
      return 2;
    }
  }
  if (request.runtimePath.empty() || request.projectPath.empty() || request.outputPath.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    lx::makeStandAloneProgram(request);
  } catch (const std::exception& failure) {
    std::cerr << "lumaxis-pack: " << failure.what() << "\n";
    return 1;
  }
  return 0;
}
