// Sort keys and the merge sort over them.
//
// Each element gets a key: its print text in upper case, and a numeric
// vector (a number gives itself; a list its leading numbers, marked
// all-numeric when it holds nothing else). Keys compare by their vectors
// first and by their texts when the vectors do not decide. That order is not
// transitive for every mix of numbers and words (10 < "2x" by text, "2x" < 3
// by text, 3 < 10 by number), so the sort must not assume it is: a merge
// sort stays within bounds and ends whatever the comparisons answer, and it
// takes n log n steps on every input, sorted ones included.
#include "values/list_sort.h"

#include <string>
#include <vector>

#include "lang/name_comparison.h"
#include "values/list_builder.h"

namespace lx {
namespace {

struct SortKey {
  Value element;
  std::string text;                  // upper-cased print text
  std::vector<long double> numbers;  // the leading numbers
  bool allNumeric = false;           // nothing but numbers
};

SortKey keyOf(const Value& element) {
  SortKey key{element, upperCase(element->printText(1)), {}, false};
  if (element->isNumber()) {
    key.numbers.push_back(element->asReal());
    key.allNumeric = true;
  } else if (const tLogoList* list = asList(*element)) {
    key.allNumeric = true;
    for (const Value& item : *list) {
      if (!item->isNumber()) {
        key.allNumeric = false;
        break;
      }
      key.numbers.push_back(item->asReal());
    }
  }
  return key;
}

// Negative when a sorts before b, zero when they are equal.
int compareKeys(const SortKey& a, const SortKey& b) {
  const size_t common = std::min(a.numbers.size(), b.numbers.size());
  for (size_t k = 0; k < common; ++k)
    if (a.numbers[k] != b.numbers[k]) return a.numbers[k] < b.numbers[k] ? -1 : 1;
  if (a.allNumeric && b.allNumeric)
    return a.numbers.size() < b.numbers.size() ? -1 : a.numbers.size() > b.numbers.size() ? 1 : 0;
  return a.text.compare(b.text);  // by byte value
}

// Bottom-up merge sort; equal keys keep their order.
void mergeSort(std::vector<SortKey>& keys) {
  std::vector<SortKey> buffer(keys.size());
  for (size_t width = 1; width < keys.size(); width *= 2) {
    for (size_t lo = 0; lo < keys.size(); lo += 2 * width) {
      const size_t mid = std::min(lo + width, keys.size());
      const size_t hi = std::min(lo + 2 * width, keys.size());
      size_t i = lo, j = mid, out = lo;
      while (i < mid && j < hi) buffer[out++] = std::move(compareKeys(keys[j], keys[i]) < 0 ? keys[j++] : keys[i++]);
      while (i < mid) buffer[out++] = std::move(keys[i++]);
      while (j < hi) buffer[out++] = std::move(keys[j++]);
    }
    keys.swap(buffer);
  }
}

}  // namespace

Value listSort(const tLogoList& list) {
  if (list.isEmpty() || !list.rest()) return selfRef(list);
  std::vector<SortKey> keys;
  for (const Value& element : list) keys.push_back(keyOf(element));
  mergeSort(keys);
  ListBuilder builder;
  for (SortKey& key : keys) builder.add(std::move(key.element));
  return builder.finish();
}

}  // namespace lx
