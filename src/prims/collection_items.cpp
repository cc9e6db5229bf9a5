// Items of lists, words and the values that lend their own.
#include "prims/collection_items.h"

#include "core/logo_exception.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

ValueItems& otherItems() {
  static ValueItems items = nullptr;
  return items;
}

}  // namespace

void setValueItems(ValueItems items) {
  otherItems() = items;
}

std::vector<Value> collectionItems(const Value& data) {
  std::vector<Value> items;
  if (const tLogoList* list = asList(*data)) {
    for (const Value& v : *list) items.push_back(v);
  } else if (data->isWord()) {
    for (char c : data->wordText()) items.push_back(makeWord(std::string(1, c)));
  } else if (!otherItems() || !otherItems()(data, items)) {
    throw eLogoException(erExpectList, data);
  }
  return items;
}

}  // namespace lx
