// The container's signature and version check.
#include "lang/container_probe.h"

#include <istream>
#include <string_view>

#include "core/logo_exception.h"
#include "lang/container_stream.h"

namespace lx {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr int kOldFormat = -1;

// The version from the first five bytes of a file, before any rule about
// what may be opened: 0 for no container, kOldFormat for the old format, and
// versions above 5 as they are.
int signatureVersion(const char* bytes, std::streamoff available) {
  if (available < kSignatureSize) return 0;
  const std::string_view signature(bytes, 3);
  if (!isDigit(bytes[3]) || !isDigit(bytes[4])) return 0;
  if (signature == kOldFormatSignature) return kOldFormat;
  if (signature != kContainerSignature) return 0;
  const int version = 10 * (bytes[3] - '0') + (bytes[4] - '0');
  return version < kVersionWithoutLanguage ? 0 : version;
}

const char* containerKindExtension(ContainerKind kind) {
  return kind == ckImageFile ? ".LGF" : ".LXP";
}

}  // namespace

int probeContainer(std::istream& in, ContainerKind kind) {
  char bytes[kSignatureSize] = {};
  seekTo(in, 0);
  in.read(bytes, kSignatureSize);
  const std::streamoff got = in.gcount();
  in.clear();
  int version = signatureVersion(bytes, got);
  if (version > kVersionWithLanguage) {
    if (kind != ckProbeOnly)
      throw eLogoException::withWord(erImageFileVersionPlugin, containerKindExtension(kind));
    version = 0;
  } else if (version == kOldFormat) {
    if (kind != ckProbeOnly) throw eLogoException(erPackage);
    version = 0;
  }
  if (version == 0 && kind == ckImageFile) throw eLogoException::withWord(erImageFile, ".LGF");
  return version;
}

}  // namespace lx
