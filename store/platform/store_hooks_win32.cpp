#include "store/platform/store_hooks_win32.h"

#include <utility>

#include "framework/win32/form.h"

namespace gv::store {

namespace {

class FormHooks : public OwnerHooks {
 public:
  explicit FormHooks(fw::TForm* form) : form_(form) {}

  bool HasWindowHandle() const override { return form_->HandleAllocated(); }
  CloseQuery CloseQueryHandler() const override { return form_->onCloseQuery; }
  void SetCloseQueryHandler(CloseQuery handler) override { form_->onCloseQuery = std::move(handler); }
  fw::Method DestroyHandler() const override { return form_->onDestroy; }
  void SetDestroyHandler(fw::Method handler) override { form_->onDestroy = std::move(handler); }

 private:
  fw::TForm* form_;
};

}  // namespace

std::unique_ptr<OwnerHooks> MakeFormHooks(fw::Component* owner) {
  auto* form = dynamic_cast<fw::TForm*>(owner);
  if (!form) return nullptr;
  return std::make_unique<FormHooks>(form);
}

}  // namespace gv::store
