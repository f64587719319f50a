#include "framework/core/collection.h"

namespace fw {

const ClassInfo& TCollectionItem::StaticClass() {
  static const ClassInfo info = MakeClass<TCollectionItem, Persistent>("TCollectionItem");
  return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

const ClassInfo& TCollection::StaticClass() {
  static const ClassInfo info = MakeClass<TCollection, Persistent>("TCollection");
  return info;
}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Add() {
  items_.push_back(NewItem());
  return items_.back().get();
}

void TCollection::Delete(size_t i) {
  if (i < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TCollection::Clear() { items_.clear(); }

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

}  // namespace fw
