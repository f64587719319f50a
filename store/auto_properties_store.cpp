#include "store/auto_properties_store.h"

#include <exception>
#include <utility>
#include <vector>

#include "framework/core/property_builders.h"
#include "store/apply_entries.h"
#include "store/collect_entries.h"
#include "store/effective_names.h"

namespace gv {

const fw::ClassInfo& TAutoPropertiesStore::StaticClass() {
  using T = TAutoPropertiesStore;
  static const fw::PropInfo kProps[] = {
      fw::BoolProp<&T::Active, &T::SetActive>("Active", false).NoDefault(),
      fw::StrProp<&T::BinaryFileName, &T::SetBinaryFileName>("BinaryFileName")
          .StoredIf<&T::BinaryFileNameSet>(),
      fw::StrProp<&T::IniFileName, &T::SetIniFileName>("IniFileName").StoredIf<&T::IniFileNameSet>(),
      fw::StrProp<&T::IniSection, &T::SetIniSection>("IniSection").StoredIf<&T::IniSectionSet>(),
      fw::CollectionProp<static_cast<TAutoObjectsStore* (T::*)()>(&T::Items)>("Items"),
      fw::BoolProp<&T::UseRegistry, &T::SetUseRegistry>("UseRegistry", false),
      fw::EventProp<&T::onAfterRestore>("OnAfterRestore"),
      fw::EventProp<&T::onAfterSave>("OnAfterSave"),
      fw::EventProp<&T::onBeforeRestore>("OnBeforeRestore"),
      fw::EventProp<&T::onBeforeSave>("OnBeforeSave"),
  };
  static const fw::ClassInfo info = fw::MakeClass<T, fw::Component>("TAutoPropertiesStore", kProps);
  return info;
}

TAutoPropertiesStore::TAutoPropertiesStore(fw::Component* owner)
    : fw::Component(owner), items_(this), platform_(store::MakeStorePlatform()) {}

TAutoPropertiesStore::~TAutoPropertiesStore() {
  UnhookOwner();
  if (self_) *self_ = nullptr;
}

std::string TAutoPropertiesStore::IniFileName() const {
  if (!iniFileName_.empty()) return iniFileName_;
  return store::DefaultIniFileName(platform_->ProgramFileName(), useRegistry_);
}

std::string TAutoPropertiesStore::IniSection() const {
  if (!iniSection_.empty()) return iniSection_;
  return Owner() ? Owner()->Class().name : Name();
}

std::string TAutoPropertiesStore::BinaryFileName() const {
  if (!binaryFileName_.empty()) return binaryFileName_;
  return store::DefaultBinaryFileName(platform_->ProgramFileName());
}

void TAutoPropertiesStore::SetPlatform(std::unique_ptr<store::StorePlatform> platform) {
  UnhookOwner();
  platform_ = std::move(platform);
}

void TAutoPropertiesStore::Save() {
  fw::Component* owner = Owner();
  if (!owner || items_.Count() == 0) return;
  // The file could not be read at the start: what it holds is the user's, and stays.
  if (!unreadable_.empty()) return;
  onBeforeSave(this);
  const std::unique_ptr<store::BinaryRows> binary = platform_->OpenBinaryRows(BinaryFileName());
  const std::vector<std::string> entries = store::CollectEntries(owner, items_, *binary);
  // The binary data first: the settings it belongs to name its sections.
  binary->Commit();
  platform_->Sections(useRegistry_).WriteSection(IniFileName(), IniSection(), entries);
  saved_ = true;
  onAfterSave(this);
}

void TAutoPropertiesStore::Restore() {
  // A value being applied may start another restore (a show handler, say): the running one
  // goes on alone.
  if (restoring_) return;
  restoring_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{restoring_};

  saved_ = false;
  savedInCloseQuery_ = false;
  // A file that cannot be read is not an empty one: nothing is applied, it is reported once, and
  // no save of this run writes over it.
  try {
    skipped_.clear();
    const std::vector<std::string> lines =
        platform_->Sections(useRegistry_).ReadSection(IniFileName(), IniSection(), skipped_);
    onBeforeRestore(this);
    if (fw::Component* owner = Owner()) {
      const std::unique_ptr<store::BinaryRows> binary = platform_->OpenBinaryRows(BinaryFileName());
      store::ApplyEntries(owner, this, lines, *binary, skipped_);
    }
  } catch (const store::UnreadableFile& error) {
    unreadable_ = "Settings file " + std::string(error.what()) +
                  ": the settings are kept as they are, and this run will not save over them";
    unreadableReported_ = false;
    skipped_.clear();
    return;
  }
  onAfterRestore(this);
}

std::string TAutoPropertiesStore::TakeRestoreReport() {
  if (!unreadable_.empty()) {
    if (unreadableReported_) return std::string();
    unreadableReported_ = true;
    return unreadable_;
  }
  if (skipped_.empty()) return std::string();
  constexpr size_t kListed = 10;
  std::string text = (useRegistry_ ? "Registry key " : "Settings file ") + IniFileName() + ", section " +
                     IniSection() + ": " + std::to_string(skipped_.size()) +
                     (skipped_.size() == 1 ? " entry was" : " entries were") +
                     " not restored and the values shown instead will be saved\r\n";
  for (size_t i = 0; i < skipped_.size() && i < kListed; ++i)
    text += "\r\n" + skipped_[i].key + ": " + skipped_[i].reason;
  if (skipped_.size() > kListed) text += "\r\nand " + std::to_string(skipped_.size() - kListed) + " more";
  skipped_.clear();
  return text;
}

void TAutoPropertiesStore::Loaded() {
  const bool wasLoading = IsLoading();
  fw::Component::Loaded();
  if (wasLoading) HookOwner();
  // A damaged settings file must not keep the window from being created.
  if (active_) WithErrorsReported(&TAutoPropertiesStore::Restore);
}

void TAutoPropertiesStore::Notification(fw::Component* component) {
  fw::Component::Notification(component);
  if (component != this) items_.RemoveComponent(component);
}

void TAutoPropertiesStore::HookOwner() {
  if (hooks_ || !Owner()) return;
  hooks_ = platform_->HooksOf(Owner());
  if (!hooks_) return;
  hookedOwner_ = Owner();
  if (!self_) self_ = std::make_shared<TAutoPropertiesStore*>(this);
  keptCloseQuery_ = hooks_->CloseQueryHandler();
  keptDestroy_ = hooks_->DestroyHandler();
  hooks_->SetCloseQueryHandler([self = self_](fw::Component* sender, bool& canClose) {
    if (*self) (*self)->OwnerCloseQuery(sender, canClose);
  });
  // Keeps the name of the handler it stands for, so that the window's text still names it.
  hooks_->SetDestroyHandler(fw::Method{keptDestroy_.name, [self = self_](fw::Component* sender) {
                                         if (*self) (*self)->OwnerDestroy(sender);
                                       }});
}

void TAutoPropertiesStore::UnhookOwner() {
  if (!hooks_) return;
  // A window already being torn down gets nothing back: its handlers are going with it.
  if (!hookedOwner_->IsDestroying()) {
    hooks_->SetCloseQueryHandler(std::move(keptCloseQuery_));
    hooks_->SetDestroyHandler(std::move(keptDestroy_));
  }
  hooks_.reset();
  hookedOwner_ = nullptr;
  keptCloseQuery_ = nullptr;
  keptDestroy_ = fw::Method{};
}

void TAutoPropertiesStore::OwnerCloseQuery(fw::Component* sender, bool& canClose) {
  if (keptCloseQuery_) keptCloseQuery_(sender, canClose);
  savedInCloseQuery_ = false;
  if (canClose && active_ && hooks_ && hooks_->HasWindowHandle()) {
    WithErrorsReported(&TAutoPropertiesStore::Save);
    savedInCloseQuery_ = true;
  }
}

// A save that failed in the close has been reported once; the window going does not try again.
void TAutoPropertiesStore::OwnerDestroy(fw::Component* sender) {
  if (active_ && !saved_ && !savedInCloseQuery_) WithErrorsReported(&TAutoPropertiesStore::Save);
  keptDestroy_(sender);
}

void TAutoPropertiesStore::WithErrorsReported(void (TAutoPropertiesStore::*step)()) {
  try {
    (this->*step)();
  } catch (const std::exception& error) {
    platform_->ReportError(error);
  }
}

void RegisterStoreClasses() { fw::RegisterClasses<TAutoPropertiesStore>(); }

}  // namespace gv
