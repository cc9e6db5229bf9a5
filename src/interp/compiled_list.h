// Compiled instruction lists: a list (or a word, read into a list first) is
// compiled once into a flat array of tokens, cached in the value, and the
// evaluator walks that array. Names are not bound to descriptors here: a
// procedure defined after a list was compiled is found at its next call.
#pragma once

#include <memory>
#include <vector>

#include "core/name_codes.h"
#include "values/list.h"

namespace lx {

enum class Tok : uint8_t {
  Relational = 2,      // "<", ">", "=", "<=", ">=", "<>"
  Prefix = 3,          // unary minus or plus, made at run time from Additive
  Additive = 4,        // "+", "-"
  Multiplicative = 5,  // "*", "/"
  Procedure = 6,       // a word naming a procedure
  Open = 7,            // "("
  Close = 8,           // ")"
  Variable = 9,        // ":name"
  Constant = 10,       // a value
  End = 11,
  ObjectPrefix = 12,   // "name'" before a procedure name
  Usual = 13,          // "usual'": the inherited procedure
};

class tProcDesc;
class tLogoTab;

// What a procedure or operator token resolved to last, valid while the
// lookup epoch (interp/lookup_epoch.h) has not moved and the token runs
// for the same current object and first table. The object is held, so its
// address cannot be reused by another object while it is remembered.
struct ResolvedName {
  uint64_t epoch = 0;              // 0: nothing remembered
  Value object;                    // the current object it was resolved for
  const tLogoTab* table = nullptr; // the thread's first table then
  tProcDesc* desc = nullptr;
  Value context;                   // the object context recorded for the call
};

struct CodeToken {
  Tok kind = Tok::End;
  bool followsParen = false;  // right after "(", or after prefixes right after "("
  NameCode code = 0;          // names, operators and object prefixes
  Value constant;             // constants
  ResolvedName resolved;      // procedure and operator tokens
};

// The kinds of compiling: a list of instructions, or a list of lines whose
// elements are joined into one instruction stream (procedure bodies).
enum CompileKind : uint8_t { kInstructions = 0, kLines = 2 };

// The tokens of one compiled list; the last is always End. Shared, so that
// a list compiled anew while it runs keeps the running copy alive.
struct CompiledCode {
  std::vector<CodeToken> tokens;
  CompileKind kind = kInstructions;
};
using CompiledPtr = std::shared_ptr<CompiledCode>;

// The compiled form of a value: a list as it stands, a word read into a
// list first; anything else is error 6.
CompiledPtr compiled(const tlogoobject& value, CompileKind kind);
// Compiles the elements without caching (for lists made on the fly).
CompiledPtr compileElements(const tLogoList& list, CompileKind kind);

// The codes of the two prefix operators.
NameCode unaryMinusCode();
NameCode unaryPlusCode();

}  // namespace lx
