// Save: the walk over the window's description text and what reaches the section.
#include "framework/core/error.h"
#include "store/auto_properties_store.h"
#include "tests/store/store_fixture.h"

namespace gv::store_test {
namespace {

using SaveTest = StoreTest;

TEST_F(SaveTest, EntriesFollowTheDescriptionOrderWithLeftOutEnumerationsAfterTheTextLines) {
  auto window = Load();
  Store(window.get())->Save();
  EXPECT_EQ(Section(), (Lines{
                           "frmTest.Caption=''Test''",
                           "Edit1.Text=''hello''",
                           "Edit2.Enabled=True",  // default: not in the text, an enumeration
                           "CheckBox1.Width=80",
                           "CheckBox1.Checked=False",  // listed twice: one key
                           "CheckBox2.Checked=True",   // not stored in the text: from the state
                           "RadioButton1.Checked=True",
                           "RadioButton2.Checked=False",
                           "ListBox1.Items.Strings(0)=''a''",
                           "ListBox1.Items.Strings(1)=''b''",
                           "Grid1.Columns<item(0)>.Caption=''Name''",
                           "Grid1.Columns<item(1)>.Caption=''Size''",
                           "Grid1.Columns<item(1)>.Width=40",
                       }));
  EXPECT_TRUE(Store(window.get())->Saved());
}

TEST_F(SaveTest, ValuesThatLeaveTheTextDropOutOfTheSection) {
  auto window = Load();
  Store(window.get())->Save();
  Find<TTestEdit>(window.get(), "Edit1")->SetText("");
  Find<TTestControl>(window.get(), "CheckBox1")->SetWidth(100);
  Store(window.get())->Save();
  const Lines section = Section();
  for (const std::string& line : section) {
    EXPECT_EQ(line.find("Edit1."), std::string::npos) << line;
    EXPECT_EQ(line.find("CheckBox1.Width"), std::string::npos) << line;
  }
  EXPECT_EQ(section.size(), 11u);
}

TEST_F(SaveTest, DestroyedAndUnnamedComponentsAreLeftOut) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  delete Find<TTestEdit>(window.get(), "Edit1");
  EXPECT_EQ(store->Items()->Count(), 8u);
  auto* unnamed = new TTestEdit(window.get());
  unnamed->SetText("x");
  store->Items()->Add()->SetComponent(unnamed);
  store->Items()->Items(8)->StoredProp()->SetStrings({"Text"});
  store->Save();
  for (const std::string& line : Section()) EXPECT_EQ(line.find("Text"), std::string::npos) << line;
}

TEST_F(SaveTest, WithoutItemsOrOwnerNothingHappensAtAll) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  int events = 0;
  store->onBeforeSave.fn = [&](fw::Component*) { ++events; };
  store->onAfterSave.fn = store->onBeforeSave.fn;
  store->Items()->Clear();
  const int reads = storage_.files.ReadCount();
  store->Save();
  TAutoPropertiesStore orphan(nullptr);
  orphan.SetPlatform(MakeTestPlatform(storage_));
  orphan.Items()->Add();
  orphan.Save();
  EXPECT_EQ(events, 0);
  EXPECT_EQ(storage_.files.WriteCount(), 0);
  EXPECT_EQ(storage_.files.ReadCount(), reads);
  EXPECT_FALSE(store->Saved());
}

TEST_F(SaveTest, AnErrorBeforeTheWriteLeavesTheSectionAndTheFlag) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  PutLine("Old.Entry", "1");
  bool after = false;
  store->onAfterSave.fn = [&](fw::Component*) { after = true; };
  store->onBeforeSave.fn = [](fw::Component*) { throw fw::Error("no"); };
  EXPECT_THROW(store->Save(), fw::Error);
  EXPECT_EQ(Section(), Lines{"Old.Entry=1"});

  store->onBeforeSave.fn = nullptr;
  storage_.files.FailWrites(true);
  EXPECT_THROW(store->Save(), fw::Error);
  EXPECT_FALSE(after);
  EXPECT_FALSE(store->Saved());
  EXPECT_EQ(Section(), Lines{"Old.Entry=1"});
}

TEST_F(SaveTest, TheRegistryKeepsValuesUnquotedUnderTheDefaultKeyPath) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  store->SetUseRegistry(true);
  store->SetIniFileName("");
  store->Save();
  EXPECT_EQ(storage_.files.WriteCount(), 0);
  const Lines section = storage_.registry.StoredLines("Software\\Gorvale", "settings");
  ASSERT_FALSE(section.empty());
  EXPECT_EQ(section.front(), "frmTest.Caption='Test'");
}

}  // namespace
}  // namespace gv::store_test
