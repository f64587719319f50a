// Collections: an owned, ordered list of items of one item class, published as a property and
// written as "< item ... end>".
#pragma once

#include <memory>
#include <vector>

#include "framework/core/persistent.h"

namespace fw {

class TCollection;

class TCollectionItem : public Persistent {
 public:
  FW_CLASS()

  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  TCollection* Collection() const { return collection_; }

 private:
  TCollection* collection_;
};

class TCollection : public Persistent {
 public:
  FW_CLASS()

  ~TCollection() override;

  size_t Count() const { return items_.size(); }
  TCollectionItem* Item(size_t i) const { return items_[i].get(); }
  TCollectionItem* Add();
  void Delete(size_t i);
  void Clear();

 protected:
  // Makes a new item of the collection's item class.
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;

 private:
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace fw
