#include "app/package_maker.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "app/package_writer.h"
#include "lang/container_probe.h"
#include "lang/project_file_writer.h"

namespace lx {
namespace {

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw std::runtime_error("cannot read " + path);
  return bytes.str();
}

// The runtime without a package already appended to it, so that packing a
// packed program replaces its project instead of stacking a second one.
std::string bareRuntime(std::string runtime) {
  try {
    const auto* bytes = reinterpret_cast<const uint8_t*>(runtime.data());
    const PackageDirectory directory = PackageDirectory::parse({bytes, runtime.size()});
    runtime.resize(directory.start());
  } catch (const ePackageMissing&) {
  } catch (const ePackageCorrupt&) {
    throw std::runtime_error("the runtime carries a damaged package");
  }
  return runtime;
}

}  // namespace

std::string projectEntryBytes(const std::string& fileBytes, std::string_view language) {
  std::istringstream probe(fileBytes);
  if (probeContainer(probe, ContainerKind::ckProbeOnly) != 0) return fileBytes;
  std::stringstream container(std::ios::in | std::ios::out | std::ios::binary);
  const std::streamoff textStart = beginProjectFile(container, language);
  container.write(fileBytes.data(), static_cast<std::streamsize>(fileBytes.size()));
  endTextChunk(container, textStart, false);
  return container.str();
}

void makeStandAloneProgram(const PackRequest& request) {
  const std::string runtime = bareRuntime(readWholeFile(request.runtimePath));
  const std::string project = projectEntryBytes(readWholeFile(request.projectPath), request.language);
  const std::string package = buildPackage({{std::string(kProjectEntryName), project},
                                            {std::string(kParamsEntryName), packageParameterRecord(request.voice)}});
  {
    std::ofstream out(request.outputPath, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + request.outputPath);
    out << runtime << package;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + request.outputPath);
  }
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::permissions(request.outputPath,
                  fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ignored);
}

void listPackage(const PackageDirectory& directory, std::ostream& out) {
  uint64_t total = 0;
  for (const PackageEntry& entry : directory.entries()) {
    out << entry.name << "\t" << entry.size << " bytes at " << entry.offset << "\n";
    total += entry.size;
  }
  out << directory.entries().size() << " entries, " << total << " bytes, package starts at "
      << directory.start() << "\n";
}

}  // namespace lx
