// Restore: runs of section lines applied as blocks, round trips, damaged sections.
#include "framework/core/error.h"
#include "store/aprstore.h"
#include "tests/store/store_fixture.h"

namespace store_test {
namespace {

using RestoreTest = StoreTest;

TEST_F(RestoreTest, ValuesComeBackAfterARestartWhateverTheirKindOrLength) {
  const std::string long_text = "+name " + std::string(300, 'x') + " it's\r\nend";
  const std::string bytes(70, '\x5a');
  {
    auto window = Load();
    Find<TTestEdit>(window.get(), "Edit1")->SetText(long_text);
    Find<TTestCheckBox>(window.get(), "CheckBox1")->SetChecked(true);
    Find<TTestRadioButton>(window.get(), "RadioButton2")->SetChecked(true);
    Find<TTestListBox>(window.get(), "ListBox1")->Items()->SetStrings({"one", std::string(400, 'l'), ""});
    auto* grid = Find<TTestGrid>(window.get(), "Grid1");
    grid->Columns()->Clear();
    static_cast<TTestColumn*>(grid->Columns()->Add())->SetWidth(7);
    grid->SetData(bytes);
    Store(window.get())->Save();
  }
  ASSERT_FALSE(storage_.files.StoredLines("Gorvale.bin", "Grid1.Data").empty());
  auto window = Load();  // restored by Loaded
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), long_text);
  EXPECT_TRUE(Find<TTestCheckBox>(window.get(), "CheckBox1")->Checked());
  EXPECT_TRUE(Find<TTestRadioButton>(window.get(), "RadioButton2")->Checked());
  EXPECT_FALSE(Find<TTestRadioButton>(window.get(), "RadioButton1")->Checked());
  EXPECT_EQ(Find<TTestListBox>(window.get(), "ListBox1")->Items()->Lines(),
            (Lines{"one", std::string(400, 'l'), ""}));
  auto* grid = Find<TTestGrid>(window.get(), "Grid1");
  ASSERT_EQ(grid->Columns()->Count(), 1u);  // emptied before the block's one item
  EXPECT_EQ(grid->Columns()->At(0)->Width(), 7);
  EXPECT_EQ(grid->Data(), bytes);
  EXPECT_TRUE(storage_.reported.empty());
}

TEST_F(RestoreTest, EveryResolvableEntryIsAppliedRunByRunWithoutConsultingItems) {
  auto window = Load();
  PutLine("Edit1.Text", "'one'");
  PutLine("CheckBox1.Checked", "True");
  PutLine("Edit1.Width", "55");  // a second run of Edit1, and a property it does not keep
  PutLine("Ghost.Text", "'boo'");
  PutLine("noDotHere", "1");
  PutLine("panel1.Caption", "'p'");  // not an item; its name in another case
  Store(window.get())->Restore();
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), "one");
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Width(), 55);
  EXPECT_TRUE(Find<TTestCheckBox>(window.get(), "CheckBox1")->Checked());
  EXPECT_EQ(Find<TTestPanel>(window.get(), "Panel1")->Caption(), "p");
}

TEST_F(RestoreTest, EventsFireAroundTheRunsEvenForAMissingSection) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  std::string log;
  store->onBeforeRestore.fn = [&](fw::Component* sender) {
    log += sender == store ? "before(" + std::to_string(storage_.files.ReadCount()) + ")" : "?";
  };
  store->onAfterRestore.fn = [&](fw::Component*) { log += " after"; };
  const int reads = storage_.files.ReadCount();
  store->Restore();
  EXPECT_EQ(log, "before(" + std::to_string(reads + 1) + ") after");
}

TEST_F(RestoreTest, ABadEntryStopsTheRestoreWithEarlierRunsApplied) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  bool after = false;
  store->onAfterRestore.fn = [&](fw::Component*) { after = true; };
  PutLine("Edit1.Text", "'first'");
  PutLine("Edit2.Bogus", "1");
  PutLine("CheckBox1.Checked", "True");
  EXPECT_THROW(store->Restore(), fw::Error);
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), "first");
  EXPECT_FALSE(Find<TTestCheckBox>(window.get(), "CheckBox1")->Checked());
  EXPECT_FALSE(after);

  // A broken string is a syntax error: nothing of that block is applied.
  storage_.files.WriteSection("test.ini", "settings", {"Edit2.Width=3", "Edit2.Text='open"});
  try {
    store->Restore();
    ADD_FAILURE() << "no error";
  } catch (const fw::ParseError& e) {
    EXPECT_STREQ(e.what(), "Invalid string constant on line 3");
  }
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit2")->Width(), 100);
}

TEST_F(RestoreTest, ADamagedFileStillLetsTheWindowLoadAndTheNextSaveCleansIt) {
  PutLine("Edit1.Text", "'kept'");
  PutLine("CheckBox1.Checked", "Maybe");
  PutLine("RadioButton2.Checked", "True");
  auto window = Load();
  EXPECT_EQ(storage_.reported, Lines{"Invalid property value"});
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), "kept");
  Store(window.get())->Save();
  EXPECT_EQ(Section()[4], "CheckBox1.Checked=False");
  EXPECT_EQ(Section().size(), 13u);
}

TEST_F(RestoreTest, AppliedValuesNeverReachBackIntoTheStore) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  int restores = 0;
  store->onBeforeRestore.fn = [&](fw::Component*) { ++restores; };
  window->onShow.fn = [&](fw::Component*) { store->Restore(); };  // as a show handler does
  PutLine("AutoPS.Active", "False");
  PutLine("AutoPS.IniSection", "'elsewhere'");
  PutLine("AutoPS.Items", "<>");
  PutLine("frmTest.Visible", "True");
  PutLine("Edit1.Text", "'after'");
  store->Restore();
  EXPECT_EQ(restores, 1);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), "after");
  EXPECT_TRUE(store->Active());
  EXPECT_EQ(store->IniSection(), "settings");
  EXPECT_EQ(store->Items()->Count(), 9u);
}

}  // namespace
}  // namespace store_test
