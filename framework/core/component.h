// Components: named persistent objects in an ownership tree. An owner destroys what it owns;
// when a component goes, the other components of its owner are told (Notification), so that
// references to it can be dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/persistent.h"

namespace fw {

class Component : public Persistent {
 public:
  FW_CLASS()

  explicit Component(Component* owner);
  ~Component() override;

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name);  // throws on a bad or duplicate name
  Component* Owner() const { return owner_; }
  const std::vector<Component*>& Components() const { return components_; }
  // An owned component by name, without regard to case; null if none.
  Component* FindComponent(std::string_view name) const;
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Moves this component to another owner (or none).
  void SetOwner(Component* owner);

  // Loading: set while description text is being read into the component; Loaded() runs once
  // all of it has been read and references are fixed up.
  bool IsLoading() const { return (state_ & kLoading) != 0; }
  bool IsDestroying() const { return (state_ & kDestroying) != 0; }
  void BeginLoading() { state_ |= kLoading; }
  virtual void Loaded() { state_ &= ~kLoading; }

  // Sent to the owner, and from it to every owned component, when a component of the owner is
  // removed, so that references to it can be dropped. Overrides call the base to pass it on.
  // Insertions are not told: nothing needs to hear of them, and telling every owned component of
  // each new one made reading a window cost the square of its components.
  virtual void Notification(Component* component);

  // How components nest in description text. The loader hands a child object's enclosing
  // component to SetParentComponent; the writer asks GetChildren which components to write
  // inside this one. ChildOwner is the owner of the components read inside this one (null:
  // the root).
  virtual bool HasParent() const { return false; }
  virtual Component* ParentComponent() const { return nullptr; }
  virtual void SetParentComponent(Component*) {}
  virtual void GetChildren(std::vector<Component*>& children, Component* root) const;
  virtual Component* ChildOwner() { return nullptr; }

 protected:
  // Destroys every owned component, last first. Classes whose teardown needs their owned
  // components gone first call this at the start of their destructor.
  void DestroyComponents();
  void SetDestroying() { state_ |= kDestroying; }

 private:
  enum : unsigned { kLoading = 1, kDestroying = 2 };

  void Insert(Component* component);
  void Remove(Component* component);
  // The owned components that have a name, kept in name order without regard to case, so that
  // finding one (every name checked while reading a description) costs a binary search.
  void IndexName(Component* component);
  void UnindexName(Component* component);

  std::string name_;
  Component* owner_ = nullptr;
  std::vector<Component*> components_;
  std::vector<Component*> byName_;
  unsigned ownedChanges_ = 0;  // counts insertions and removals, for Notification
  int tag_ = 0;
  unsigned state_ = 0;
};

}  // namespace fw
