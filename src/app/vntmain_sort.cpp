// The four sort orders of the server list and the ways to choose one.
#include <cstring>

#include "app/vntmain.h"
#include "platform/intconv.h"

namespace vnt {
namespace {

int CompareBytes(const std::string& a, const std::string& b) {
  int r = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
  if (r != 0) return r < 0 ? -1 : 1;
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int TimeOf(const ui::ListItem& entry) {
  std::string text = entry.SubItems().front();
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.pop_back();
  return platform::ParseIntegerOr(text, 0);
}

}  // namespace

void TFormMain::plvCompare(ui::ListItem* item1, ui::ListItem* item2, int data, int& compare) {
  compare = CompareBytes(item1->Caption(), item2->Caption());
  if (data == 2 || data == 3) {
    const bool hasTime1 = !item1->SubItems().empty();
    const bool hasTime2 = !item2->SubItems().empty();
    if (!hasTime1 && hasTime2)
      compare = 1;
    else if (hasTime1 && !hasTime2)
      compare = -1;
    else if (hasTime1 && hasTime2)
      compare = TimeOf(*item1) - TimeOf(*item2);
    else
      compare = 0;  // entries without a time are equal among themselves: a consistent order
  }
  if (data == 1 || data == 3) compare = -compare;
}

void TFormMain::SetSortMethod(int code) {
  SortMethod = static_cast<int8_t>(code);
  plv->CustomSort(code);
  ui::MenuItem* items[] = {pmiServersAToZ, pmiServersZToA, pmiTimesLowToHigh, pmiTimesHighToLow};
  if (code >= 0 && code <= 3) items[code]->SetChecked(true);
}

void TFormMain::plvColumnClick(int column) {
  if (plv->Columns().at(static_cast<size_t>(column)).Caption == "Servers") {
    if (SortMethod == 0)
      pmiServersZToA->Click();
    else
      pmiServersAToZ->Click();
  } else if (SortMethod == 2) {
    pmiTimesHighToLow->Click();
  } else {
    pmiTimesLowToHigh->Click();
  }
}

}  // namespace vnt
