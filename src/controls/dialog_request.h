// What a dialog asks: its kind, the form whose texts it shows, the text
// and choices it offers; and what the user answered. The primitives build
// a request, the dialog machinery (a drawn window, or the answer queue of
// a run without one) gives back the answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lx {

enum class DialogKind : uint8_t {
  Message,  // a text and one OK button
  Buttons,  // a text and buttons of its own; the answer is the button's caption
  Text,     // a field to type a line into; the answer is the line
  Choice,   // a list to choose one item from; the answer is the item as shown
  File,     // a list of file names and a field for the name; the answer is the name
};

struct DialogRequest {
  DialogKind kind = DialogKind::Message;
  // The interface dictionary's section of the form ("ColourChooser"): its
  // "$" entry is the default caption, its other entries the form's texts.
  std::string form;
  std::string caption;  // given by the project; empty: the form's own
  std::string prompt;   // the text above the field or the list
  // Buttons: the captions; Choice and File: the items as they are shown.
  std::vector<std::string> items;
  std::string text;   // the field's text at the start
  int selected = -1;  // the item chosen at the start, -1 for none
  // How Choice items look: as words, or drawn as samples of pens, fills or colours.
  enum class Samples : uint8_t {
    Words,
    PenPatterns,
    FillPatterns,
    PenWidths,
    Colours
  } samples = Samples::Words;
  std::vector<uint32_t> colours;  // Colours: the colour (0xRRGGBB) of each item
};

// A request of that kind and form, the rest as a request starts.
inline DialogRequest dialogRequest(DialogKind kind, std::string form, std::string caption = {}) {
  DialogRequest request;
  request.kind = kind;
  request.form = std::move(form);
  request.caption = std::move(caption);
  return request;
}

// What came back: the button caption, the typed line, the chosen item as
// shown or the file name; none when cancelled.
using DialogAnswer = std::optional<std::string>;

}  // namespace lx
