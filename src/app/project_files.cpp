// Saving and opening project files.
#include "app/project_files.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "app/named_file.h"
#include "app/path_resolver.h"
#include "app/project_icon.h"
#include "app/project_loader.h"
#include "app/project_save_options.h"
#include "app/project_text_writer.h"
#include "app/saved_images.h"
#include "core/logo_exception.h"
#include "lang/container_writer.h"
#include "lang/dictionary.h"
#include "lang/dictionary_table.h"
#include "lang/project_file_writer.h"
#include "platform/clipboard.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

std::string containerBytes(const std::string& text, const SavedImages& images) {
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  const std::streamoff dataStart = beginProjectFile(io, currentLanguage());
  io.write(text.data(), static_cast<std::streamsize>(text.size()));
  endTextChunk(io, dataStart, false);
  appendProjectIcon(io);
  images.appendChunks(io);
  return io.str();
}

// Moves an existing file aside as name + ".bak" (an older backup goes).
void keepBackup(const fs::path& path) {
  std::error_code ignored;
  if (!fs::exists(path, ignored)) return;
  fs::path backup = path;
  backup += ".bak";
  fs::remove(backup, ignored);
  fs::rename(path, backup, ignored);
}

void markReadOnly(const fs::path& path) {
  std::error_code ignored;
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove, ignored);
}

void writeFile(const fs::path& path, const std::string& bytes, const std::string& shownName) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out || !out.flush()) throw eLogoException::withWord(erFileCreate, shownName);
}

std::string imageFileName(const fs::path& path) {
  return "$" + path.stem().string() + ".LGF";
}

}  // namespace

bool isPlainTextProjectName(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string extension = asciiLower(name.substr(dot));
  return extension == ".lxt" || extension == ".txt";
}

std::string saveProject(const ProjectSaveRequest& request) {
  const ResolvedPath resolved = resolvePath(fkProject, request.name, rfNone);
  ProjectSave save;
  save.names = request.objects;
  save.options = request.options;
  if (resolved.isClipboard) {
    save.numbered = false;
    setClipboardText(writeProjectText(save));
    return request.name;
  }
  const std::string shown = resolved.text();
  save.numbered = !isPlainTextProjectName(shown);
  save.filePath = shown;
  save.imageFile = imageFileName(resolved.path);
  SavedImages images(loadedProjectImages());
  const std::string text = writeProjectText(save, &images);
  if (save.options & soBackup) keepBackup(resolved.path);
  writeFile(resolved.path, save.numbered ? containerBytes(text, images) : text, shown);
  if (save.options & soReadOnly) markReadOnly(resolved.path);
  return shown;
}

OpenedProject openProject(const std::string& name) {
  if (isClipboardName(name)) {
    // What `save` puts on the clipboard: project text, names for numbers.
    OpenedProject fromClipboard;
    fromClipboard.contents.text = clipboardText();
    return fromClipboard;
  }
  NamedFile file = openNamedFile(name, fkProject);
  return {file.path, readProjectFile(*file.stream)};
}

}  // namespace lx
