#include "tests/framework/core/test_components.h"
#include "framework/core/property_builders.h"

#include <algorithm>

namespace fw::testing {

namespace {
const char* const kShadeNames[] = {"shLight", "shDark", "shDeep"};

class TInnerItem : public TCollectionItem {
 public:
  FW_CLASS()
  using TCollectionItem::TCollectionItem;
  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }

 private:
  int width_ = 0;
};

const ClassInfo& TInnerItem::StaticClass() {
  static const PropInfo kProps[] = {IntProp<&TInnerItem::Width, &TInnerItem::SetWidth>("Width", 0)};
  static const ClassInfo info = MakeClass<TInnerItem, TCollectionItem>("TInnerItem", kProps);
  return info;
}

class TInner : public TCollection {
 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TInnerItem>(this); }
};
}  // namespace

const EnumType kShadeType{"TShade", kShadeNames, 3};

const ClassInfo& TPen::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TPen::Width, &TPen::SetWidth>("Width", 1),
      StrProp<&TPen::Label, &TPen::SetLabel>("Label"),
  };
  static const ClassInfo info = MakeClass<TPen, Persistent>("TPen", kProps);
  return info;
}

TSpotItem::TSpotItem(TCollection* c) : TCollectionItem(c), inner_(std::make_unique<TInner>()) {}
TSpotItem::~TSpotItem() = default;

const ClassInfo& TSpotItem::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TSpotItem::Size, &TSpotItem::SetSize>("Size", 0),
      CollectionProp<&TSpotItem::Inner>("Inner"),
  };
  static const ClassInfo info = MakeClass<TSpotItem, TCollectionItem>("TSpotItem", kProps);
  return info;
}

const ClassInfo& TSpots::StaticClass() {
  static const ClassInfo info = MakeClass<TSpots, TCollection>("TSpots");
  return info;
}

TWidget::TWidget(Component* owner) : Component(owner) {}

TWidget::~TWidget() {
  while (!kids_.empty()) delete kids_.back();
  if (parent_) {
    auto& siblings = parent_->kids_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

const ClassInfo& TWidget::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TWidget::Count, &TWidget::SetCount>("Count", 0),
      FloatProp<&TWidget::Ratio, &TWidget::SetRatio>("Ratio"),
      StrProp<&TWidget::Caption, &TWidget::SetCaption>("Caption"),
      CharProp<&TWidget::Letter, &TWidget::SetLetter>("Letter", 0),
      EnumProp<&TWidget::GetShade, &TWidget::SetShade>("Shade", kShadeType, shLight),
      SetProp<&TWidget::Shades, &TWidget::SetShades>("Shades", kShadeType, 0),
      BoolProp<&TWidget::Flag, &TWidget::SetFlag>("Flag", false),
      BoolProp<&TWidget::Hidden, &TWidget::SetHidden>("Hidden", false).NotStored(),
      ObjectProp<&TWidget::Lines>("Lines"),
      CollectionProp<&TWidget::Spots>("Spots"),
      BinaryProp<&TWidget::Data, &TWidget::SetData>("Data"),
      ObjectProp<&TWidget::Pen>("Pen"),
      RefProp<&TWidget::Buddy, &TWidget::SetBuddy>("Buddy"),
      EventProp<&TWidget::onPing>("OnPing"),
  };
  static const ClassInfo info = MakeClass<TWidget, Component>("TWidget", kProps);
  return info;
}

void TWidget::SetParentComponent(Component* parent) {
  auto* p = dynamic_cast<TWidget*>(parent);
  if (p == parent_) return;
  parent_ = p;
  if (p) p->kids_.push_back(this);
}

void TWidget::GetChildren(std::vector<Component*>& children, Component* root) const {
  for (TWidget* k : kids_)
    if (k->Owner() == root) children.push_back(k);
  Component::GetChildren(children, root);
}

void TWidget::Notification(Component* c) {
  removed.push_back(c->Name());
  if (c == buddy_) buddy_ = nullptr;
  Component::Notification(c);
}

const ClassInfo& TBoard::StaticClass() {
  static const MethodInfo kMethods[] = {FW_METHOD(TBoard, Ping), FW_METHOD(TBoard, Pong)};
  static const PropInfo kNone[] = {IntProp<&TWidget::Count, &TWidget::SetCount>("Count", 0)};
  static const ClassInfo info = MakeClass<TBoard, TWidget>("TBoard", kNone, kMethods);
  return info;
}

void RegisterTestClasses() { RegisterClasses<TWidget, TBoard>(); }

}  // namespace fw::testing
