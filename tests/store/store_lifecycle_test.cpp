// The store's life on its window: hooks, the saved flag, items, effective names.
#include "framework/core/component_writer.h"
#include "framework/core/error.h"
#include "store/auto_properties_store.h"
#include "tests/store/store_fixture.h"

namespace gv::store_test {
namespace {

using LifecycleTest = StoreTest;

TEST_F(LifecycleTest, CloseQueryChainsFirstThenSavesWhenTheWindowMayClose) {
  auto window = Load();
  ASSERT_TRUE(window->onCloseQuery);
  storage_.files.WriteSection("test.ini", "settings", {});
  const int writes = storage_.files.WriteCount();

  window->hasHandle = false;
  EXPECT_TRUE(window->CloseQuery());
  Store(window.get())->SetActive(false);
  window->hasHandle = true;
  EXPECT_TRUE(window->CloseQuery());
  EXPECT_EQ(storage_.files.WriteCount(), writes);

  Store(window.get())->SetActive(true);
  EXPECT_TRUE(window->CloseQuery());
  EXPECT_EQ(storage_.files.WriteCount(), writes + 1);
  EXPECT_TRUE(Store(window.get())->Saved());

  // A failing save is reported and the close goes on; the window going does not try again, so
  // that the close has one report.
  Store(window.get())->Restore();
  storage_.files.FailWrites(true);
  EXPECT_TRUE(window->CloseQuery());
  EXPECT_EQ(storage_.reported, Lines{"Unable to write to test.ini"});
  EXPECT_TRUE(Store(window.get())->SavedInCloseQuery());
  window.reset();
  EXPECT_EQ(storage_.reported, Lines{"Unable to write to test.ini"});
}

TEST_F(LifecycleTest, AnUnreadableFileIsReportedOnceAndNoSaveOfTheRunWritesOverIt) {
  PutLine("Edit1.Text", "'kept'");
  storage_.files.FailReads("Sharing violation");
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), "hello") << "nothing applied";
  EXPECT_TRUE(storage_.reported.empty()) << "left for the program's one report";
  store->Restore();
  EXPECT_EQ(store->TakeRestoreReport(),
            "Settings file test.ini cannot be read (Sharing violation): the settings are kept as they are, "
            "and this run will not save over them");
  EXPECT_EQ(store->TakeRestoreReport(), "");
  // Readable again later in the run: still the user's file, untouched.
  storage_.files.FailReads("");
  const int writes = storage_.files.WriteCount();
  Find<TTestEdit>(window.get(), "Edit1")->SetText("new");
  store->Save();
  EXPECT_TRUE(window->CloseQuery());
  window.reset();
  EXPECT_EQ(storage_.files.WriteCount(), writes);
  EXPECT_EQ(Section(), Lines{"Edit1.Text=''kept''"});
}

TEST_F(LifecycleTest, TheWindowsOwnHandlersAreChainedAndPutBack) {
  std::string log;
  auto window = std::make_unique<TTestWindow>(nullptr);
  window->onCloseQuery = [&](fw::Component*, bool& canClose) {
    log += "query ";
    canClose = false;
  };
  window->onDestroy = fw::Method{"FormDestroy", [&](fw::Component*) { log += "destroy "; }};
  auto* store = new TAutoPropertiesStore(window.get());
  store->SetName("AutoPS");
  store->SetPlatform(MakeTestPlatform(storage_));
  store->SetIniFileName("test.ini");
  store->SetIniSection("settings");
  store->BeginLoading();
  store->Items()->Add()->SetIsForm(true);
  store->Loaded();
  EXPECT_EQ(window->onDestroy.name, "FormDestroy");
  EXPECT_NE(fw::WriteRootText(window.get()).find("OnDestroy = FormDestroy"), std::string::npos);

  store->SetActive(true);
  EXPECT_FALSE(window->CloseQuery());  // the window's own answer holds; nothing saved
  EXPECT_EQ(storage_.files.WriteCount(), 0);
  window->onDestroy(window.get());
  EXPECT_EQ(log, "query destroy ");
  EXPECT_EQ(storage_.files.WriteCount(), 1);  // destroyed without a save since the restore

  delete store;
  log.clear();
  window->CloseQuery();
  window->onDestroy(window.get());
  EXPECT_EQ(log, "query destroy ");
  EXPECT_EQ(storage_.files.WriteCount(), 1);
}

TEST_F(LifecycleTest, DestroySavesOnlyWhenNothingWasSavedSinceTheRestore) {
  {
    auto window = Load();  // Loaded restored
    Store(window.get())->Save();
  }
  EXPECT_EQ(storage_.files.WriteCount(), 1);
  { auto window = Load(); }
  EXPECT_EQ(storage_.files.WriteCount(), 2);
  {
    auto window = Load();
    Store(window.get())->SetActive(false);
  }
  EXPECT_EQ(storage_.files.WriteCount(), 2);
  {
    auto window = Load();
    storage_.files.FailWrites(true);
  }
  EXPECT_EQ(storage_.reported, Lines{"Unable to write to test.ini"});
}

TEST_F(LifecycleTest, ItemRules) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  TAutoObjectStore* item = store->Items()->Items(4);  // Edit1, "Text"
  fw::Component* edit1 = window->FindComponent("Edit1");
  ASSERT_EQ(item->Component(), edit1);
  item->SetComponent(edit1);
  EXPECT_EQ(item->StoredProp()->Count(), 1u);  // the same value changes nothing
  item->SetComponent(window->FindComponent("Edit2"));
  EXPECT_EQ(item->StoredProp()->Count(), 0u);  // a new value outside loading clears the names
  item->SetIsForm(true);
  EXPECT_FALSE(item->IsForm());  // only while loading
  item->SetComponent(window.get());
  EXPECT_TRUE(item->IsForm());
  EXPECT_TRUE(store->Items()->Items(8)->IsForm());  // "IsForm = True" in the text
  EXPECT_EQ(store->Items()->Items(8)->Component(), window.get());

  EXPECT_EQ(store->Items()->IndexOfComponent(window->FindComponent("CheckBox1")), 1);
  store->Items()->RemoveComponent(window->FindComponent("CheckBox1"));
  EXPECT_EQ(store->Items()->IndexOfComponent(window->FindComponent("CheckBox1")), -1);
}

TEST_F(LifecycleTest, EffectiveNamesComeFromTheProgramAndTheOwner) {
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  store->SetIniFileName("");
  store->SetIniSection("");
  EXPECT_EQ(store->IniFileName(), "Gorvale.INI");
  EXPECT_EQ(store->BinaryFileName(), "Gorvale.BIN");
  EXPECT_EQ(store->IniSection(), "TTestWindow");
  store->SetUseRegistry(true);
  EXPECT_EQ(store->IniFileName(), "Software\\Gorvale");
  storage_.program = "D:\\v1.2\\launcher";
  EXPECT_EQ(store->IniFileName(), "Software\\launcher");
  EXPECT_EQ(store->BinaryFileName(), "launcher.BIN");
  TAutoPropertiesStore orphan(nullptr);
  orphan.SetName("Orphan");
  EXPECT_EQ(orphan.IniSection(), "Orphan");
  // Defaults are worked out, never written into the window's text.
  const std::string text = fw::WriteRootText(window.get());
  EXPECT_EQ(text.find("IniFileName"), std::string::npos);
  EXPECT_NE(text.find("Active = True"), std::string::npos);
}

}  // namespace
}  // namespace gv::store_test
