// The standard controls through description text: objects to text to objects to text gives
// the same text; what is written and left out; the behaviour of what was read.
#include <gtest/gtest.h>

#include "framework/core/component_reader.h"
#include "framework/core/component_writer.h"
#include "framework/core/desc_parser.h"
#include "framework/core/property_builders.h"
#include "framework/stdctrls/bevel.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/image.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/register_std_controls.h"
#include "framework/win32/framework_setup.h"
#include "std_test_window.h"

namespace {

using namespace fw;

// A window whose handlers the text names.
class TStreamRoot : public stdtest::Stage {
 public:
  FW_CLASS()
  TStreamRoot() = default;
  void CheckBox1Click(Component*) { ++clicks; }
  void Edit1Change(Component*) { ++changes; }
  int clicks = 0, changes = 0;
};

const ClassInfo& TStreamRoot::StaticClass() {
  static const MethodInfo kMethods[] = {FW_METHOD(TStreamRoot, CheckBox1Click),
                                        FW_METHOD(TStreamRoot, Edit1Change)};
  // Two roots stand side by side on the shared window: their place there is not theirs.
  static const PropInfo kProps[] = {
      IntProp<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder", -1).NotStored()};
  static const ClassInfo info = MakeClass<TStreamRoot, TWinControl>("TStreamRoot", kProps, kMethods);
  return info;
}

template <class T>
T* Make(Component* root, TWinControl* parent, const char* name, RECT r) {
  auto* c = new T(root);
  if (*name) c->SetName(name);
  c->SetBounds(r.left, r.top, r.right, r.bottom);
  static_cast<fw::TControl*>(c)->SetParent(parent);
  return c;
}

// One of every class, each with some rows away from their defaults.
void Build(TStreamRoot* root) {
  root->SetName("Root");
  auto* frame = Make<TPanel>(root, root, "Panel1", {8, 8, 200, 60});
  frame->SetCaption("");
  frame->SetBevelInner(bvLowered);
  frame->SetBevelOuter(bvLowered);
  frame->SetAlignment(taLeftJustify);
  auto* edit = Make<TEdit>(root, frame, "Edit1", {2, 2, 196, 16});
  edit->SetBorderStyle(TEdit::bsNone);
  edit->SetCtl3D(false);
  edit->SetMaxLength(4);
  edit->SetText("18");
  edit->onChange = Method{"Edit1Change", [root](Component* s) { root->Edit1Change(s); }};
  Make<TRadioButton>(root, frame, "RadioButton1", {8, 24, 80, 17})->SetCaption("One");
  auto* two = Make<TRadioButton>(root, frame, "RadioButton2", {8, 40, 80, 17});
  two->SetCaption("Two");
  two->SetChecked(true);
  auto* box = Make<TCheckBox>(root, root, "CheckBox1", {8, 80, 100, 17});
  box->SetCaption("No sound");
  box->SetChecked(true);
  box->onClick = Method{"CheckBox1Click", [root](Component* s) { root->CheckBox1Click(s); }};
  auto* combo = Make<TComboBox>(root, root, "ComboBox1", {8, 104, 121, 23});
  combo->SetCtl3D(false);
  combo->SetItemHeight(15);
  combo->Items()->SetStrings({"General", "Map"});
  combo->SetStyle(csDropDownList);
  auto* notebook = Make<TNotebook>(root, root, "Notebook1", {220, 8, 180, 120});
  notebook->AddPage("First");
  notebook->AddPage("Second");
  notebook->SetPageIndex(1);
  auto* label = Make<TLabel>(root, notebook->Pages()[0], "Label1", {8, 8, 40, 15});
  label->SetAutoSize(false);
  label->SetCaption("x");
  label->SetAlignment(taCenter);
  Make<TBevel>(root, notebook->Pages()[1], "Bevel1", {0, 0, 180, 120})->SetShape(bsFrame);
  auto* image = Make<TImage>(root, root, "Image1", {8, 140, 40, 40});
  image->SetCenter(true);
  BmpImage picture;
  picture.width = 2;
  picture.height = 2;
  picture.pixels = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  image->Picture()->SetImage(picture);
  Make<TBitBtn>(root, root, "OKButton", {120, 194, 65, 33})->SetKind(bkOK);
}

class StdStreamTest : public ::testing::Test {
 protected:
  StdStreamTest() {
    SetUpFramework();
    RegisterStdControlClasses();
  }
};

TEST_F(StdStreamTest, TextRoundTripsThroughObjects) {
  RegisterClasses<TStreamRoot>();
  TStreamRoot first;
  Build(&first);
  std::string text = WriteRootText(&first);
  TStreamRoot second;
  ReadRoot(&second, desc::Parse(text));
  EXPECT_EQ(WriteRootText(&second), text);

  // Rows that follow from others are not written.
  EXPECT_EQ(text.find("TabStop"), std::string::npos);  // radio buttons' follows Checked
  size_t checked = text.find("Checked = True");
  EXPECT_NE(checked, std::string::npos);
  EXPECT_EQ(text.find("Checked = True", checked + 1), std::string::npos);  // the check box keeps State
  EXPECT_NE(text.find("State = cbChecked"), std::string::npos);
  EXPECT_NE(text.find("    object TPage\r\n      Left = 0\r\n      Top = 0\r\n      Width = 180\r\n"
                      "      Height = 120\r\n      Caption = 'First'\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("Items.Strings = (\r\n"), std::string::npos);
  EXPECT_NE(text.find("Picture.Data = {"), std::string::npos);
  EXPECT_NE(text.find("    Kind = bkOK\r\n    ModalResult = 1\r\n  end"), std::string::npos);
  EXPECT_EQ(text.find("Caption = 'OK'"), std::string::npos);
  EXPECT_EQ(text.find("Default"), std::string::npos);
}

TEST_F(StdStreamTest, ReadControlsBehave) {
  RegisterClasses<TStreamRoot>();
  TStreamRoot first;
  Build(&first);
  TStreamRoot root;
  ReadRoot(&root, desc::Parse(WriteRootText(&first)));
  EXPECT_EQ(root.clicks, 0);  // handlers are bound once the text is read
  auto* box = static_cast<TCheckBox*>(root.FindComponent("CheckBox1"));
  auto* two = static_cast<TRadioButton*>(root.FindComponent("RadioButton2"));
  auto* notebook = static_cast<TNotebook*>(root.FindComponent("Notebook1"));
  auto* combo = static_cast<TComboBox*>(root.FindComponent("ComboBox1"));
  auto* image = static_cast<TImage*>(root.FindComponent("Image1"));
  auto* ok = static_cast<TBitBtn*>(root.FindComponent("OKButton"));
  ASSERT_TRUE(box && two && notebook && combo && image && ok);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(two->Checked());
  EXPECT_TRUE(two->TabStop());
  ASSERT_EQ(notebook->Pages().size(), 2u);
  EXPECT_EQ(notebook->ActivePage(), "Second");
  EXPECT_FALSE(notebook->Pages()[0]->Visible());
  EXPECT_EQ(notebook->Pages()[0]->Owner(), notebook);
  EXPECT_EQ(root.FindComponent("Label1")->Owner(), &root);
  EXPECT_EQ(combo->Items()->Count(), 2u);
  EXPECT_EQ(image->Picture()->Width(), 2);
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_TRUE(ok->Default());
  box->SetChecked(false);
  EXPECT_EQ(root.clicks, 1);
  auto* edit = static_cast<TEdit*>(root.FindComponent("Edit1"));
  edit->SetText("16");
  edit->SetText("16");
  EXPECT_EQ(root.changes, 1);
}

TEST_F(StdStreamTest, ButtonOfTheAboutBoxReadsAsWritten) {
  // As the About box's description gives its OK button: the kind supplies caption and default.
  TStreamRoot root;
  RegisterClasses<TStreamRoot>();
  ReadRoot(&root, desc::Parse("object Root: TStreamRoot\n"
                              "  object OKButton: TBitBtn\n    Left = 120\n    Top = 194\n"
                              "    Width = 65\n    Height = 33\n    Font.Height = -13\n"
                              "    Font.Name = 'Times New Roman'\n    Font.Style = [fsBold]\n"
                              "    ParentFont = False\n    TabOrder = 1\n    Kind = bkOK\n"
                              "    ModalResult = 1\n  end\nend\n"));
  auto* ok = static_cast<TBitBtn*>(root.FindComponent("OKButton"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), 1);
  EXPECT_EQ(ok->Font()->Style(), fsBold);
}

TEST_F(StdStreamTest, EveryStandardClassIsRegistered) {
  for (const char* name : {"TPanel", "TLabel", "TEdit", "TCheckBox", "TRadioButton", "TComboBox", "TNotebook",
                           "TPage", "TBevel", "TImage", "TBitBtn"}) {
    const ClassInfo* info = FindClass(name);
    ASSERT_NE(info, nullptr) << name;
    EXPECT_NE(info->create, nullptr) << name;
  }
}

}  // namespace
