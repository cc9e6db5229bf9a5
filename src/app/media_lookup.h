// The sound and media primitives with the application's way of finding
// media files: in the packed project (copied out to temporary files that
// are removed when the program ends), then through the search folders.
#pragma once

#include <filesystem>
#include <string>

namespace lx {

class tLogoTab;

// Registers the primitives and lends the media layer the lookup.
void registerMediaPrimitives(tLogoTab& table);

// The path a media file name stands for (see media/media_files.h).
std::filesystem::path lookUpMediaFile(const std::string& name);
// Removes the temporary copies made so far (also done at program end).
void removeMediaCopies();
// Closes the media files still open, before the sound output they play on
// goes away with the platform, and removes the temporary copies.
void endMediaFiles();

}  // namespace lx
