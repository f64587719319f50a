// Components with one published property of every kind, for the component model's tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/core/string_list.h"

namespace fw::testing {

enum Shade : int { shLight, shDark, shDeep };
extern const EnumType kShadeType;

// A sub-object written as dotted paths: "Pen.Width = 3".
class TPen : public Persistent {
 public:
  FW_CLASS()
  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }
  const std::string& Label() const { return label_; }
  void SetLabel(const std::string& s) { label_ = s; }

 private:
  int width_ = 1;
  std::string label_;
};

class TSpot;

// A collection item with a nested collection of its own.
class TSpotItem : public TCollectionItem {
 public:
  FW_CLASS()
  explicit TSpotItem(TCollection* c);
  ~TSpotItem() override;
  int Size() const { return size_; }
  void SetSize(int s) { size_ = s; }
  TCollection* Inner() const { return inner_.get(); }

 private:
  int size_ = 0;
  std::unique_ptr<TCollection> inner_;
};

class TSpots : public TCollection {
 public:
  FW_CLASS()
  TSpotItem* At(size_t i) const { return static_cast<TSpotItem*>(Item(i)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TSpotItem>(this); }
};

// Every kind of published property; widgets nest inside each other in text through Parent.
class TWidget : public Component {
 public:
  FW_CLASS()
  explicit TWidget(Component* owner);
  ~TWidget() override;

  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  char Letter() const { return letter_; }
  void SetLetter(char v) { letter_ = v; }
  Shade GetShade() const { return shade_; }
  void SetShade(Shade v) { shade_ = v; }
  int Shades() const { return shades_; }
  void SetShades(int v) { shades_ = v; }
  bool Flag() const { return flag_; }
  void SetFlag(bool v) {
    if (v == flag_) return;
    flag_ = v;
    ++flagWrites;
  }
  bool Hidden() const { return hidden_; }
  void SetHidden(bool v) { hidden_ = v; }
  TStrings* Lines() { return &lines_; }
  TSpots* Spots() { return &spots_; }
  const std::string& Data() const { return data_; }
  void SetData(const std::string& v) { data_ = v; }
  TPen* Pen() { return &pen_; }
  TWidget* Buddy() const { return buddy_; }
  void SetBuddy(TWidget* w) { buddy_ = w; }
  Method onPing;

  TWidget* Parent() const { return parent_; }
  const std::vector<TWidget*>& Kids() const { return kids_; }

  bool HasParent() const override { return parent_ != nullptr; }
  Component* ParentComponent() const override { return parent_; }
  void SetParentComponent(Component* parent) override;
  void GetChildren(std::vector<Component*>& children, Component* root) const override;
  void Notification(Component* c) override;
  void Loaded() override {
    Component::Loaded();
    ++loadedCalls;
  }

  int flagWrites = 0;
  int loadedCalls = 0;
  std::vector<std::string> removed;  // names of components whose removal was notified

 private:
  int count_ = 0;
  double ratio_ = 0;
  std::string caption_;
  char letter_ = 0;
  Shade shade_ = shLight;
  int shades_ = 0;
  bool flag_ = false, hidden_ = false;
  TStrings lines_;
  TSpots spots_;
  std::string data_;
  TPen pen_;
  TWidget* buddy_ = nullptr;
  TWidget* parent_ = nullptr;
  std::vector<TWidget*> kids_;
};

// A root with a method table, so that text can name its handlers.
class TBoard : public TWidget {
 public:
  FW_CLASS()
  using TWidget::TWidget;
  void Ping(Component* sender) { pinged.push_back(sender ? sender->Name() : std::string()); }
  void Pong(Component*) { pinged.push_back("pong"); }
  std::vector<std::string> pinged;
};

void RegisterTestClasses();

}  // namespace fw::testing
