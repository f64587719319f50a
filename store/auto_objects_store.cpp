#include "store/auto_objects_store.h"

#include "framework/core/property_builders.h"
#include "store/auto_properties_store.h"

namespace gv {

const fw::ClassInfo& TAutoObjectStore::StaticClass() {
  static const fw::PropInfo kProps[] = {
      fw::RefProp<&TAutoObjectStore::Component, &TAutoObjectStore::SetComponent>("Component"),
      fw::BoolProp<&TAutoObjectStore::IsForm, &TAutoObjectStore::SetIsForm>("IsForm", false),
      fw::ObjectProp<static_cast<fw::TStrings* (TAutoObjectStore::*)()>(&TAutoObjectStore::StoredProp)>(
          "StoredProp"),
  };
  static const fw::ClassInfo info =
      fw::MakeClass<TAutoObjectStore, fw::TCollectionItem>("TAutoObjectStore", kProps);
  return info;
}

TAutoObjectStore::TAutoObjectStore(TAutoObjectsStore* collection) : fw::TCollectionItem(collection) {}

TAutoObjectsStore* TAutoObjectStore::Owners() const { return static_cast<TAutoObjectsStore*>(Collection()); }

TAutoPropertiesStore* TAutoObjectStore::Store() const { return Owners() ? Owners()->Store() : nullptr; }

void TAutoObjectStore::SetComponent(fw::Component* component) {
  TAutoPropertiesStore* store = Store();
  if (component != component_) {
    component_ = component;
    if (!component || !store || !store->IsLoading()) storedProp_.Clear();
  }
  if (component_ && store && component_ == store->Owner()) isForm_ = true;
}

void TAutoObjectStore::SetIsForm(bool isForm) {
  TAutoPropertiesStore* store = Store();
  if (!store || !store->IsLoading()) return;
  isForm_ = isForm;
  if (isForm) SetComponent(store->Owner());
}

const fw::ClassInfo& TAutoObjectsStore::StaticClass() {
  static const fw::ClassInfo info = fw::MakeClass<TAutoObjectsStore, fw::TCollection>("TAutoObjectsStore");
  return info;
}

int TAutoObjectsStore::IndexOfComponent(const fw::Component* component) const {
  for (size_t i = 0; i < Count(); ++i)
    if (Items(i)->Component() == component) return static_cast<int>(i);
  return -1;
}

void TAutoObjectsStore::RemoveComponent(const fw::Component* component) {
  const int i = IndexOfComponent(component);
  if (i >= 0) Delete(static_cast<size_t>(i));
}

std::unique_ptr<fw::TCollectionItem> TAutoObjectsStore::NewItem() {
  return std::make_unique<TAutoObjectStore>(this);
}

}  // namespace gv
