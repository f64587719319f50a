#include "tests/store/store_test_components.h"

#include "framework/core/property_builders.h"
#include "store/entries/section_binary_rows.h"

namespace gv::store_test {

namespace {
const char* const kCheckStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
}  // namespace

const fw::EnumType kTestCheckStateType{"TCheckBoxState", kCheckStateNames, 3};

const fw::ClassInfo& TTestWindow::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::StrProp<&TTestWindow::Caption, &TTestWindow::SetCaption>("Caption"),
      fw::BoolProp<&TTestWindow::Visible, &TTestWindow::SetVisible>("Visible", false),
      fw::EventProp<&TTestWindow::onDestroy>("OnDestroy"),
      fw::EventProp<&TTestWindow::onShow>("OnShow"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestWindow, fw::Component>("TTestWindow", kProps);
  return info;
}

TTestWindow::TTestWindow(fw::Component* owner) : fw::Component(owner) {}

// As a form does: the destroy handler runs while every component is still there.
TTestWindow::~TTestWindow() {
  SetDestroying();
  onDestroy(this);
  DestroyComponents();
}

void TTestWindow::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (visible) onShow(this);
}

void TTestWindow::GetChildren(std::vector<fw::Component*>& children, fw::Component* root) const {
  if (root != this) return;
  for (fw::Component* c : Components())
    if (!c->HasParent()) children.push_back(c);
}

bool TTestWindow::CloseQuery() {
  bool canClose = true;
  if (onCloseQuery) onCloseQuery(this, canClose);
  return canClose;
}

const fw::ClassInfo& TTestControl::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::IntProp<&TTestControl::Width, &TTestControl::SetWidth>("Width", 100),
      fw::BoolProp<&TTestControl::Enabled, &TTestControl::SetEnabled>("Enabled", true),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestControl, fw::Component>("TTestControl", kProps);
  return info;
}

void TTestControl::SetParentComponent(fw::Component* parent) { parent_ = dynamic_cast<TTestPanel*>(parent); }

const fw::ClassInfo& TTestPanel::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::StrProp<&TTestPanel::Caption, &TTestPanel::SetCaption>("Caption"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestPanel, TTestControl>("TTestPanel", kProps);
  return info;
}

void TTestPanel::GetChildren(std::vector<fw::Component*>& children, fw::Component* root) const {
  for (fw::Component* c : root->Components())
    if (c->ParentComponent() == this) children.push_back(c);
}

const fw::ClassInfo& TTestEdit::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::StrProp<&TTestEdit::Text, &TTestEdit::SetText>("Text"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestEdit, TTestControl>("TTestEdit", kProps);
  return info;
}

const fw::ClassInfo& TTestCheckBox::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::BoolProp<&TTestCheckBox::Checked, &TTestCheckBox::SetChecked>("Checked", false).NotStored(),
      fw::EnumProp<&TTestCheckBox::State, &TTestCheckBox::SetState>("State", kTestCheckStateType,
                                                                    cbUnchecked),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestCheckBox, TTestControl>("TTestCheckBox", kProps);
  return info;
}

const fw::ClassInfo& TTestRadioButton::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::BoolProp<&TTestRadioButton::Checked, &TTestRadioButton::SetChecked>("Checked", false),
      fw::EventProp<&TTestRadioButton::onClick>("OnClick"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestRadioButton, TTestControl>("TTestRadioButton", kProps);
  return info;
}

void TTestRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (!checked) return;
  if (Owner()) {
    for (fw::Component* c : Owner()->Components()) {
      auto* other = dynamic_cast<TTestRadioButton*>(c);
      if (other && other != this && other->ParentComponent() == ParentComponent()) other->SetChecked(false);
    }
  }
  onClick(this);
}

const fw::ClassInfo& TTestListBox::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::ObjectProp<&TTestListBox::Items>("Items"),
      fw::ListProp<&TTestListBox::Lines, &TTestListBox::SetLines>("Lines"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestListBox, TTestControl>("TTestListBox", kProps);
  return info;
}

const fw::ClassInfo& TTestColumn::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::StrProp<&TTestColumn::Caption, &TTestColumn::SetCaption>("Caption"),
      fw::IntProp<&TTestColumn::Width, &TTestColumn::SetWidth>("Width", 64),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestColumn, fw::TCollectionItem>("TTestColumn", kProps);
  return info;
}

const fw::ClassInfo& TTestColumns::StaticClass() {
  static const fw::ClassInfo info = fw::MakeClass<TTestColumns, fw::TCollection>("TTestColumns");
  return info;
}

const fw::ClassInfo& TTestGrid::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::CollectionProp<&TTestGrid::Columns>("Columns"),
      fw::BinaryProp<&TTestGrid::Data, &TTestGrid::SetData>("Data"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TTestGrid, TTestControl>("TTestGrid", kProps);
  return info;
}

void RegisterTestClasses() {
  fw::RegisterClasses<TTestWindow, TTestPanel, TTestEdit, TTestCheckBox, TTestRadioButton, TTestListBox,
                      TTestGrid>();
  RegisterStoreClasses();
}

namespace {

class TestHooks : public store::OwnerHooks {
 public:
  explicit TestHooks(TTestWindow* window) : window_(window) {}
  bool HasWindowHandle() const override { return window_->hasHandle; }
  CloseQuery CloseQueryHandler() const override { return window_->onCloseQuery; }
  void SetCloseQueryHandler(CloseQuery handler) override { window_->onCloseQuery = std::move(handler); }
  fw::Method DestroyHandler() const override { return window_->onDestroy; }
  void SetDestroyHandler(fw::Method handler) override { window_->onDestroy = std::move(handler); }

 private:
  TTestWindow* window_;
};

class TestPlatform : public store::StorePlatform {
 public:
  explicit TestPlatform(TestStorage& storage) : storage_(storage) {}
  std::string ProgramFileName() const override { return storage_.program; }
  store::SectionBackEnd& Sections(bool registry) override {
    return registry ? static_cast<store::SectionBackEnd&>(storage_.registry) : storage_.files;
  }
  std::unique_ptr<store::BinaryRows> OpenBinaryRows(const std::string& file) override {
    return std::make_unique<store::SectionBinaryRows>(storage_.files, file);
  }
  std::unique_ptr<store::OwnerHooks> HooksOf(fw::Component* owner) override {
    auto* window = dynamic_cast<TTestWindow*>(owner);
    return window ? std::make_unique<TestHooks>(window) : nullptr;
  }
  void ReportError(const std::exception& error) override { storage_.reported.push_back(error.what()); }

 private:
  TestStorage& storage_;
};

}  // namespace

std::unique_ptr<store::StorePlatform> MakeTestPlatform(TestStorage& storage) {
  return std::make_unique<TestPlatform>(storage);
}

}  // namespace gv::store_test
