// Restore: entries applied one by one, round trips, damaged sections and their report.
#include "framework/core/error.h"
#include "store/auto_properties_store.h"
#include "tests/store/store_fixture.h"

namespace gv::store_test {
namespace {

class RestoreTest : public StoreTest {
 protected:
  static Lines Skipped(fw::Component* window) {
    Lines out;
    for (const store::SkippedEntry& e : Store(window)->Skipped()) out.push_back(e.key + ": " + e.reason);
    return out;
  }
};

TEST_F(RestoreTest, ValuesComeBackAfterARestartWhateverTheirKindOrLength) {
  const std::string longText = "+name " + std::string(300, 'x') + " it's\r\nend";
  const std::string bytes(70, '\x5a');
  {
    auto window = Load();
    Find<TTestEdit>(window.get(), "Edit1")->SetText(longText);
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
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), longText);
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

TEST_F(RestoreTest, EveryEntryThatCanBeAppliedIsWithoutConsultingItems) {
  auto window = Load();
  PutLine("Edit1.Text", "'one'");
  PutLine("CheckBox1.Checked", "True");
  PutLine("Edit1.Width", "55");  // a second run of Edit1, and a property it does not keep
  PutLine("Ghost.Text", "'boo'");
  PutLine("noDotHere", "1");
  PutLine("panel1.Caption", "'p'");  // not an item; its name in another case
  PutLine("frmTest.Caption", "'window'");
  Store(window.get())->Restore();
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), "one");
  EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Width(), 55);
  EXPECT_TRUE(Find<TTestCheckBox>(window.get(), "CheckBox1")->Checked());
  EXPECT_EQ(Find<TTestPanel>(window.get(), "Panel1")->Caption(), "p");
  EXPECT_EQ(window->Caption(), "window");
  EXPECT_EQ(Skipped(window.get()),
            (Lines{"Ghost.Text: Component not found", "noDotHere: Component not found"}));
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

TEST_F(RestoreTest, DamagedEntriesCostOnlyThemselvesWhereverTheyStand) {
  const Lines good = {"Edit1.Text='kept'", "CheckBox1.Checked=True", "RadioButton2.Checked=True",
                      "ListBox1.Items.Strings(0)='x'", "Grid1.Columns<item(0)>.Width=7"};
  std::string noise;
  for (int i = 1; i < 256; ++i) noise += static_cast<char>(i * 37 % 255 + 1);
  const std::vector<Lines> bad = {
      {"CheckBox2.Checked=Maybe"},
      {"Ghost.Text='boo'"},
      {"Edit2.Text='open"},
      {"Edit2.Hint='" + std::string(1 << 20, 'h')},
      {"Edit2." + noise + "=" + noise},
      {"Edit2.Width='wide'", "Panel1.Caption=#", "ListBox1.Items.Strings(5)=Yes", "RadioButton1.Checked=1"},
  };
  for (const Lines& damage : bad) {
    for (size_t at : {size_t{0}, size_t{2}, good.size()}) {
      SCOPED_TRACE(damage[0].substr(0, 40) + " at " + std::to_string(at));
      Lines section = good;
      section.insert(section.begin() + static_cast<std::ptrdiff_t>(at), damage.begin(), damage.end());
      storage_.files.WriteSection("test.ini", "settings", {});
      for (const std::string& line : section) {
        const size_t eq = line.find('=');
        PutLine(line.substr(0, eq), line.substr(eq + 1));
      }
      auto window = Load();
      EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit1")->Text(), "kept");
      EXPECT_TRUE(Find<TTestCheckBox>(window.get(), "CheckBox1")->Checked());
      EXPECT_TRUE(Find<TTestRadioButton>(window.get(), "RadioButton2")->Checked());
      EXPECT_EQ(Find<TTestListBox>(window.get(), "ListBox1")->Items()->Lines(), Lines{"x"});
      EXPECT_EQ(Find<TTestGrid>(window.get(), "Grid1")->Columns()->At(0)->Width(), 7);
      EXPECT_EQ(Find<TTestEdit>(window.get(), "Edit2")->Width(), 100) << "a bad value leaves its property";
      EXPECT_EQ(Store(window.get())->Skipped().size(), damage.size());
      EXPECT_TRUE(storage_.reported.empty()) << "left for the report, not an error";

      Store(window.get())->Save();
      Store(window.get())->Restore();
      EXPECT_TRUE(Store(window.get())->Skipped().empty()) << "the save wrote a clean section";
    }
  }
}

TEST_F(RestoreTest, TheReportNamesTheFileAndTheFirstTenEntriesOnce) {
  for (int i = 0; i < 12; ++i) PutLine("Edit1.Bogus" + std::to_string(i), "1");
  PutLine("CheckBox1.Checked", "'yes");
  auto window = Load();
  TAutoPropertiesStore* store = Store(window.get());
  store->Restore();  // a second restore of the same start finds the same entries
  const std::string report = store->TakeRestoreReport();
  EXPECT_EQ(report.substr(0, report.find("\r\n")),
            "Settings file test.ini, section settings: 13 entries were not restored and the values shown "
            "instead will be saved");
  EXPECT_NE(report.find("\r\n\r\nEdit1.Bogus0: Property does not exist\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\nEdit1.Bogus9: Property does not exist\r\nand 3 more"), std::string::npos);
  EXPECT_EQ(report.find("Bogus10"), std::string::npos);
  EXPECT_EQ(store->TakeRestoreReport(), "");
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
}  // namespace gv::store_test
