// `saveimage`, `savebitmap` and `appendimage`. Files are never written by
// this runtime: the only destination is the clipboard.
#pragma once

namespace lx {

class tLogoTab;

void registerImageSaving(tLogoTab& table);

}  // namespace lx
