// The items of the settings store: each names one component of the store's window and the
// published properties of it whose values are kept.
#pragma once

#include <memory>

#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/core/string_list.h"

namespace gv {

class TAutoPropertiesStore;
class TAutoObjectsStore;

class TAutoObjectStore : public fw::TCollectionItem {
 public:
  FW_CLASS()

  explicit TAutoObjectStore(TAutoObjectsStore* collection);

  // The kept component (not owned). A new value clears StoredProp unless the store is being
  // loaded from its window description (references are bound after the names were read) and the
  // value is not empty. The store's owner makes IsForm true.
  fw::Component* Component() const { return component_; }
  void SetComponent(fw::Component* component);

  // The item stands for the store's window. Takes effect only while the store is loaded.
  bool IsForm() const { return isForm_; }
  void SetIsForm(bool isForm);

  // Names of top-level published properties of Component, matched without regard to case.
  fw::TStrings* StoredProp() { return &storedProp_; }
  const fw::TStrings* StoredProp() const { return &storedProp_; }

 private:
  TAutoObjectsStore* Owners() const;
  TAutoPropertiesStore* Store() const;

  fw::Component* component_ = nullptr;
  bool isForm_ = false;
  fw::TStrings storedProp_;
};

class TAutoObjectsStore : public fw::TCollection {
 public:
  FW_CLASS()

  explicit TAutoObjectsStore(TAutoPropertiesStore* store) : store_(store) {}

  TAutoPropertiesStore* Store() const { return store_; }

  TAutoObjectStore* Add() { return static_cast<TAutoObjectStore*>(fw::TCollection::Add()); }
  TAutoObjectStore* Items(size_t i) const { return static_cast<TAutoObjectStore*>(Item(i)); }

  // Index of the first item whose Component is component; -1 if none.
  int IndexOfComponent(const fw::Component* component) const;
  // Frees the first item whose Component is component, if there is one.
  void RemoveComponent(const fw::Component* component);

 protected:
  std::unique_ptr<fw::TCollectionItem> NewItem() override;

 private:
  TAutoPropertiesStore* store_;
};

}  // namespace gv
