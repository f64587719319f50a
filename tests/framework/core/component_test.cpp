// The component model: ownership, names, removal notification, class registry and property
// tables.
#include <gtest/gtest.h>

#include <utility>

#include "framework/core/class_info.h"
#include "framework/core/error.h"
#include "framework/core/text_util.h"
#include "tests/framework/core/test_components.h"

namespace fw::testing {
namespace {

TEST(Component, OwnerDestroysWhatItOwnsAndTellsTheOthers) {
  auto* root = new TWidget(nullptr);
  auto* a = new TWidget(root);
  auto* b = new TWidget(root);
  a->SetName("A");
  b->SetName("B");
  a->SetBuddy(b);
  delete b;
  EXPECT_EQ(root->Components().size(), 1u);
  EXPECT_EQ(a->Buddy(), nullptr) << "the reference to the destroyed component is dropped";
  EXPECT_EQ(root->removed, std::vector<std::string>{"B"});
  EXPECT_EQ(a->removed, std::vector<std::string>{"B"});
  delete root;  // frees A too; ASan reports a leak otherwise
}

// Told of a removal, destroys another component of its owner's.
class Dropper : public TWidget {
 public:
  using TWidget::TWidget;
  Component* victim = nullptr;
  void Notification(Component* c) override {
    if (victim) delete std::exchange(victim, nullptr);
    TWidget::Notification(c);
  }
};

TEST(Component, ReceiverThatDestroysASiblingStopsOnlyThatOneBeingTold) {
  TWidget root(nullptr);
  auto* dropper = new Dropper(&root);
  auto* victim = new TWidget(&root);
  auto* later = new TWidget(&root);
  auto* gone = new TWidget(&root);
  victim->SetName("Victim");
  gone->SetName("Gone");
  dropper->victim = victim;
  delete gone;  // the dropper, told first, destroys the victim: it must not be told after that
  EXPECT_EQ(root.Components(), (std::vector<Component*>{dropper, later}));
  EXPECT_EQ(later->removed, (std::vector<std::string>{"Victim", "Gone"}));
}

TEST(Component, NamesAreUniqueAmongSiblingsAndFoundWithoutCase) {
  TWidget root(nullptr);
  auto* a = new TWidget(&root);
  a->SetName("CheckBox1");
  EXPECT_EQ(root.FindComponent("checkbox1"), a);
  EXPECT_EQ(root.FindComponent(""), nullptr);
  auto* b = new TWidget(&root);
  EXPECT_THROW(b->SetName("CHECKBOX1"), Error);
  EXPECT_THROW(b->SetName("1abc"), Error);
  b->SetName("CheckBox2");
  EXPECT_EQ(root.FindComponent("CHECKBOX2"), b);

  // Renamed, moved away, moved in, destroyed: found by the name it has, where it is.
  b->SetName("Box");
  EXPECT_EQ(root.FindComponent("checkbox2"), nullptr);
  EXPECT_EQ(root.FindComponent("BOX"), b);
  b->SetName("");
  EXPECT_EQ(root.FindComponent("Box"), nullptr);
  EXPECT_NO_THROW(a->SetName("checkBOX1")) << "a component may change the case of its own name";
  TWidget other(nullptr);
  auto* c = new TWidget(&other);
  c->SetName("CheckBox1");
  c->SetOwner(&root);  // the same name as a: the one that came first is found
  EXPECT_EQ(root.FindComponent("CheckBox1"), a);
  EXPECT_EQ(other.FindComponent("CheckBox1"), nullptr);
  delete a;
  EXPECT_EQ(root.FindComponent("CheckBox1"), c);
  // Names that differ in length, in case and by "_" (before the letters once case is set aside).
  const char* const kNames[] = {"b", "B_", "bA", "Ba1", "_x", "Zeta", "zeta9", "a", "A0", "c_"};
  for (const char* name : kNames) (new TWidget(&root))->SetName(name);
  for (const char* name : kNames) {
    ASSERT_NE(root.FindComponent(name), nullptr) << name;
    EXPECT_TRUE(SameText(root.FindComponent(name)->Name(), name)) << name;
  }
  EXPECT_EQ(root.FindComponent("Ba2"), nullptr);
}

TEST(ClassRegistry, FindsClassesByNameWithoutCase) {
  RegisterTestClasses();
  ASSERT_NE(FindClass("twidget"), nullptr);
  EXPECT_STREQ(FindClass("TBOARD")->name, "TBoard");
  EXPECT_EQ(FindClass("TNoSuchThing"), nullptr);
}

TEST(PropertyTable, InheritedRowsComeFirstAndRedeclaredRowsKeepTheirPlace) {
  std::vector<const PropInfo*> rows = TBoard::StaticClass().Properties();
  ASSERT_GE(rows.size(), 3u);
  EXPECT_STREQ(rows[0]->name, "Tag");
  EXPECT_STREQ(rows[1]->name, "Count");
  EXPECT_EQ(rows[1], &TBoard::StaticClass().props[0]) << "the derived row replaces the base row in place";
  EXPECT_EQ(TBoard::StaticClass().FindProperty("caption"), TWidget::StaticClass().FindProperty("Caption"));
  EXPECT_EQ(TBoard::StaticClass().FindProperty("Nope"), nullptr);
  EXPECT_NE(TBoard::StaticClass().FindMethod("PING"), nullptr);
}

TEST(PropertyTable, DefaultsAndStoredRules) {
  TWidget w(nullptr);
  const ClassInfo& c = TWidget::StaticClass();
  EXPECT_TRUE(c.FindProperty("Flag")->HasDefaultValue(&w));
  w.SetFlag(true);
  EXPECT_FALSE(c.FindProperty("Flag")->HasDefaultValue(&w));
  EXPECT_FALSE(c.FindProperty("Hidden")->IsStored(&w));
  EXPECT_TRUE(c.FindProperty("Caption")->HasDefaultValue(&w));
}

TEST(PropertyTable, ARowGivesOnlyTheAccessorsOfItsKind) {
  TWidget w(nullptr);
  const ClassInfo& c = TWidget::StaticClass();
  c.FindProperty("Caption")->Str().set(&w, "typed");
  EXPECT_EQ(c.FindProperty("Caption")->Str().get(&w), "typed");
  EXPECT_EQ(c.FindProperty("Shade")->Ord().get(&w), shLight);
  EXPECT_EQ(c.FindProperty("Pen")->Obj().set, nullptr) << "a sub-object is only read";
  EXPECT_THROW(c.FindProperty("Count")->Str(), Error);
  EXPECT_THROW(c.FindProperty("Caption")->Ord(), Error);
  EXPECT_THROW(c.FindProperty("Buddy")->Event(), Error);
}

}  // namespace
}  // namespace fw::testing
