// The button-bar panel in a real window: its character buttons clicked through the panel's
// window, property writes and their effects, and loading from description text.
// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/alpha_panel.h"
#include "controls/register_controls.h"
#include "framework/core/component_reader.h"
#include "framework/core/component_writer.h"
#include "framework/core/desc_parser.h"
#include "tests/controls/test_host.h"

namespace gv {
namespace {

class AlphaPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.reset(TestHost::Attached());
    panel_ = new TAlphaPanel(host_.get());
    static_cast<fw::TControl*>(panel_)->SetParent(host_.get());
    panel_->SetBounds(0, 0, 448, 80);
    panel_->onValueChange = fw::Method{"", [this](fw::Component* sender) {
                                         EXPECT_EQ(sender, panel_);
                                         ++changes_;
                                       }};
    panel_->SetAlphaButtons({"ABC", "D F"});
    changes_ = 0;
  }

  TSpeedButton* Button(char c) { return panel_->FindButton(c); }
  void Click(char c) { ClickControl(Button(c)); }
  size_t Children() const { return panel_->Controls().size(); }

  std::unique_ptr<TestHost> host_;
  TAlphaPanel* panel_ = nullptr;
  int changes_ = 0;
};

TEST_F(AlphaPanelTest, DefaultsOfANewPanel) {
  TAlphaPanel fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 448);
  EXPECT_EQ(fresh.Height(), 22);
  EXPECT_EQ(fresh.ActiveButton(), 0);
  EXPECT_TRUE(fresh.Controls().empty());
  fresh.SetName("AlphaPanel9");
  EXPECT_EQ(fresh.Caption(), "");  // the name does not become the caption
  TSpeedButton sample(nullptr);
  EXPECT_TRUE(fresh.ButtonFont()->SameAs(*sample.Font()));
}

TEST_F(AlphaPanelTest, CharacterButtonsOfTheLines) {
  ASSERT_EQ(Children(), 5u);
  struct {
    char c;
    int x, y;
  } expected[] = {{'A', 2, 2}, {'B', 19, 2}, {'C', 36, 2}, {'D', 2, 19}, {'F', 28, 19}};
  for (const auto& e : expected) {
    TSpeedButton* b = Button(e.c);
    ASSERT_NE(b, nullptr) << e.c;
    EXPECT_EQ(b->Left(), e.x) << e.c;
    EXPECT_EQ(b->Top(), e.y) << e.c;
    EXPECT_EQ(b->Width(), 18);
    EXPECT_EQ(b->Height(), 18);
    EXPECT_EQ(b->Caption(), std::string(1, e.c));
    EXPECT_EQ(b->Tag(), e.c);
    EXPECT_EQ(b->Owner(), panel_);
    EXPECT_EQ(b->GroupIndex(), 0);
    EXPECT_TRUE(b->Font()->SameAs(*panel_->ButtonFont()));
  }
  EXPECT_EQ(Button(' '), nullptr);

  panel_->SetAlphaButtons({"A", "", "B"});
  EXPECT_EQ(Button('B')->Top(), 2 + 18 - 1 + 9 - 1);
}

TEST_F(AlphaPanelTest, PushButtonClicksMakeTheirCharacterActive) {
  Click('B');
  EXPECT_EQ(panel_->ActiveButton(), 'B');
  EXPECT_EQ(changes_, 1);
  EXPECT_FALSE(Button('B')->Down());
  Click('F');
  EXPECT_EQ(panel_->ActiveButton(), 'F');
  EXPECT_EQ(changes_, 2);
}

TEST_F(AlphaPanelTest, LatchedButtonsFollowTheActiveCharacter) {
  panel_->SetCatchButtons(true);
  for (char c : std::string("ABCDF")) EXPECT_EQ(Button(c)->GroupIndex(), 1);
  Click('B');
  EXPECT_TRUE(Button('B')->Down());
  EXPECT_EQ(panel_->ActiveButton(), 'B');
  // Without AllowAllUp the down button stays down; the event comes again.
  Click('B');
  EXPECT_TRUE(Button('B')->Down());
  EXPECT_EQ(panel_->ActiveButton(), 'B');
  EXPECT_EQ(changes_, 2);
  Click('C');
  EXPECT_FALSE(Button('B')->Down());
  EXPECT_EQ(panel_->ActiveButton(), 'C');

  panel_->SetAllowAllUp(true);
  EXPECT_TRUE(Button('C')->Down());  // the active button is put down again
  for (char c : std::string("ABCDF")) EXPECT_TRUE(Button(c)->AllowAllUp());
  Click('C');
  EXPECT_FALSE(Button('C')->Down());
  EXPECT_EQ(panel_->ActiveButton(), 0);
}

TEST_F(AlphaPanelTest, WritingActiveButton) {
  panel_->SetCatchButtons(true);
  panel_->SetActiveButton('D');
  EXPECT_TRUE(Button('D')->Down());
  EXPECT_EQ(changes_, 1);
  panel_->SetActiveButton('A');
  EXPECT_TRUE(Button('A')->Down());
  EXPECT_FALSE(Button('D')->Down());
  // #0 asks the button to come up: it cannot while AllowAllUp is false.
  panel_->SetActiveButton(0);
  EXPECT_EQ(panel_->ActiveButton(), 0);
  EXPECT_TRUE(Button('A')->Down());
  panel_->SetAllowAllUp(true);
  panel_->SetActiveButton('A');
  panel_->SetActiveButton(0);
  EXPECT_FALSE(Button('A')->Down());
  // A character without a button is stored and changes no button.
  panel_->SetActiveButton('Z');
  EXPECT_EQ(panel_->ActiveButton(), 'Z');
  EXPECT_EQ(changes_, 6);
}

TEST_F(AlphaPanelTest, WritingAlphaButtonsAlwaysResetsTheActiveCharacter) {
  Click('C');
  changes_ = 0;
  panel_->SetAlphaButtons({"ABC", "D F"});
  EXPECT_EQ(panel_->ActiveButton(), 0);
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(Children(), 5u);  // remade, not added to
}

TEST_F(AlphaPanelTest, LayoutWritesRebuildOnlyOnChangeAndKeepTheActiveCharacter) {
  panel_->SetCatchButtons(true);
  panel_->SetActiveButton('B');
  changes_ = 0;
  TSpeedButton* before = Button('B');
  panel_->SetButtonWidth(18);
  EXPECT_EQ(Button('B'), before);

  panel_->SetButtonWidth(20);
  EXPECT_EQ(Children(), 5u);
  EXPECT_EQ(Button('B')->Left(), 2 + 20 - 1);
  EXPECT_EQ(Button('B')->Width(), 20);
  EXPECT_EQ(panel_->ActiveButton(), 'B');
  EXPECT_TRUE(Button('B')->Down());
  EXPECT_EQ(changes_, 0);

  panel_->SetButtonXSpacing(3);
  panel_->SetBlankXSize(1);
  EXPECT_EQ(Button('F')->Left(), 2 + 20 + 3 + 1);
  panel_->SetButtonTopMargin(65536 + 4);  // 16-bit value
  EXPECT_EQ(panel_->ButtonTopMargin(), 4);
  EXPECT_EQ(Button('A')->Top(), 4);
}

TEST_F(AlphaPanelTest, RebuildLeavesControlsPlacedOnThePanel) {
  auto* placed = new TWin95SpeedButton(host_.get());
  placed->SetParent(panel_);
  placed->SetLeft(300);
  panel_->SetButtonHeight(20);
  EXPECT_EQ(Children(), 6u);
  EXPECT_EQ(placed->Parent(), panel_);
  // It joins the group in latched mode like every speed button on the panel.
  panel_->SetCatchButtons(true);
  EXPECT_EQ(placed->GroupIndex(), 1);
}

TEST_F(AlphaPanelTest, ValueChangeHandlerMayRebuildTheGrid) {
  bool rebuilt = false;
  panel_->onValueChange = fw::Method{"", [&](fw::Component*) {
                                       if (rebuilt) return;
                                       rebuilt = true;
                                       panel_->SetAlphaButtons({"XY"});  // destroys the clicked button
                                     }};
  Click('A');
  EXPECT_TRUE(rebuilt);
  EXPECT_EQ(Children(), 2u);
  EXPECT_EQ(panel_->ActiveButton(), 0);
  ASSERT_NE(Button('Y'), nullptr);
  Click('Y');
  EXPECT_EQ(panel_->ActiveButton(), 'Y');
}

TEST(AlphaPanelLoadTest, AfterLoadBuildsOnceAndPutsPlacedButtonsUp) {
  RegisterControlClasses();
  fw::RegisterClasses<TestHost>();
  TestHost root;
  fw::ReadRoot(&root, fw::desc::Parse("object Host: TTestHost\n"
                                      "  object AlphaPanel1: TAlphaPanel\n"
                                      "    ActiveButton = 'B'\n"
                                      "    AlphaButtons.Strings = ('AB' 'C')\n"
                                      "    ButtonWidth = 20\n"
                                      "    ButtonFont.Height = -13\n"
                                      "    CatchButtons = True\n"
                                      "    object Win95SpeedButton3: TWin95SpeedButton\n"
                                      "      Left = 159\n"
                                      "      GroupIndex = 2\n"
                                      "      Down = True\n"
                                      "    end\n"
                                      "  end\n"
                                      "end\n"));
  auto* panel = dynamic_cast<TAlphaPanel*>(root.FindComponent("AlphaPanel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Controls().size(), 4u);  // three character buttons, no second set
  EXPECT_EQ(panel->ActiveButton(), 'B');
  ASSERT_NE(panel->FindButton('B'), nullptr);
  EXPECT_TRUE(panel->FindButton('B')->Down());
  EXPECT_EQ(panel->FindButton('B')->Left(), 21);
  EXPECT_EQ(panel->FindButton('C')->Font()->Height(), -13);
  auto* placed = dynamic_cast<TSpeedButton*>(root.FindComponent("Win95SpeedButton3"));
  ASSERT_NE(placed, nullptr);
  EXPECT_FALSE(placed->Down());
  EXPECT_EQ(placed->GroupIndex(), 1);

  // Written back, the panel keeps its lines and none of the buttons it made.
  std::string text = fw::WriteRootText(&root);
  EXPECT_NE(text.find("CatchButtons = True"), std::string::npos) << text;
  EXPECT_NE(text.find("'AB'"), std::string::npos) << text;
  EXPECT_EQ(text.find("TSpeedButton"), std::string::npos) << text;
}

TEST(AlphaPanelLoadTest, MainWindowBarWithoutLines) {
  RegisterControlClasses();
  fw::RegisterClasses<TestHost>();
  TestHost root;
  fw::ReadRoot(&root, fw::desc::Parse("object Host: TTestHost\n"
                                      "  object AlphaPanel1: TAlphaPanel\n"
                                      "    CatchButtons = False\n"
                                      "    object Win95SpeedButton2: TWin95SpeedButton\n"
                                      "      GroupIndex = 4\n"
                                      "      Down = True\n"
                                      "    end\n"
                                      "  end\n"
                                      "end\n"));
  auto* panel = dynamic_cast<TAlphaPanel*>(root.FindComponent("AlphaPanel1"));
  ASSERT_NE(panel, nullptr);
  ASSERT_EQ(panel->Controls().size(), 1u);
  auto* placed = dynamic_cast<TSpeedButton*>(panel->Controls()[0]);
  ASSERT_NE(placed, nullptr);
  EXPECT_FALSE(placed->Down());
  EXPECT_EQ(placed->GroupIndex(), 0);
}

// A window whose handlers note the events that reach them.
class EventHost : public TestHost {
 public:
  FW_CLASS()
  using TestHost::TestHost;
  void Noted(fw::Component*) { noted.push_back("Noted"); }
  void Moved(fw::Component*) { noted.push_back("Moved"); }
  std::vector<std::string> noted;
};

const fw::ClassInfo& EventHost::StaticClass() {
  static const fw::MethodInfo kMethods[] = {FW_METHOD(EventHost, Noted), FW_METHOD(EventHost, Moved)};
  static const fw::ClassInfo info =
      fw::detail::BuildClass<EventHost, TestHost>("TEventHost", nullptr, 0, kMethods, 2);
  return info;
}

// Every property and event the two classes publish beyond the defaults loads, is written back,
// and the button's mouse events come.
TEST(AlphaPanelLoadTest, EveryPublishedPropertyAndEvent) {
  RegisterControlClasses();
  fw::RegisterClasses<EventHost>();
  const std::string panel =
      "  object AlphaPanel1: TAlphaPanel\n"
      "    Left = 4\n    Top = 2\n    Width = 300\n    Height = 40\n    Hint = 'bar'\n"
      "    BevelInner = bvLowered\n    BevelOuter = bvNone\n    BevelWidth = 2\n    BorderWidth = 1\n"
      "    BorderStyle = bsSingle\n    Color = clWindow\n    Ctl3D = False\n    Cursor = crHandPoint\n"
      "    Enabled = False\n    HelpContext = 12\n    Locked = True\n    ParentCtl3D = False\n"
      "    ParentShowHint = False\n    ShowHint = True\n    Visible = False\n    ActiveButton = 'Q'\n"
      "    AllowAllUp = True\n    BlankXSize = 5\n    BlankYSize = 6\n    ButtonFont.Height = -13\n"
      "    ButtonHeight = 20\n    ButtonLeftMargin = 3\n    ButtonTopMargin = 4\n    ButtonWidth = 21\n"
      "    ButtonXSpacing = 0\n    ButtonYSpacing = 1\n    CatchButtons = False\n    OnValueChange = Noted\n"
      "  end\n"
      "  object Win95SpeedButton1: TWin95SpeedButton\n"
      "    Left = 8\n    Top = 8\n    Width = 20\n    Height = 20\n"
      "    OnClick = Noted\n    OnDblClick = Noted\n    OnMouseDown = Noted\n    OnMouseMove = Moved\n"
      "    OnMouseUp = Noted\n"
      "  end\n";
  EventHost root;
  ASSERT_NO_THROW(fw::ReadRoot(&root, fw::desc::Parse("object Host: TEventHost\n" + panel + "end\n")));
  const std::string written = fw::WriteRootText(&root);
  for (size_t at = 0, end; (end = panel.find('\n', at)) != std::string::npos; at = end + 1)
    EXPECT_NE(written.find(panel.substr(at, end - at) + "\r\n"), std::string::npos)
        << panel.substr(at, end - at);
  // ParentColor, a value of its own, loads too and takes the parent's colour.
  EventHost other;
  fw::ReadRoot(&other,
               fw::desc::Parse("object Host: TEventHost\n  Color = clWindow\n"
                               "  object AlphaPanel2: TAlphaPanel\n    ParentColor = True\n  end\nend\n"));
  auto* second = dynamic_cast<TAlphaPanel*>(other.FindComponent("AlphaPanel2"));
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->ParentColor());
  EXPECT_EQ(second->Color(), fw::clWindow);

  HWND hwnd = root.Handle();
  PressAt(hwnd, 12, 12);
  MoveTo(hwnd, 13, 12);
  ReleaseAt(hwnd, 13, 12);
  SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(13, 12));
  EXPECT_EQ(root.noted, (std::vector<std::string>{"Noted", "Moved", "Noted", "Noted", "Noted", "Noted"}));
}

}  // namespace
}  // namespace gv
