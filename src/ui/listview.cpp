#include "ui/listview.h"

#include <algorithm>

namespace ui {

void ListItem::SetCaption(const std::string& text) {
  if (caption_ == text) return;
  caption_ = text;
  owner_.ItemChanged(*this);
}

void ListItem::SetSubItems(std::vector<std::string> items) {
  if (subItems_ == items) return;
  subItems_ = std::move(items);
  owner_.ItemChanged(*this);
}

void ListItem::SetStateIndex(int index) {
  if (stateIndex_ == index) return;
  stateIndex_ = index;
  owner_.ItemChanged(*this);
}

void ListItem::SetSelected(bool value) {
  if (selected_ == value) return;
  selected_ = value;
  owner_.ItemChanged(*this);
}

void ListItem::SetFocused(bool value) {
  if (focused_ == value) return;
  if (value) {
    if (ListItem* other = owner_.ItemFocused()) other->SetFocused(false);
  }
  focused_ = value;
  owner_.ItemChanged(*this);
}

int ListItem::Index() const {
  for (int i = 0; i < owner_.Count(); ++i)
    if (owner_.Item(i) == this) return i;
  return -1;
}

void ListView::SetStateImages(ImageList* images) {
  stateImages_ = images;
  if (P()) P()->SetStateImages(images);
}

void ListView::AddColumn(std::string caption, int width) {
  columns_.push_back({std::move(caption), width});
  if (P()) P()->SetColumns(columns_);
}

void ListView::SetColumnWidth(int index, int width) {
  columns_.at(static_cast<size_t>(index)).Width = width;
  if (P()) P()->SetColumnWidth(index, width);
}

ListItem* ListView::Add() {
  items_.push_back(std::make_unique<ListItem>(*this));
  if (P()) P()->InsertItem(Count() - 1, *items_.back());
  return items_.back().get();
}

void ListView::Delete(int index) {
  items_.erase(items_.begin() + index);
  if (P()) P()->DeleteItem(index);
}

void ListView::Clear() {
  items_.clear();
  if (P()) P()->ResetItems({});
}

int ListView::SelCount() const {
  return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](auto& i) { return i->selected_; }));
}

ListItem* ListView::FirstSelected() const { return NextSelected(nullptr); }

ListItem* ListView::NextSelected(const ListItem* after) const {
  auto it = items_.begin();
  if (after) {
    it = std::find_if(items_.begin(), items_.end(), [after](auto& i) { return i.get() == after; });
    if (it != items_.end()) ++it;
  }
  for (; it != items_.end(); ++it)
    if ((*it)->selected_) return it->get();
  return nullptr;
}

ListItem* ListView::ItemFocused() const {
  for (auto& i : items_)
    if (i->focused_) return i.get();
  return nullptr;
}

void ListView::CustomSort(int data) {
  std::vector<ListItem*> before;
  for (auto& i : items_) before.push_back(i.get());
  if (OnCompare) {
    std::stable_sort(items_.begin(), items_.end(), [&](auto& a, auto& b) {
      int result = 0;
      OnCompare(a.get(), b.get(), data, result);
      return result < 0;
    });
  }
  std::vector<ListItem*> after;
  for (auto& i : items_) after.push_back(i.get());
  // The ping run sorts twice per server; most sorts leave the order as it was.
  if (P() && after != before) P()->ResetItems(after);
}

void ListView::ItemChanged(ListItem& item, bool fromPeer) {
  if (!fromPeer && P()) P()->UpdateItem(item.Index(), item);
  if (OnChange) OnChange(&item);
}

void ListView::NotifySelected(int index, bool selected) {
  if (index < 0 || index >= Count()) return;
  ListItem& item = *Item(index);
  if (item.selected_ == selected) return;
  item.selected_ = selected;
  ItemChanged(item, true);
}

void ListView::NotifyFocused(int index, bool focused) {
  if (index < 0 || index >= Count()) return;
  ListItem& item = *Item(index);
  if (item.focused_ == focused) return;
  if (focused) {
    for (auto& other : items_) other->focused_ = false;
  }
  item.focused_ = focused;
  ItemChanged(item, true);
}

void ListView::NotifyColumnWidth(int index, int width) {
  if (index >= 0 && index < static_cast<int>(columns_.size())) columns_[static_cast<size_t>(index)].Width = width;
}

void ListView::NotifyColumnClick(int column) {
  if (OnColumnClick) OnColumnClick(column);
}

void ListView::NotifyDblClick() {
  if (OnDblClick) OnDblClick();
}

void ListView::PushState() {
  P()->SetColumns(columns_);
  P()->SetStateImages(stateImages_);
  std::vector<ListItem*> all;
  for (auto& i : items_) all.push_back(i.get());
  P()->ResetItems(all);
}

}  // namespace ui
