#include "framework/core/collection.h"

namespace fw {

const ClassInfo& TCollectionItem::StaticClass() {
  static const ClassInfo info = MakeClass<TCollectionItem, Persistent>("TCollectionItem");
  return info;
}

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

}  // namespace fw
