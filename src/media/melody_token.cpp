// Reading one melody token.
#include "media/melody_token.h"

#include <cctype>

#include "core/logo_exception.h"
#include "media/sound_settings.h"

namespace lx {
namespace {

using Kind = MelodyToken::Kind;

// A cursor over the token with the blank that ends every token appended,
// so that looking one character past the last never runs off the end.
struct TokenReader {
  std::string text;
  size_t at = 0;

  char peek() const { return text[at]; }
  char upperPeek() const { return static_cast<char>(std::toupper(static_cast<unsigned char>(text[at]))); }
  bool atEnd() const { return text[at] == ' '; }
  std::string rest() const { return text.substr(at, text.size() - 1 - at); }
  // Leading decimal digits as a number (capped, so a long run stays
  // too large rather than wrapping); -1 when there are none.
  int digits() {
    if (!std::isdigit(static_cast<unsigned char>(peek()))) return -1;
    long value = 0;
    while (std::isdigit(static_cast<unsigned char>(peek()))) {
      value = std::min(value * 10 + (text[at++] - '0'), 1000000L);
    }
    return static_cast<int>(value);
  }
};

[[noreturn]] void badToken(std::string_view token) {
  throw eLogoException::withWord(erBadValue, token);
}

int semitoneOf(char letter) {
  switch (letter) {
    case 'C':
      return 1;
    case 'D':
      return 3;
    case 'E':
      return 5;
    case 'F':
      return 6;
    case 'G':
      return 8;
    case 'A':
      return 10;
    default:
      return 12;  // B and H
  }
}

// The accidental and the dot after a note letter; nothing may follow them.
void readNoteEnd(TokenReader& in, MelodyToken& token, std::string_view whole) {
  if (token.kind == Kind::Note && in.peek() == '#') {
    ++token.semitone;
    ++in.at;
  } else if (token.kind == Kind::Note && (in.peek() == 'b' || in.peek() == 'B')) {
    --token.semitone;
    ++in.at;
  }
  if (in.peek() == '.') {
    token.dotted = true;
    ++in.at;
  }
  if (!in.atEnd()) badToken(whole);
}

void readOctave(TokenReader& in, MelodyToken& token, std::string_view whole) {
  if (in.peek() == '#' || in.peek() == 'b' || in.peek() == 'B') {
    token.kind = in.peek() == '#' ? Kind::OctaveUp : Kind::OctaveDown;
    ++in.at;
  } else {
    token.kind = Kind::Octave;
    token.number = in.digits();
    if (token.number < 0 || token.number > kMaxOctave) badToken(whole);
  }
  if (!in.atEnd()) badToken(whole);
}

void readTempo(TokenReader& in, MelodyToken& token, std::string_view whole) {
  if (in.peek() == '+' || in.peek() == '-') {
    const int sign = in.peek() == '+' ? 1 : -1;
    ++in.at;
    const int step = in.atEnd() ? 1 : in.digits();
    if (step < 0 || step > kMaxTempo) badToken(whole);
    token.kind = Kind::TempoStep;
    token.number = sign * step;
  } else {
    token.kind = Kind::Tempo;
    token.number = in.digits();
    if (token.number < 1 || token.number > kMaxTempo) badToken(whole);
  }
  if (!in.atEnd()) badToken(whole);
}

void readNumberSetting(TokenReader& in, MelodyToken& token, std::string_view whole) {
  token.number = in.digits();
  if (!in.atEnd()) badToken(whole);
  const bool valid =
      token.kind == Kind::Length ? isNoteLength(token.number) : token.number >= 0 && token.number < 128;
  if (!valid) badToken(whole);
}

}  // namespace

MelodyToken readMelodyToken(std::string_view whole) {
  TokenReader in{std::string(whole) + ' '};
  MelodyToken token;
  const int length = in.digits();
  if (length > 0 && !isNoteLength(length)) badToken(whole);
  token.length = std::max(length, 0);
  const char letter = in.upperPeek();
  ++in.at;
  switch (letter) {
    case 'C':
    case 'D':
    case 'E':
    case 'F':
    case 'G':
    case 'A':
    case 'B':
    case 'H':
      token.kind = Kind::Note;
      token.semitone = semitoneOf(letter);
      readNoteEnd(in, token, whole);
      break;
    case 'P':
      token.kind = Kind::Pause;
      readNoteEnd(in, token, whole);
      break;
    case 'R':
      token.kind = Kind::Reset;
      break;
    case 'O':
      readOctave(in, token, whole);
      break;
    case 'T':
      readTempo(in, token, whole);
      break;
    case 'L':
      token.kind = Kind::Length;
      readNumberSetting(in, token, whole);
      break;
    case 'V':
      token.kind = Kind::Velocity;
      readNumberSetting(in, token, whole);
      break;
    case 'S':
      token.kind = Kind::Nothing;
      break;
    case 'W':
      token.kind = Kind::Wave;
      token.text = in.rest();
      break;
    case 'I':
      token.kind = Kind::Instrument;
      token.text = in.rest();
      break;
    default:
      badToken(whole);
  }
  return token;
}

}  // namespace lx
