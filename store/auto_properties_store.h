// The settings store: a non-visual component that keeps named published properties of named
// components of its window as "Component.Property=value" entries in a section of a settings file
// (or a registry key), and applies them again. Values are written in the description text's
// syntax, so every kind of property goes through one mechanism.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/method.h"
#include "store/auto_objects_store.h"
#include "store/platform/store_platform.h"

namespace gv {

class TAutoPropertiesStore : public fw::Component {
 public:
  FW_CLASS()

  explicit TAutoPropertiesStore(fw::Component* owner);
  ~TAutoPropertiesStore() override;

  // Restore when the window has been loaded, save when it closes or is destroyed.
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  bool UseRegistry() const { return useRegistry_; }
  void SetUseRegistry(bool use) { useRegistry_ = use; }

  // Effective names: the text set, or when it is empty the default worked out from the program's
  // file name ("PROGRAM.INI", "Software\PROGRAM" with the registry, "PROGRAM.BIN") and, for the
  // section, the class name of the owner window (the store's own name without an owner).
  std::string IniFileName() const;
  void SetIniFileName(const std::string& name) { iniFileName_ = name; }
  std::string IniSection() const;
  void SetIniSection(const std::string& name) { iniSection_ = name; }
  std::string BinaryFileName() const;
  void SetBinaryFileName(const std::string& name) { binaryFileName_ = name; }

  TAutoObjectsStore* Items() { return &items_; }
  const TAutoObjectsStore* Items() const { return &items_; }

  // Fired with the store as sender.
  fw::Method onAfterRestore;
  fw::Method onAfterSave;
  fw::Method onBeforeRestore;  // after the section is read, before any value is applied
  fw::Method onBeforeSave;

  // Replaces the section with the kept values (binary data first, in its own file). Nothing at
  // all happens without an owner, without items, or after a restore found the file unreadable.
  // Errors propagate; the section is then as it was.
  void Save();
  // Applies every entry of the section that can be applied. An entry that cannot (no such
  // component or property, a value that does not parse or is of the wrong kind, a handler name)
  // leaves its property as it was and is kept for the report below. A settings file that is
  // there but cannot be read applies nothing and is reported instead. Other errors of the
  // storage propagate.
  void Restore();
  // The entries the last Restore left out, in section order.
  const std::vector<store::SkippedEntry>& Skipped() const { return skipped_; }
  // A report of them for the user, naming the settings file, or of a settings file that could
  // not be read; empty when there is nothing to report. Taking it forgets them, so that one start
  // reports them once however often it restores.
  std::string TakeRestoreReport();
  // True once a Save has completed since the last Restore began.
  bool Saved() const { return saved_; }
  // True when the close query that runs first in a close has just saved, or failed to and
  // reported it: a save later in the same close would write the same values, or fail the same
  // way and report it a second time.
  bool SavedInCloseQuery() const { return savedInCloseQuery_; }

  void Loaded() override;
  void Notification(fw::Component* component) override;

  // Replaces the platform the store works on (tests run it on in-memory sections).
  void SetPlatform(std::unique_ptr<store::StorePlatform> platform);
  store::StorePlatform& Platform() { return *platform_; }

 private:
  bool IniFileNameSet() const { return !iniFileName_.empty(); }
  bool IniSectionSet() const { return !iniSection_.empty(); }
  bool BinaryFileNameSet() const { return !binaryFileName_.empty(); }

  void HookOwner();
  void UnhookOwner();
  void OwnerCloseQuery(fw::Component* sender, bool& canClose);
  void OwnerDestroy(fw::Component* sender);
  // Save or Restore with any error handed to the standard report.
  void WithErrorsReported(void (TAutoPropertiesStore::*step)());

  bool active_ = false;
  bool useRegistry_ = false;
  std::string iniFileName_;
  std::string iniSection_;
  std::string binaryFileName_;
  TAutoObjectsStore items_;
  bool saved_ = false;
  bool restoring_ = false;
  bool savedInCloseQuery_ = false;
  std::string unreadable_;  // the report of a settings file that could not be read
  bool unreadableReported_ = false;
  std::vector<store::SkippedEntry> skipped_;
  std::unique_ptr<store::StorePlatform> platform_;

  // The owner window's handlers replaced by the store's, to chain to and put back. The store's
  // handlers reach it through self_, which goes null with the store, so that a window that is
  // torn down and not given its handlers back never calls into a store that is gone.
  std::shared_ptr<TAutoPropertiesStore*> self_;
  std::unique_ptr<store::OwnerHooks> hooks_;
  fw::Component* hookedOwner_ = nullptr;
  store::OwnerHooks::CloseQuery keptCloseQuery_;
  fw::Method keptDestroy_;
};

// Registers the store's class, so that window descriptions can create it by name.
void RegisterStoreClasses();

}  // namespace gv
