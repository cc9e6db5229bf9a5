// The drawing-list compiler: a walk over the list with an explicit stack of
// frames, a pen that traces paths, and attribute changes that wait until
// something is drawn with them.
#include "graphics/drawing_compiler.h"

#include <cmath>

#include "graphics/colour_value.h"
#include "graphics/drawing_ellipse.h"
#include "graphics/drawing_path.h"
#include "graphics/drawing_vocabulary.h"
#include "graphics/rect_list.h"
#include "graphics/turtle_geometry.h"
#include "graphics/turtle_ink.h"
#include "core/logo_exception.h"

namespace lx {
namespace {

// The widest pen a drawing list may choose, as for turtles.
constexpr int kLargestDot = 10000;
// What a label costs besides its characters.
constexpr size_t kLabelWork = 100;

// What ending a frame's list does besides going back to the frame below.
enum class FrameEnd : uint8_t { None, Polygon, Spline };

// A list being walked: the cell of its next element (none at its end), the
// list again for the rounds of a repeat still to come, and what its end does.
struct Frame {
  const tLogoList* next = nullptr;
  const tLogoList* body = nullptr;
  int roundsLeft = 0;
  FrameEnd end = FrameEnd::None;
};

const tLogoList* firstCell(const tLogoList& list) {
  return list.isEmpty() ? nullptr : &list;
}

bool isWordMove(DrawCode code) {
  return code == DrawCode::Forward || code == DrawCode::Back || code == DrawCode::Right ||
         code == DrawCode::Left || code == DrawCode::Repeat;
}

long double finiteNumber(const Value& value) {
  const long double v = value->asReal();
  if (!std::isfinite(v)) throw eLogoException(erNumTooBig, value);
  return v;
}

DrawItem itemOf(DrawItemKind kind, std::vector<PointF> points = {}) {
  DrawItem item;
  item.kind = kind;
  item.points = std::move(points);
  return item;
}

const tLogoList& listInput(const Value& value) {
  const tLogoList* list = asList(*value);
  if (!list) throw eLogoException(erExpectList, value);
  return *list;
}

class DrawingCompiler {
 public:
  explicit DrawingCompiler(const DrawAttributes& start) : pending_(start), emitted_(start) {}
  std::vector<DrawItem> run(const tLogoList& list);

 private:
  // --- Walking ---
  void spend(size_t work);
  [[noreturn]] void overLimit();
  void finishFrame();
  void step(const Value& element);
  const Value* peek() const;
  Value takeInput(const Value& word, errorConst missing);
  void numberForm(const Value& number);
  void command(const Value& word);
  void perform(DrawCode code, const Value& word);
  void repeat(const Value& count, const Value& list);
  void enterShape(FrameEnd end, const tLogoList& list);
  void leaveShape(FrameEnd end);

  // --- The pen and its paths ---
  void checkFar(PointF p) const;
  void moveTo(PointF p);
  void forward(long double distance);
  void turn(long double angle) { heading_ = normaliseHeading(heading_ + angle); }
  void penUp();
  void penDown();
  void endPath();
  void points(const tLogoList& list, bool vectors, const Value& word);

  // --- Items ---
  void emit(DrawItem item);
  void emitPending();
  void emitPendingFont();
  void ellipse(const Value& size, bool filled);
  void ellipse(long double width, long double height, const long double* arc, bool filled);
  void dot(long double diameter);
  void label(const Value& text, DrawItemKind kind);

  std::vector<Frame> frames_;
  std::vector<DrawItem> items_;
  size_t work_ = 0;
  size_t points_ = 0;  // in the items so far
  bool beyondLimits_ = false;
  bool numbersUsed_ = false;  // the number form has moved or repeated
  bool wordsUsed_ = false;    // forward, back, right, left or repeat was used

  PointF at_;
  long double heading_ = 0;
  bool penIsDown_ = true;
  int polygonDepth_ = 0;
  int splineDepth_ = 0;
  DrawPath path_;
  DrawAttributes pending_;  // as the list has set them
  DrawAttributes emitted_;  // as the items so far leave them
};

std::vector<DrawItem> DrawingCompiler::run(const tLogoList& list) {
  frames_.reserve(100);
  frames_.push_back({firstCell(list), nullptr, 0, FrameEnd::None});
  while (!frames_.empty()) {
    Frame& top = frames_.back();
    if (!top.next) {
      finishFrame();
      continue;
    }
    spend(1);
    const Value& element = top.next->element();
    top.next = top.next->rest().get();
    step(element);
  }
  endPath();
  return std::move(items_);
}

void DrawingCompiler::spend(size_t work) {
  work_ += work;
  if (work_ > kDrawingWorkLimit) overLimit();
}

// The list as a whole is too big: the error names the command that draws
// it, not the drawing word that happened to cross the limit.
void DrawingCompiler::overLimit() {
  beyondLimits_ = true;
  throw eLogoException(erNumTooBig);
}

// The end of a frame's list: another round of a repeat, or back to the
// frame below, ending the polygon or curve the frame held.
void DrawingCompiler::finishFrame() {
  Frame& top = frames_.back();
  if (top.roundsLeft > 0) {
    spend(1);
    --top.roundsLeft;
    top.next = top.body;
    return;
  }
  const FrameEnd end = top.end;
  frames_.pop_back();
  leaveShape(end);
}

void DrawingCompiler::step(const Value& element) {
  if (element->isNumber())
    numberForm(element);
  else if (element->isWord())
    command(element);
  else
    throw eLogoException(erExpectWord, element);
}

const Value* DrawingCompiler::peek() const {
  const tLogoList* next = frames_.back().next;
  return next ? &next->element() : nullptr;
}

// The input after a command word, from the same list: error `missing`
// naming the word when the list ends first.
Value DrawingCompiler::takeInput(const Value& word, errorConst missing) {
  Frame& top = frames_.back();
  if (!top.next) throw eLogoException(missing, word);
  Value input = top.next->element();
  top.next = top.next->rest().get();
  return input;
}

// A number followed by a list repeats the list; any other number moves the
// pen, and a number right after it turns the heading.
void DrawingCompiler::numberForm(const Value& number) {
  if (wordsUsed_) throw eLogoException(erDrawingMissingComm, number);
  numbersUsed_ = true;
  const Value* next = peek();
  if (next && (*next)->isList()) {
    const Value list = takeInput(number, erDrawingMissingList);
    repeat(number, list);
    return;
  }
  forward(finiteNumber(number));
  if (!next) return;
  if ((*next)->isNumber()) {
    turn(finiteNumber(takeInput(number, erDrawingMissingNumber)));
  } else if ((*next)->isWord() && !drawCodeOf((*next)->wordText())) {
    throw eLogoException(erExpectNumber, *next);
  }
}

void DrawingCompiler::command(const Value& word) {
  const std::optional<DrawCode> code = drawCodeOf(word->wordText());
  if (!code || (numbersUsed_ && isWordMove(*code))) throw eLogoException(erDrawingComm, word);
  if (isWordMove(*code)) wordsUsed_ = true;
  try {
    perform(*code, word);
  } catch (eLogoException& e) {
    // The message names the drawing command whose input was wrong.
    if (e.primName.empty() && !beyondLimits_) e.primName = word->wordText();
    throw;
  }
}

void DrawingCompiler::perform(DrawCode code, const Value& word) {
  switch (code) {
    case DrawCode::PenUp:
      return penUp();
    case DrawCode::PenDown:
      return penDown();
    case DrawCode::Polygon:
      return enterShape(FrameEnd::Polygon, listInput(takeInput(word, erDrawingMissingList)));
    case DrawCode::DrawSpline:
      return enterShape(FrameEnd::Spline, listInput(takeInput(word, erDrawingMissingList)));
    case DrawCode::PenColour: {
      const Rgb colour = colourOf(takeInput(word, erDrawingMissingColor));
      endPath();
      pending_.pen.colour = colour;
      return;
    }
    case DrawCode::FillColour: {
      const Rgb colour = colourOf(takeInput(word, erDrawingMissingColor));
      endPath();
      pending_.brush.colour = colour;
      return;
    }
    case DrawCode::FillPattern: {
      const int index = takeInput(word, erDrawingMissingFP)->asIntegerIn(0, kFillPatternCount - 1);
      endPath();
      pending_.brush.style = fillStyleOf(index);
      return;
    }
    case DrawCode::PenWidth: {
      const int width = takeInput(word, erDrawingMissingNumber)->asIntegerIn(0, kWidestPen);
      endPath();
      pending_.pen.width = width;
      return;
    }
    case DrawCode::PenPattern: {
      const int index = takeInput(word, erDrawingMissingPP)->asIntegerIn(0, kPenPatternCount - 1);
      endPath();
      pending_.pen.style = penStyleOf(index);
      return;
    }
    case DrawCode::Circle:
    case DrawCode::FilledCircle: {
      const long double diameter = finiteNumber(takeInput(word, erDrawingMissingNumber));
      return ellipse(diameter, diameter, nullptr, code == DrawCode::FilledCircle);
    }
    case DrawCode::Ellipse:
    case DrawCode::FilledEllipse:
      return ellipse(takeInput(word, erDrawingMissingNumber2), code == DrawCode::FilledEllipse);
    case DrawCode::Dot:
      return dot(pending_.pen.width);
    case DrawCode::Point:
      return dot(takeInput(word, erDrawingMissingNumber)->asIntegerIn(0, kLargestDot));
    case DrawCode::SetPos: {
      const PointF p = pointOf(takeInput(word, erDrawingMissingNumber2));
      return moveTo({p.x, -p.y});
    }
    case DrawCode::SetHeading:
      heading_ = normaliseHeading(finiteNumber(takeInput(word, erDrawingMissingNumber)));
      return;
    case DrawCode::Outline:
    case DrawCode::DrawVectors:
      return points(listInput(takeInput(word, erDrawingMissingPoints)), code == DrawCode::DrawVectors, word);
    case DrawCode::Font:
      pending_.font = fontFromValue(takeInput(word, erDrawingMissingFont));
      return;
    case DrawCode::Label:
    case DrawCode::Label2:
      return label(takeInput(word, erDrawingMissingText),
                   code == DrawCode::Label ? DrawItemKind::Label : DrawItemKind::Label2);
    case DrawCode::Forward:
    case DrawCode::Back: {
      const long double distance = finiteNumber(takeInput(word, erDrawingMissingNumber));
      return forward(code == DrawCode::Forward ? distance : -distance);
    }
    case DrawCode::Right:
    case DrawCode::Left: {
      const long double angle = finiteNumber(takeInput(word, erDrawingMissingNumber));
      return turn(code == DrawCode::Right ? angle : -angle);
    }
    case DrawCode::Repeat: {
      const Value count = takeInput(word, erDrawingMissingNumber);
      return repeat(count, takeInput(word, erDrawingMissingList));
    }
  }
}

// Walks the list `count` times (at most kMaxDrawingRepeat) after the
// elements that follow it have been set aside in the frame below.
void DrawingCompiler::repeat(const Value& count, const Value& list) {
  const long double wanted = finiteNumber(count);
  const tLogoList& body = listInput(list);
  if (!(wanted >= 0.5L)) return;
  const int rounds = wanted >= kMaxDrawingRepeat ? kMaxDrawingRepeat : static_cast<int>(std::lround(wanted));
  frames_.push_back({firstCell(body), firstCell(body), rounds - 1, FrameEnd::None});
}

// A polygon or curve: the path so far ends, and the list's points make the
// shape until its end. Inner polygons (or curves) go on with the same one.
void DrawingCompiler::enterShape(FrameEnd end, const tLogoList& list) {
  int& depth = end == FrameEnd::Polygon ? polygonDepth_ : splineDepth_;
  if (depth == 0) endPath();
  ++depth;
  frames_.push_back({firstCell(list), nullptr, 0, end});
}

void DrawingCompiler::leaveShape(FrameEnd end) {
  if (end == FrameEnd::None) return;
  int& depth = end == FrameEnd::Polygon ? polygonDepth_ : splineDepth_;
  if (depth == 1) endPath();
  --depth;
}

void DrawingCompiler::checkFar(PointF p) const {
  if (!(std::fabs(p.x) <= kFarDrawing && std::fabs(p.y) <= kFarDrawing)) throw eLogoException(erNumTooBig);
}

// Moves the pen; a pen that is down adds the point to its path, which
// starts where the pen stood.
void DrawingCompiler::moveTo(PointF p) {
  checkFar(p);
  if (penIsDown_) {
    if (path_.empty()) path_.add(at_);
    path_.add(p);
  }
  at_ = p;
}

void DrawingCompiler::forward(long double distance) {
  moveTo(stepAlong(at_, heading_, distance));
}

void DrawingCompiler::penUp() {
  endPath();
  penIsDown_ = false;
}

// A pen that was up starts a new path at its next move; one that was down
// goes on with its path.
void DrawingCompiler::penDown() {
  penIsDown_ = true;
}

// The path so far becomes an item: closed inside a polygon, smoothed inside
// a curve. A path of a single point draws nothing and is dropped.
void DrawingCompiler::endPath() {
  if (path_.size() < 2) {
    path_.take();
    return;
  }
  DrawItem item;
  item.points = path_.take();
  if (splineDepth_ > 0) item.points = smoothedPath(item.points);
  if (polygonDepth_ > 0) {
    item.kind = DrawItemKind::Polygon;
    if (item.points.back() != item.points.front()) item.points.push_back(item.points.front());
  }
  emitPending();
  emit(std::move(item));
}

// `outline`: points [x y] measured from where the pen stands, turned with the
// heading (x to its right, y along it); each puts the pen down after
// reaching it, [] lifts it. `drawvectors`: each [dx dy] goes on from the
// point before, with the pen as it is; [] lifts it for the next vector.
// Either way the pen comes back to its start and its state afterwards.
void DrawingCompiler::points(const tLogoList& list, bool vectors, const Value& word) {
  const PointF start = at_;
  const bool wasDown = penIsDown_;
  if (!vectors) penUp();
  bool lifted = false;
  for (const Value& element : list) {
    spend(1);
    const tLogoList* point = asList(*element);
    if (!point) throw eLogoException(erDrawingWrongPoints, word);
    if (point->isEmpty()) {
      penUp();
      lifted = true;
      continue;
    }
    if (point->count() != 2 || !point->element()->isNumber() || !point->rest()->element()->isNumber())
      throw eLogoException(erDrawingWrongPoints, word);
    const long double x = finiteNumber(point->element());
    const long double y = finiteNumber(point->rest()->element());
    const PointF base = vectors ? at_ : start;
    moveTo(stepAlong(stepAlong(base, heading_ + 90, x), heading_, y));
    if (!vectors)
      penIsDown_ = true;
    else if (lifted)
      penIsDown_ = wasDown;
    lifted = false;
  }
  endPath();
  at_ = start;
  penIsDown_ = wasDown;
}

void DrawingCompiler::emit(DrawItem item) {
  points_ += item.points.size();
  if (items_.size() >= kMaxDrawingItems || points_ > kMaxDrawingPoints) overLimit();
  items_.push_back(std::move(item));
}

// The changes of pen and brush since the last item, each as an item of its
// own, only where the value differs from what the items already set.
void DrawingCompiler::emitPending() {
  Pen& pen = emitted_.pen;
  const Pen& wanted = pending_.pen;
  if (wanted.colour != pen.colour) {
    DrawItem item = itemOf(DrawItemKind::PenColour);
    item.colour = wanted.colour;
    emit(std::move(item));
  }
  if (wanted.width != pen.width) {
    DrawItem item = itemOf(DrawItemKind::PenWidth);
    item.width = wanted.width;
    emit(std::move(item));
  }
  if (wanted.style != pen.style) {
    DrawItem item = itemOf(DrawItemKind::PenPattern);
    item.penStyle = wanted.style;
    emit(std::move(item));
  }
  if (pending_.brush != emitted_.brush) {
    DrawItem item = itemOf(DrawItemKind::Brush);
    item.colour = pending_.brush.colour;
    item.fillStyle = pending_.brush.style;
    emit(std::move(item));
  }
  emitted_.pen = pending_.pen;
  emitted_.brush = pending_.brush;
}

// A font change waits for the next label: paths go on through it.
void DrawingCompiler::emitPendingFont() {
  if (pending_.font == emitted_.font) return;
  DrawItem item = itemOf(DrawItemKind::Font);
  item.font = pending_.font;
  emit(std::move(item));
  emitted_.font = pending_.font;
}

// `ellipse [width height]` or `ellipse [width height start sweep]`.
void DrawingCompiler::ellipse(const Value& size, bool filled) {
  const tLogoList& list = listInput(size);
  const size_t count = list.count();
  if (count != 2 && count != 4) throw eLogoException(erBadStructure, size);
  long double numbers[4] = {};
  size_t i = 0;
  for (const Value& element : list) numbers[i++] = finiteNumber(element);
  ellipse(numbers[0], numbers[1], count == 4 ? numbers + 2 : nullptr, filled);
}

// A whole ellipse becomes one item; an arc becomes a path of its points,
// and a filled one a pie with the centre before and after them.
void DrawingCompiler::ellipse(long double width, long double height, const long double* arc, bool filled) {
  endPath();
  const EllipseRadii radii = ellipseRadii(width, height, pending_.pen.width);
  checkFar({radii.x, radii.y});
  const PointF centre = toHundredths(at_);
  const long double sweep = arc ? normalisedSweep(arc[1]) : 360;
  DrawItem item;
  if (sweep == 360) {
    item.kind = filled ? DrawItemKind::FilledEllipse : DrawItemKind::Ellipse;
    item.points = {centre, {radii.x, 0}, {0, radii.y}};
  } else {
    item.kind = filled ? DrawItemKind::Polygon : DrawItemKind::Polyline;
    DrawPath arcPath;
    if (filled) arcPath.add(centre);
    for (PointF p : arcPoints(centre, radii, arc[0], sweep)) arcPath.add(p);
    if (filled) arcPath.add(centre);
    spend(arcPath.size());
    item.points = arcPath.take();
    if (item.points.size() < 2) return;
  }
  emitPending();
  emit(std::move(item));
}

// Dots and labels are left out of polygons.
void DrawingCompiler::dot(long double diameter) {
  if (polygonDepth_ > 0) return;
  endPath();
  emitPending();
  DrawItem item = itemOf(DrawItemKind::Dot, {toHundredths(at_)});
  item.size = diameter;
  emit(std::move(item));
}

void DrawingCompiler::label(const Value& text, DrawItemKind kind) {
  if (polygonDepth_ > 0) return;
  endPath();
  emitPending();
  emitPendingFont();
  DrawItem item = itemOf(kind, {toHundredths(at_)});
  item.text = text->printText(0);
  // Laying text out costs far more than a point, and every label keeps its
  // own copy of the text: both count against the work limit.
  spend(kLabelWork + item.text.size());
  item.heading = heading_;
  emit(std::move(item));
}

}  // namespace

std::vector<DrawItem> compileDrawing(const tLogoList& list, const DrawAttributes& start) {
  return DrawingCompiler(start).run(list);
}

}  // namespace lx
