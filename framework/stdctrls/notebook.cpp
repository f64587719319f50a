#include "framework/stdctrls/notebook.h"

#include "framework/core/property_builders.h"
#include "framework/core/text_util.h"

namespace fw {

namespace {

// The first control inside container, in tab order and through nested containers, that can
// take the keyboard focus and is a tab stop.
TWinControl* FirstTabStop(const TWinControl* container) {
  for (TWinControl* c : container->TabList()) {
    if (!c->CanFocus()) continue;
    if (c->TabStop()) return c;
    if (TWinControl* inner = FirstTabStop(c)) return inner;
  }
  return nullptr;
}

}  // namespace

const ClassInfo& TPage::StaticClass() {
  // A page's visibility, place and tab position follow from its notebook.
  static const PropInfo kProps[] = {
      EnumProp<&TControl::Align, &TControl::SetAlign>("Align", kAlignType, alClient).NotStored(),
      BoolProp<&TControl::Visible, &TControl::SetVisible>("Visible", false).NotStored(),
      IntProp<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder", -1).NotStored(),
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
  };
  static const ClassInfo info = MakeClass<TPage, TWinControl>("TPage", kProps);
  return info;
}

TPage::TPage(Component* owner) : TWinControl(owner) {
  SetVisible(false);
  SetAlign(alClient);
}

void TPage::SetParent(TWinControl* parent) {
  TWinControl::SetParent(parent);
  if (auto* notebook = dynamic_cast<TNotebook*>(parent); notebook && !notebook->IsLoading())
    notebook->ShowActivePage();
}

const ClassInfo& TNotebook::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TNotebook::PageIndex, &TNotebook::SetPageIndex>("PageIndex", 0),
  };
  static const ClassInfo info = MakeClass<TNotebook, TWinControl>("TNotebook", kProps);
  return info;
}

TNotebook::TNotebook(Component* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 150); }

std::vector<TPage*> TNotebook::Pages() const {
  std::vector<TPage*> pages;
  for (TControl* c : Controls())
    if (auto* page = dynamic_cast<TPage*>(c)) pages.push_back(page);
  return pages;
}

TPage* TNotebook::AddPage(const std::string& name) {
  auto* page = new TPage(this);
  page->SetCaption(name);
  page->SetParent(this);
  return page;
}

void TNotebook::ShowActivePage() {
  std::vector<TPage*> pages = Pages();
  // Show the new page before hiding the old one, so the notebook never shows bare.
  if (pageIndex_ >= 0 && pageIndex_ < static_cast<int>(pages.size())) pages[pageIndex_]->SetVisible(true);
  for (int i = 0; i < static_cast<int>(pages.size()); ++i)
    if (i != pageIndex_) pages[i]->SetVisible(false);
  AlignControls();
}

void TNotebook::SetPageIndex(int index) {
  if (IsLoading()) {
    pageIndex_ = index;  // the pages follow in the text
    return;
  }
  std::vector<TPage*> pages = Pages();
  if (index == pageIndex_ || index < 0 || index >= static_cast<int>(pages.size())) return;
  // A focused control on the page going away would keep the focus while hidden: hold the
  // focus on the notebook itself during the change.
  HWND focus = GetFocus();
  bool focusInside =
      HandleAllocated() && focus && (focus == HandleIfAllocated() || IsChild(HandleIfAllocated(), focus));
  if (focusInside) SetFocus();
  pageIndex_ = index;
  ShowActivePage();
  if (TWinControl* control = focusInside ? FirstTabStop(pages[index]) : nullptr) control->SetFocus();
  onPageChanged(this);
}

std::string TNotebook::ActivePage() const {
  std::vector<TPage*> pages = Pages();
  if (pageIndex_ < 0 || pageIndex_ >= static_cast<int>(pages.size())) return std::string();
  return pages[pageIndex_]->Caption();
}

void TNotebook::SetActivePage(const std::string& name) {
  std::vector<TPage*> pages = Pages();
  for (int i = 0; i < static_cast<int>(pages.size()); ++i)
    if (SameText(pages[i]->Caption(), name)) return SetPageIndex(i);
}

void TNotebook::Loaded() {
  TWinControl::Loaded();
  ShowActivePage();
}

void TNotebook::GetChildren(std::vector<Component*>& children, Component* root) const {
  // Pages are written inside their notebook whoever the root is; other children as usual.
  for (TControl* c : Controls())
    if (dynamic_cast<TPage*>(c) ? c->Owner() == this : c->Owner() == root) children.push_back(c);
  if (root == this)
    for (Component* c : Components())
      if (!c->HasParent()) children.push_back(c);
}

}  // namespace fw
