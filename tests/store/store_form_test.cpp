// The store on a real form under Wine: the profile functions into a settings file in a
// directory of its own, the form's close query and destroy event, and the error box.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/win32/application.h"
#include "framework/win32/form.h"
#include "store/auto_properties_store.h"
#include "tests/store/store_test_components.h"
#include "tests/support/file_bytes.h"
#include "tests/support/message_box.h"

namespace gv::store_test {
namespace {

class TStoreTestForm : public fw::TForm {
 public:
  FW_CLASS()
  using fw::TForm::TForm;
};

const fw::ClassInfo& TStoreTestForm::StaticClass() {
  static const fw::ClassInfo info = fw::MakeClass<TStoreTestForm, fw::TForm>("TStoreTestForm");
  return info;
}

class StoreFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterTestClasses();
    fw::RegisterClasses<TStoreTestForm>();
    fw::Application()->SetTitle("Store Test");
  }

  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "gorvale_store_form_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
    ini_ = dir_ + "\\Zelt settings.ini";
  }

  void TearDown() override {
    delete form_;
    DeleteFileA(ini_.c_str());
    RemoveDirectoryA(ini_.c_str());
    DeleteFileA((dir_ + "\\store.BIN").c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  // Reads the test form; its store restores from the settings file at once.
  void MakeForm(const std::function<void(fw::TForm*)>& beforeRead = nullptr) {
    form_ = new TStoreTestForm(nullptr);
    if (beforeRead) beforeRead(form_);
    const std::string text =
        "object StoreForm: TStoreTestForm\n"
        "  object Edit1: TTestEdit\n    Text = 'hello'\n  end\n"
        "  object CheckBox1: TTestCheckBox\n  end\n"
        "  object AutoPS: TAutoPropertiesStore\n"
        "    Active = True\n"
        "    IniFileName = " +
        fw::desc::QuoteString(ini_) +
        "\n    IniSection = 'settings'\n"
        "    Items = <\n"
        "      item\n        Component = Edit1\n"
        "        StoredProp.Strings = (\n          'Text')\n      end\n"
        "      item\n        Component = CheckBox1\n"
        "        StoredProp.Strings = (\n          'Checked')\n      end>\n"
        "  end\nend\n";
    fw::ReadRoot(form_, fw::desc::Parse(text));
  }
  void DestroyForm() {
    delete form_;
    form_ = nullptr;
  }
  TAutoPropertiesStore* Store() {
    return dynamic_cast<TAutoPropertiesStore*>(form_->FindComponent("AutoPS"));
  }
  TTestEdit* Edit() { return dynamic_cast<TTestEdit*>(form_->FindComponent("Edit1")); }

  std::string dir_, ini_;
  fw::TForm* form_ = nullptr;
};

TEST_F(StoreFormTest, SettingsFileRoundTripThroughTheProfileFunctions) {
  const std::string player = "it's " + std::string(600, 'p');
  MakeForm();
  Edit()->SetText(player);
  Store()->Save();
  EXPECT_EQ(gv::test::ReadFileBytes(ini_), "[settings]\r\nEdit1.Text=''it'#39's " + std::string(600, 'p') +
                                               "''\r\nCheckBox1.Checked=False\r\n");
  DestroyForm();
  MakeForm();
  EXPECT_EQ(Edit()->Text(), player);
  EXPECT_EQ(Store()->IniSection(), "settings");
  // The defaults: the program's own name from its module, the form's class.
  Store()->SetIniSection("");
  Store()->SetIniFileName("");
  EXPECT_EQ(Store()->IniSection(), "TStoreTestForm");
  EXPECT_EQ(Store()->IniFileName(), "store_form_test.INI");
  EXPECT_EQ(Store()->BinaryFileName(), "store_form_test.BIN");
  Store()->SetUseRegistry(true);
  EXPECT_EQ(Store()->IniFileName(), "Software\\store_form_test");
  Store()->SetActive(false);
}

TEST_F(StoreFormTest, CloseQuerySavesOnceTheFormMayCloseAndHasAWindow) {
  bool allow = false;
  MakeForm([&](fw::TForm* form) {
    form->onCloseQuery = [&](fw::Component*, bool& canClose) { canClose = allow; };
  });
  form_->Close();  // no window yet, and the form's own handler says no
  form_->Handle();
  form_->Close();
  EXPECT_EQ(GetFileAttributesA(ini_.c_str()), INVALID_FILE_ATTRIBUTES);
  allow = true;
  form_->Close();
  EXPECT_NE(gv::test::ReadFileBytes(ini_).find("Edit1.Text=''hello''"), std::string::npos);
  EXPECT_TRUE(Store()->Saved());
  // Saved since the restore: destroying the form writes nothing more.
  DeleteFileA(ini_.c_str());
  DestroyForm();
  EXPECT_EQ(GetFileAttributesA(ini_.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(StoreFormTest, DestroySavesWhenNothingWasSavedSinceTheRestore) {
  std::string log;
  MakeForm([&](fw::TForm* form) { form->onDestroy.fn = [&](fw::Component*) { log += "destroy"; }; });
  Edit()->SetText("bye");
  DestroyForm();
  EXPECT_EQ(log, "destroy");
  EXPECT_NE(gv::test::ReadFileBytes(ini_).find("Edit1.Text=''bye''"), std::string::npos);
}

TEST_F(StoreFormTest, AFailingSaveInTheCloseQueryShowsTheErrorBoxAndTheCloseGoesOn) {
  MakeForm();
  ASSERT_TRUE(CreateDirectoryA(ini_.c_str(), nullptr));
  bool closed = false;
  form_->onClose.fn = [&](fw::Component*) { closed = true; };
  form_->Show();
  gv::test::BoxWatcher watcher;
  form_->Close();
  const gv::test::BoxSeen seen = watcher.Seen();
  ASSERT_NE(seen.box, nullptr);
  EXPECT_EQ(seen.title, "Store Test");
  EXPECT_EQ(seen.text, "Unable to write to " + ini_ + ".");
  EXPECT_TRUE(closed);
  EXPECT_FALSE(form_->Visible());
  Store()->SetActive(false);  // no second box when the form goes
}

TEST_F(StoreFormTest, ARegistryValueOfAnotherTypeIsReportedAndTheRestApplied) {
  const std::string path = "Software\\Gorvale store test " + std::to_string(GetCurrentProcessId());
  MakeForm();
  Store()->SetUseRegistry(true);
  Store()->SetIniFileName(path);
  Edit()->SetText("from the registry");
  Store()->Save();
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (path + "\\settings").c_str(), 0, KEY_ALL_ACCESS, &key),
            ERROR_SUCCESS);
  const DWORD one = 1;
  RegSetValueExA(key, "CheckBox1.Checked", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegCloseKey(key);
  Edit()->SetText("changed");
  Store()->Restore();
  EXPECT_EQ(Edit()->Text(), "from the registry");
  const std::string report = Store()->TakeRestoreReport();
  RegDeleteKeyA(HKEY_CURRENT_USER, (path + "\\settings").c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
  EXPECT_EQ(report, "Registry key " + path +
                        ", section settings: 1 entry was not restored and the values shown instead will be "
                        "saved\r\n\r\nCheckBox1.Checked: Invalid data type");
  Store()->SetActive(false);
}

TEST_F(StoreFormTest, ADamagedSettingsFileCostsOnlyItsBadEntriesAndTheNextSaveHealsIt) {
  gv::test::WriteFileBytes(ini_,
                           "[settings]\r\nCheckBox1.Checked=Maybe\r\n\x01\xfe\xff=\x80\r\nno equals sign\r\n"
                           "Edit1.Text=''kept''\r\n");
  gv::test::BoxWatcher watcher;
  MakeForm();
  EXPECT_EQ(watcher.Stop().box, nullptr) << "left for the program's one report";
  EXPECT_EQ(Edit()->Text(), "kept");
  ASSERT_EQ(Store()->Skipped().size(), 2u);
  EXPECT_EQ(Store()->Skipped()[0].key, "CheckBox1.Checked");
  EXPECT_EQ(Store()->Skipped()[1].reason, "Component not found");
  Store()->Save();
  EXPECT_EQ(gv::test::ReadFileBytes(ini_),
            "[settings]\r\nEdit1.Text=''kept''\r\nCheckBox1.Checked=False\r\n");
}

}  // namespace
}  // namespace gv::store_test
