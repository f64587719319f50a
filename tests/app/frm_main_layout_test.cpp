// The main window as created: every option control on its page, at its place and size, with
// its text, length limit and state as the description gives them, read back from the live
// windows right after creation.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/speed_button.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/panel.h"
#include "tests/app/frm_main_host.h"
#include "tests/support/form_outline.h"
#include "tests/support/window_info.h"

namespace gv::test {
namespace {

using Host = FrmMainHost;

// The main window's description, as the test program carries it.
const FormOutline& Outline() {
  static const FormOutline outline = [] {
    HRSRC found = ::FindResourceA(nullptr, "TFRMMAIN", MAKEINTRESOURCEA(10));
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
    return FormOutline(std::string_view(data, ::SizeofResource(nullptr, found)));
  }();
  return outline;
}

// The option controls and their frames: those that stand where their bounds put them.
bool IsPlaced(const Place& place) {
  static const std::set<std::string> kClasses = {"TCheckBox", "TRadioButton", "TEdit", "TIntEdit", "TPanel"};
  return !place.page.empty() && !place.aligned && kClasses.count(place.className) > 0;
}

void ExpectBounds(const RECT& r, int x, int y, int w, int h, const std::string& what) {
  EXPECT_EQ(r.left, x) << what;
  EXPECT_EQ(r.top, y) << what;
  EXPECT_EQ(r.right - r.left, w) << what;
  EXPECT_EQ(r.bottom - r.top, h) << what;
}

TEST(MainWindowLayout, EveryOptionControlAsItsDescriptionSays) {
  int seen = 0;
  for (const std::string& name : Outline().WindowedNames()) {
    const Place& place = Outline().Of(name);
    if (!IsPlaced(place)) continue;
    SCOPED_TRACE(name);
    ++seen;
    ASSERT_EQ(Host::Created().count(name), 1u);
    const CreatedState& c = Host::Created().at(name);
    EXPECT_EQ(c.page, place.page);
    EXPECT_EQ(c.parent, place.parent);
    ExpectBounds(c.bounds, place.left, place.top, place.width, place.height, "bounds");
    EXPECT_EQ(c.text, place.text);
    if (place.maxLength) {
      EXPECT_EQ(c.limit, place.maxLength);
    } else if (c.limit) {
      EXPECT_GE(c.limit, 30000) << "no limit";
    }
    EXPECT_EQ(c.enabled, place.enabled);
    EXPECT_EQ(c.checked, place.checked);
  }
  EXPECT_EQ(seen, 75) << "every option control of the eight pages, with the frames";
}

// Numbers and texts stand in sunken frames of their own, which stay enabled; the edits inside
// are flat and fill the frame's inside.
TEST(MainWindowLayout, FramesAreSunkenAndEditsFlat) {
  int frames = 0;
  for (const std::string& name : Outline().WindowedNames()) {
    const Place& place = Outline().Of(name);
    if (place.className != "TEdit" && place.className != "TIntEdit") continue;
    if (place.parent.empty() || Outline().Of(place.parent).className != "TPanel") continue;
    SCOPED_TRACE(name);
    ++frames;
    auto* frame = dynamic_cast<fw::TPanel*>(Host::Find(place.parent));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->BevelInner(), fw::bvLowered);
    EXPECT_EQ(frame->BevelOuter(), fw::bvLowered);
    EXPECT_TRUE(Host::Created().at(place.parent).enabled) << "the frame stays enabled";
    EXPECT_EQ(Host::Created().at(place.parent).text, "") << "a frame shows no text";
    ExpectBounds(Host::Created().at(name).bounds, 2, 2, Outline().Of(place.parent).width - 4,
                 Outline().Of(place.parent).height - 4, "the edit fills its frame");
    const LONG ex = ::GetWindowLongA(Host::Handle(name), GWL_EXSTYLE);
    const LONG style = ::GetWindowLongA(Host::Handle(name), GWL_STYLE);
    EXPECT_EQ(ex & WS_EX_CLIENTEDGE, 0) << "borderless";
    EXPECT_EQ(style & WS_BORDER, 0) << "borderless";
  }
  EXPECT_EQ(frames, 17) << "the fourteen numbers and three texts";
  const LONG chosen = ::GetWindowLongA(Host::Handle("editChosenMap"), GWL_EXSTYLE);
  EXPECT_NE(chosen & WS_EX_CLIENTEDGE, 0) << "editChosenMap keeps the sunken border";
  EXPECT_NE(::GetWindowLongA(Host::Handle("editChosenMap"), GWL_STYLE) & ES_READONLY, 0);
}

TEST(MainWindowLayout, PagesInCreationOrderEachWithItsFrameBevel) {
  auto* notebook = dynamic_cast<fw::TNotebook*>(Host::Find("Notebook1"));
  ASSERT_NE(notebook, nullptr);
  const char* kOrder[] = {"General", "Multiplayer", "Network", "Memory",
                          "GLQuake", "WinQuake",    "Extra",   "Map"};
  const char* kBevels[] = {"Bevel1", "Bevel2", "Bevel3", "Bevel4", "Bevel5", "Bevel6", "Bevel8", "Bevel10"};
  const auto pages = notebook->Pages();
  ASSERT_EQ(pages.size(), 8u);
  for (size_t i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE(kOrder[i]);
    EXPECT_EQ(pages[i]->Caption(), kOrder[i]);
    auto* bevel = dynamic_cast<fw::TControl*>(Host::Find(kBevels[i]));
    ASSERT_NE(bevel, nullptr);
    EXPECT_EQ(bevel->Parent(), pages[i]);
    EXPECT_EQ(bevel->BoundsRect().right - bevel->Left(), 293);
    EXPECT_EQ(bevel->BoundsRect().bottom - bevel->Top(), 165);
  }
  EXPECT_EQ(Host::Created().at("Notebook1").bounds.left, 8);
  EXPECT_EQ(Host::Created().at("Notebook1").bounds.top, 40);
}

TEST(MainWindowLayout, TopBarStatusLineAndLists) {
  const auto& created = Host::Created();
  RECT client;
  ::GetClientRect(Host::Form()->Handle(), &client);
  ExpectBounds(created.at("AlphaPanel1").bounds, 0, 0, client.right, 34, "AlphaPanel1 along the top");
  const RECT status = created.at("StatusBar").bounds;
  ExpectBounds(status, 0, client.bottom - 22, client.right, 22, "StatusBar along the bottom");
  EXPECT_EQ(created.at("StatusBar").text, "");
  ExpectBounds(created.at("Panel2").bounds, 14, 4, 126, 26, "Panel2");
  EXPECT_EQ(created.at("ComboBox1").bounds.left, 16);
  EXPECT_EQ(created.at("ComboBox1").bounds.top, 6);
  EXPECT_EQ(created.at("ComboBox1").bounds.right - 16, 121);

  auto items = [](const char* name) {
    HWND h = Host::Handle(name);
    std::vector<std::string> out;
    const int count = static_cast<int>(::SendMessageA(h, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[64] = "";
      ::SendMessageA(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      out.push_back(text);
    }
    return out;
  };
  EXPECT_EQ(items("ComboBox1"), (std::vector<std::string>{"General", "Multiplayer", "Map", "Network",
                                                          "Memory", "GLQuake", "WinQuake", "Extra"}));
  const auto maps = items("ComboBox2");
  ASSERT_EQ(maps.size(), 43u);
  EXPECT_EQ(maps[0], "DM1");
  EXPECT_EQ(maps[6], "-");
  EXPECT_EQ(maps[14], "E1M8");
  EXPECT_EQ(maps[22], "E2M7");
  EXPECT_EQ(maps[39], "E4M8");
  EXPECT_EQ(maps[42], "END");
  EXPECT_EQ(items("ComboBox3"),
            (std::vector<std::string>{"Ashen Vault", "Sunken Keep", "Thornmere", "Grey Harbour",
                                      "Shatter the Step", "Nightfall Yard"}));
  // The selector is a list without a text field; the map lists have one.
  EXPECT_EQ(::GetWindowLongA(Host::Handle("ComboBox1"), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(::GetWindowLongA(Host::Handle("ComboBox2"), GWL_STYLE) & 3, CBS_DROPDOWN);
  EXPECT_EQ(::GetWindowLongA(Host::Handle("ComboBox3"), GWL_STYLE) & 3, CBS_DROPDOWN);
  // FormCreate made the first item current in all three.
  for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3"})
    EXPECT_EQ(::SendMessageA(Host::Handle(name), CB_GETCURSEL, 0, 0), 0) << name;
}

TEST(MainWindowLayout, GraphicControls) {
  int seen = 0;
  for (const std::string& name : Outline().Names()) {
    const Place& place = Outline().Of(name);
    if (place.className != "TLabel" && place.className != "TWin95SpeedButton") continue;
    SCOPED_TRACE(name);
    ++seen;
    auto* c = dynamic_cast<fw::TControl*>(Host::Find(name));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Parent()->Name(), place.parent);
    EXPECT_EQ(c->Left(), place.left);
    EXPECT_EQ(c->Top(), place.top);
    // Labels that size themselves to their text vary with the font's metrics.
    const int slack = place.className == "TLabel" ? 3 : 0;
    EXPECT_NEAR(c->Width(), place.width, slack);
    EXPECT_NEAR(c->Height(), place.height, slack);
    EXPECT_EQ(c->Enabled(), place.enabled);
  }
  EXPECT_GE(seen, 11);
  for (const char* name :
       {"Win95SpeedButton2", "Win95SpeedButton3", "Win95SpeedButton4", "Win95SpeedButton5"}) {
    auto* button = dynamic_cast<TWin95SpeedButton*>(Host::Find(name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->NumGlyphs(), 2) << name;
    EXPECT_EQ(button->Glyph()->TransparentColor(), 0x808000u) << name << ": olive is transparent";
    EXPECT_EQ(button->Caption(), "") << name;
  }
  auto* mapName = dynamic_cast<fw::TLabel*>(Host::Find("lblMapName"));
  EXPECT_FALSE(mapName->Visible());
  EXPECT_FALSE(mapName->AutoSize());
  EXPECT_EQ(mapName->Caption(), "");
  EXPECT_EQ(dynamic_cast<fw::TLabel*>(Host::Find("Label1"))->Alignment(), fw::taCenter);
}

// Overlapping siblings stack as the description lists them, later ones on top: the page
// selector lies over its frame, and the frame of "Max players:" over the box's spare width.
TEST(MainWindowLayout, LaterSiblingsLieOnTop) {
  auto above = [](const char* upper, const char* lower) {
    HWND target = Host::Handle(lower);
    for (HWND h = ::GetWindow(target, GW_HWNDPREV); h; h = ::GetWindow(h, GW_HWNDPREV))
      if (h == Host::Handle(upper)) return true;
    return false;
  };
  EXPECT_TRUE(above("ComboBox1", "Panel2")) << "the selector is hidden under its frame";
  EXPECT_TRUE(above("Panel10", "CheckBox4")) << "the check box covers the frame of its number";
}

TEST(MainWindowLayout, WindowFrameAndFonts) {
  HWND hwnd = Host::Form()->Handle();
  RECT r;
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 317);
  EXPECT_EQ(r.bottom - r.top, 264);
  EXPECT_EQ(WindowText(hwnd), "OEM Gorvale FE");
  const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0) << "no maximise box";
  // Centred on the screen.
  EXPECT_NEAR((r.left + r.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  EXPECT_EQ(Host::Form()->Font()->Name(), "System");
  EXPECT_EQ(Host::Form()->Font()->Height(), -13);
  for (const char* name : {"CheckBox6", "IntEdit1", "RadioButton8", "editExtra", "ComboBox2", "Label3"}) {
    auto* c = dynamic_cast<fw::TControl*>(Host::Find(name));
    EXPECT_EQ(c->Font()->Name(), "Arial") << name;
    EXPECT_EQ(c->Font()->Height(), -12) << name;
    EXPECT_EQ(fw::ColorToRGB(c->Font()->Color()), RGB(0, 0, 0)) << name;
  }
  auto* status = dynamic_cast<fw::TControl*>(Host::Find("StatusBar"));
  EXPECT_EQ(status->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(status->Font()->Height(), -11);
}

}  // namespace
}  // namespace gv::test
