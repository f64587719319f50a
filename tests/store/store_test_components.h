// Small components for the settings store's native tests: a window that owns controls with
// string, Boolean, enumeration, list, collection and binary properties, a container that nests
// controls in text, and a platform that keeps sections in memory and hooks the test window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/core/string_list.h"
#include "store/auto_properties_store.h"
#include "store/native_stand_ins/memory_sections.h"
#include "store/platform/store_platform.h"

namespace gv::store_test {

// The window: the owner of everything. It can be closed (close-query handler), is destroyed
// with a destroy handler, and raises onShow when it becomes visible.
class TTestWindow : public fw::Component {
 public:
  FW_CLASS()
  explicit TTestWindow(fw::Component* owner);
  ~TTestWindow() override;

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& s) { caption_ = s; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void GetChildren(std::vector<fw::Component*>& children, fw::Component* root) const override;

  // Runs the close query; true when the window may close.
  bool CloseQuery();

  store::OwnerHooks::CloseQuery onCloseQuery;
  fw::Method onDestroy;
  fw::Method onShow;
  bool hasHandle = true;

 private:
  std::string caption_;
  bool visible_ = false;
};

// Controls nest in text inside a TTestPanel (their parent) or stand on the window.
class TTestControl : public fw::Component {
 public:
  FW_CLASS()
  using fw::Component::Component;

  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool e) { enabled_ = e; }
  bool HasParent() const override { return parent_ != nullptr; }
  fw::Component* ParentComponent() const override { return parent_; }
  void SetParentComponent(fw::Component* parent) override;

 private:
  int width_ = 100;
  bool enabled_ = true;
  fw::Component* parent_ = nullptr;
};

class TTestPanel : public TTestControl {
 public:
  FW_CLASS()
  using TTestControl::TTestControl;
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& s) { caption_ = s; }
  void GetChildren(std::vector<fw::Component*>& children, fw::Component* root) const override;

 private:
  std::string caption_;
};

class TTestEdit : public TTestControl {
 public:
  FW_CLASS()
  using TTestControl::TTestControl;
  std::string Text() const { return text_; }
  void SetText(const std::string& s) { text_ = s; }

 private:
  std::string text_;
};

enum TTestCheckState : int { cbUnchecked, cbChecked, cbGrayed };
extern const fw::EnumType kTestCheckStateType;

// Checked is not stored in text: the state says it.
class TTestCheckBox : public TTestControl {
 public:
  FW_CLASS()
  using TTestControl::TTestControl;
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool c) { SetState(c ? cbChecked : cbUnchecked); }
  TTestCheckState State() const { return state_; }
  void SetState(TTestCheckState s) { state_ = s; }

 private:
  TTestCheckState state_ = cbUnchecked;
};

// Checked is stored (default False); becoming checked unchecks the sibling radio buttons and
// raises onClick.
class TTestRadioButton : public TTestControl {
 public:
  FW_CLASS()
  using TTestControl::TTestControl;
  bool Checked() const { return checked_; }
  void SetChecked(bool c);
  fw::Method onClick;

 private:
  bool checked_ = false;
};

class TTestListBox : public TTestControl {
 public:
  FW_CLASS()
  using TTestControl::TTestControl;
  fw::TStrings* Items() { return &items_; }
  std::vector<std::string> Lines() const { return lines_; }
  void SetLines(const std::vector<std::string>& l) { lines_ = l; }

 private:
  fw::TStrings items_;
  std::vector<std::string> lines_;
};

class TTestColumn : public fw::TCollectionItem {
 public:
  FW_CLASS()
  using fw::TCollectionItem::TCollectionItem;
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& s) { caption_ = s; }
  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }

 private:
  std::string caption_;
  int width_ = 64;
};

class TTestColumns : public fw::TCollection {
 public:
  FW_CLASS()
  TTestColumn* At(size_t i) const { return static_cast<TTestColumn*>(Item(i)); }

 protected:
  std::unique_ptr<fw::TCollectionItem> NewItem() override { return std::make_unique<TTestColumn>(this); }
};

class TTestGrid : public TTestControl {
 public:
  FW_CLASS()
  using TTestControl::TTestControl;
  TTestColumns* Columns() { return &columns_; }
  std::string Data() const { return data_; }
  void SetData(const std::string& d) { data_ = d; }

 private:
  TTestColumns columns_;
  std::string data_;
};

void RegisterTestClasses();

// Sections and binary rows in memory shared by every store made on it (a "restart" keeps them),
// the test window's handlers as the hooks, and errors collected instead of shown.
struct TestStorage {
  store::MemorySections files;
  store::MemorySections registry{store::MemorySections::Quoting::kNone};
  std::vector<std::string> reported;
  std::string program = "C:\\Games\\Quake\\Gorvale.exe";
};

std::unique_ptr<store::StorePlatform> MakeTestPlatform(TestStorage& storage);

}  // namespace gv::store_test
