// Notebooks: a container of pages of which one is visible at a time. The pages are unnamed
// TPage children owned by the notebook and known by their captions (the page names).
#pragma once

#include <string>
#include <vector>

#include "framework/win32/win_control.h"

namespace fw {

class TNotebook;

class TPage : public TWinControl {
 public:
  FW_CLASS()

  explicit TPage(Component* owner);

  void SetParent(TWinControl* parent) override;
};

class TNotebook : public TWinControl {
 public:
  FW_CLASS()

  explicit TNotebook(Component* owner);

  // The pages in the order they were added.
  std::vector<TPage*> Pages() const;
  // Adds a page named name at the end; it stays hidden unless it is the active page.
  TPage* AddPage(const std::string& name);

  int PageIndex() const { return pageIndex_; }
  // Shows the page at index; an index out of range, or that of the visible page, changes
  // nothing. When the keyboard focus is inside the notebook, it moves to the first control of
  // the new page, in tab order, that can take it.
  void SetPageIndex(int index);
  // The name of the visible page; empty if there is none.
  std::string ActivePage() const;
  // Shows the page of that name (without regard to case); an unknown name changes nothing.
  void SetActivePage(const std::string& name);

  Method onPageChanged;

  void Loaded() override;
  Component* ChildOwner() override { return this; }
  void GetChildren(std::vector<Component*>& children, Component* root) const override;

 private:
  friend class TPage;
  // Brings the pages' visibility in line with the page index.
  void ShowActivePage();

  int pageIndex_ = 0;
};

}  // namespace fw
