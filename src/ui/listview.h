#pragma once
// Report-view list: items with caption, sub-items, state image, selection and focus.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ImageList;
class ListView;
class PopupMenu;

class ListItem {
 public:
  explicit ListItem(ListView& owner) : owner_(owner) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  const std::vector<std::string>& SubItems() const { return subItems_; }
  void SetSubItems(std::vector<std::string> items);
  int StateIndex() const { return stateIndex_; }
  void SetStateIndex(int index);
  bool Selected() const { return selected_; }
  void SetSelected(bool value);
  bool Focused() const { return focused_; }
  void SetFocused(bool value);
  int Index() const;

 private:
  friend class ListView;
  ListView& owner_;
  std::string caption_;
  std::vector<std::string> subItems_;
  int stateIndex_ = -1;
  bool selected_ = false;
  bool focused_ = false;
};

struct ListColumn {
  std::string Caption;
  int Width = 50;
};

class ListViewPeer : public ControlPeer {
 public:
  virtual void SetColumns(const std::vector<ListColumn>& columns) = 0;
  virtual void SetColumnWidth(int index, int width) = 0;
  virtual void SetStateImages(ImageList* images) = 0;
  virtual void InsertItem(int index, const ListItem& item) = 0;
  virtual void DeleteItem(int index) = 0;
  virtual void UpdateItem(int index, const ListItem& item) = 0;
  virtual void ResetItems(const std::vector<ListItem*>& items) = 0;
};

class ListView : public Control {
 public:
  using ChangeEvent = std::function<void(ListItem*)>;
  using CompareEvent = std::function<void(ListItem*, ListItem*, int data, int& compare)>;
  using ColumnEvent = std::function<void(int column)>;

  ListView(Control* parent, std::string name) : Control(parent, std::move(name)) {}

  bool MultiSelect = true;
  bool RowSelect = true;
  bool HideSelection = false;
  bool ReadOnly = true;
  PopupMenu* Popup = nullptr;
  ImageList* StateImages() const { return stateImages_; }
  void SetStateImages(ImageList* images);

  const std::vector<ListColumn>& Columns() const { return columns_; }
  void AddColumn(std::string caption, int width);
  void SetColumnWidth(int index, int width);

  int Count() const { return static_cast<int>(items_.size()); }
  ListItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  // Appends an empty item; like the native control, the insertion raises no change event.
  ListItem* Add();
  void Delete(int index);
  void Clear();
  int SelCount() const;
  ListItem* FirstSelected() const;
  ListItem* NextSelected(const ListItem* after) const;
  ListItem* ItemFocused() const;

  ChangeEvent OnChange;
  CompareEvent OnCompare;
  ColumnEvent OnColumnClick;
  NotifyEvent OnDblClick;

  // Stable sort by OnCompare with the given data; items keep their selection and focus.
  void CustomSort(int data);

  // Peer -> component: the user's input.
  void NotifySelected(int index, bool selected);
  void NotifyFocused(int index, bool focused);
  void NotifyColumnWidth(int index, int width);
  void NotifyColumnClick(int column);
  void NotifyDblClick();

 protected:
  void PushState() override;

 private:
  friend class ListItem;
  void ItemChanged(ListItem& item, bool fromPeer = false);
  ListViewPeer* P() const { return PeerAs<ListViewPeer>(); }
  std::vector<ListColumn> columns_;
  std::vector<std::unique_ptr<ListItem>> items_;
  ImageList* stateImages_ = nullptr;
};

}  // namespace ui
