// The main window as created: every option control on its page, at its place and size, with
// its text, length limit and state, read back from the live windows right after creation.
#include <gtest/gtest.h>

#include "controls/W95Speed.h"
#include "framework/win32/combo_box.h"
#include "framework/win32/label.h"
#include "framework/win32/notebook.h"
#include "framework/win32/panel.h"
#include "tests/app/main_window_host.h"
#include "tests/support/window_info.h"

namespace gv::test {
namespace {

using Host = MainWindowHost;

// One control of the inventory. For an edit in a frame, frame names the frame panel and the
// bounds are the frame's; the edit fills the frame's inside, 2 pixels in from each side.
struct Row {
  const char* name;
  const char* page;
  const char* frame;   // null: the control stands on its own
  const char* parent;  // the group frame holding it; null: the page
  int x, y, w, h;
  const char* text;
  int maxLength;  // edits only; 0 is no limit
  bool enabled, checked;
};

constexpr bool E = true, D = false;  // enabled, disabled
constexpr bool C = true, U = false;  // checked, unchecked

const Row kRows[] = {
    {"IntEdit1", "General", "Panel1", nullptr, 40, 10, 24, 20, "1", 1, E, U},
    {"Edit1", "General", "Panel3", nullptr, 131, 10, 152, 20, "", 0, E, U},
    {"IntEdit2", "General", "Panel4", nullptr, 148, 46, 24, 20, "1", 2, E, U},
    {"IntEdit3", "General", "Panel5", nullptr, 148, 78, 24, 20, "1", 2, E, U},
    {"CheckBox6", "General", nullptr, nullptr, 8, 116, 113, 17, "No CD audio", 0, E, U},
    {"CheckBox7", "General", nullptr, nullptr, 120, 116, 81, 17, "No joystick", 0, E, U},
    {"CheckBox8", "General", nullptr, nullptr, 8, 140, 73, 17, "No sound", 0, E, U},
    {"CheckBox9", "General", nullptr, nullptr, 120, 140, 113, 17, "No VESA support", 0, E, U},

    {"Panel11", "Multiplayer", nullptr, nullptr, 8, 8, 137, 57, "", 0, E, U},
    {"RadioButton1", "Multiplayer", nullptr, "Panel11", 8, 8, 89, 15, "Deathmatch:", 0, E, C},
    {"RadioButton2", "Multiplayer", nullptr, "Panel11", 8, 32, 89, 15, "Cooperative:", 0, E, U},
    {"IntEdit4", "Multiplayer", "Panel6", "Panel11", 104, 18, 24, 20, "1", 2, E, U},
    {"Panel12", "Multiplayer", nullptr, nullptr, 152, 8, 133, 57, "", 0, E, U},
    {"RadioButton3", "Multiplayer", nullptr, "Panel12", 8, 8, 97, 17, "Listen server", 0, E, U},
    {"RadioButton4", "Multiplayer", nullptr, "Panel12", 8, 32, 113, 17, "Dedicated server", 0, E, U},
    {"CheckBox2", "Multiplayer", nullptr, nullptr, 8, 76, 73, 17, "Timelimit:", 0, E, U},
    {"IntEdit6", "Multiplayer", "Panel8", nullptr, 112, 74, 26, 20, "1", 3, E, U},
    {"CheckBox3", "Multiplayer", nullptr, nullptr, 8, 108, 73, 17, "Fraglimit:", 0, E, U},
    {"IntEdit7", "Multiplayer", "Panel9", nullptr, 112, 106, 26, 20, "1", 3, E, U},
    {"CheckBox4", "Multiplayer", nullptr, nullptr, 8, 140, 113, 17, "Max players:", 0, E, U},
    {"IntEdit8", "Multiplayer", "Panel10", nullptr, 112, 138, 26, 20, "1", 2, E, U},
    {"CheckBox1", "Multiplayer", nullptr, nullptr, 152, 76, 81, 17, "Teamplay:", 0, E, U},
    {"IntEdit5", "Multiplayer", "Panel7", nullptr, 258, 74, 26, 20, "1", 1, E, U},
    {"CheckBox5", "Multiplayer", nullptr, nullptr, 152, 108, 57, 17, "Noexit", 0, E, U},

    {"CheckBox10", "Network", nullptr, nullptr, 8, 8, 129, 17, "No network support", 0, E, U},
    {"CheckBox11", "Network", nullptr, nullptr, 160, 8, 121, 17, "No TCP/IP support", 0, E, U},
    {"CheckBox12", "Network", nullptr, nullptr, 8, 32, 105, 17, "No IPX support", 0, E, U},
    {"CheckBox13", "Network", nullptr, nullptr, 160, 32, 113, 17, "No serial support", 0, E, U},
    {"CheckBox14", "Network", nullptr, nullptr, 8, 76, 41, 17, "Port:", 0, E, U},
    {"IntEdit9", "Network", "Panel13", nullptr, 122, 74, 40, 20, "", 5, D, U},
    {"CheckBox15", "Network", nullptr, nullptr, 8, 108, 81, 17, "Hostname:", 0, E, U},
    {"Edit2", "Network", "Panel14", nullptr, 122, 106, 163, 20, "", 0, D, U},

    {"CheckBox17", "Memory", nullptr, nullptr, 8, 8, 73, 17, "Winmem:", 0, E, U},
    {"IntEdit10", "Memory", "Panel16", nullptr, 112, 6, 26, 20, "18", 3, D, U},
    {"CheckBox23", "Memory", nullptr, nullptr, 152, 8, 73, 17, "Heapsize:", 0, E, U},
    {"IntEdit14", "Memory", "Panel23", nullptr, 256, 6, 26, 20, "18", 3, D, U},
    {"RadioButton5", "Memory", nullptr, nullptr, 8, 40, 65, 17, "Normal", 0, D, C},
    {"RadioButton6", "Memory", nullptr, nullptr, 8, 64, 97, 17, "Lock memory", 0, D, U},
    {"RadioButton7", "Memory", nullptr, nullptr, 8, 88, 161, 17, "Lock and unlock memory", 0, D, U},

    {"CheckBox18", "GLQuake", nullptr, nullptr, 8, 8, 113, 17, "Video resolution:", 0, D, U},
    {"IntEdit11", "GLQuake", "Panel17", nullptr, 144, 6, 32, 20, "640", 4, D, U},
    {"IntEdit12", "GLQuake", "Panel18", nullptr, 197, 6, 32, 20, "480", 4, D, U},
    {"IntEdit13", "GLQuake", "Panel15", nullptr, 197, 38, 32, 20, "16", 2, D, U},
    {"CheckBox19", "GLQuake", nullptr, nullptr, 8, 76, 113, 17, "Disable polybend", 0, D, U},
    {"CheckBox20", "GLQuake", nullptr, nullptr, 8, 100, 121, 17, "Disable flashbend", 0, D, U},
    {"CheckBox22", "GLQuake", nullptr, nullptr, 144, 76, 81, 17, "Shadowed", 0, D, U},
    {"CheckBox21", "GLQuake", nullptr, nullptr, 8, 132, 105, 17, "Using GLQuake", 0, E, U},

    {"RadioButton8", "WinQuake", nullptr, nullptr, 8, 8, 41, 15, "Max", 0, E, C},
    {"RadioButton9", "WinQuake", nullptr, nullptr, 8, 32, 44, 15, "Fast", 0, E, U},
    {"RadioButton10", "WinQuake", nullptr, nullptr, 96, 8, 57, 15, "Fastvid", 0, E, U},
    {"RadioButton11", "WinQuake", nullptr, nullptr, 96, 32, 65, 15, "Fastsnd", 0, E, U},
    {"RadioButton12", "WinQuake", nullptr, nullptr, 200, 8, 44, 15, "Safe", 0, E, U},
    {"RadioButton13", "WinQuake", nullptr, nullptr, 200, 32, 65, 15, "Verysafe", 0, E, U},
    {"CheckBox16", "WinQuake", nullptr, nullptr, 8, 56, 113, 17, "Using WinQuake", 0, E, U},

    {"editExtra", "Extra", "Panel19", nullptr, 10, 10, 271, 20, "", 0, E, U},

    {"RadioButton14", "Map", nullptr, nullptr, 8, 12, 129, 17, "Original Quake Map:", 0, E, U},
    {"RadioButton15", "Map", nullptr, nullptr, 8, 44, 129, 17, "OEM Gorvale Map:", 0, E, C},
    {"editChosenMap", "Map", nullptr, nullptr, 112, 78, 172, 23, "", 0, E, U},
};

void ExpectBounds(const RECT& r, int x, int y, int w, int h, const std::string& what) {
  EXPECT_EQ(r.left, x) << what;
  EXPECT_EQ(r.top, y) << what;
  EXPECT_EQ(r.right - r.left, w) << what;
  EXPECT_EQ(r.bottom - r.top, h) << what;
}

TEST(MainWindowLayout, EveryOptionControlAsCreated) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const auto& created = Host::Created();
    ASSERT_EQ(created.count(row.name), 1u);
    const CreatedState& c = created.at(row.name);
    EXPECT_EQ(c.page, row.page);
    const std::string holder = row.parent ? row.parent : "";
    if (row.frame) {
      const CreatedState& frame = created.at(row.frame);
      EXPECT_EQ(c.parent, row.frame);
      EXPECT_EQ(frame.page, row.page);
      if (row.parent) {
        EXPECT_EQ(frame.parent, holder);
      }
      ExpectBounds(frame.bounds, row.x, row.y, row.w, row.h, std::string("frame ") + row.frame);
      ExpectBounds(c.bounds, 2, 2, row.w - 4, row.h - 4, "edit in its frame");
      EXPECT_TRUE(frame.enabled) << "the frame stays enabled";
    } else {
      if (row.parent) {
        EXPECT_EQ(c.parent, holder);
      }
      ExpectBounds(c.bounds, row.x, row.y, row.w, row.h, "bounds");
    }
    EXPECT_EQ(c.text, row.text);
    if (row.maxLength) {
      EXPECT_EQ(c.limit, row.maxLength);
    } else if (c.limit) {
      EXPECT_GE(c.limit, 30000) << "no limit";
    }
    EXPECT_EQ(c.enabled, row.enabled);
    EXPECT_EQ(c.checked, row.checked);
  }
}

TEST(MainWindowLayout, FramesAreSunkenAndEditsFlat) {
  for (const Row& row : kRows) {
    if (!row.frame) continue;
    SCOPED_TRACE(row.name);
    auto* frame = dynamic_cast<fw::TPanel*>(Host::Find(row.frame));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->BevelInner(), fw::bvLowered);
    EXPECT_EQ(frame->BevelOuter(), fw::bvLowered);
    EXPECT_EQ(Host::Created().at(row.frame).text, "") << "a frame shows no text";
    const LONG ex = ::GetWindowLongA(Host::Handle(row.name), GWL_EXSTYLE);
    const LONG style = ::GetWindowLongA(Host::Handle(row.name), GWL_STYLE);
    EXPECT_EQ(ex & WS_EX_CLIENTEDGE, 0) << "borderless";
    EXPECT_EQ(style & WS_BORDER, 0) << "borderless";
  }
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
  struct Graphic {
    const char* name;
    const char* parent;
    int x, y, w, h;
    bool enabled;
    int slack;  // labels that size themselves to their text vary with the font's metrics
  };
  const Graphic kGraphics[] = {
      {"Win95SpeedButton3", "AlphaPanel1", 159, 5, 25, 25, E, 0},
      {"Win95SpeedButton2", "AlphaPanel1", 184, 5, 25, 25, E, 0},
      {"Win95SpeedButton4", "AlphaPanel1", 230, 5, 25, 25, E, 0},
      {"Win95SpeedButton5", "", 240, 6, 25, 22, D, 0},
      {"Win95SpeedButton6", "", 240, 38, 25, 22, D, 0},
      {"Label1", "", 184, 8, 5, 15, D, 2},
      {"Label2", "", 144, 40, 27, 15, D, 3},
      {"Label3", "", 8, 12, 26, 15, E, 3},
      {"Label7", "", 88, 80, 53, 15, E, 0},
      {"Label8", "", 8, 80, 75, 15, E, 0},
      {"lblMapName", "", 112, 104, 169, 15, E, 0},
  };
  for (const Graphic& g : kGraphics) {
    SCOPED_TRACE(g.name);
    auto* c = dynamic_cast<fw::TControl*>(Host::Find(g.name));
    ASSERT_NE(c, nullptr);
    if (*g.parent) {
      EXPECT_EQ(c->Parent()->Name(), g.parent);
    }
    EXPECT_EQ(c->Left(), g.x);
    EXPECT_EQ(c->Top(), g.y);
    EXPECT_NEAR(c->Width(), g.w, g.slack);
    EXPECT_NEAR(c->Height(), g.h, g.slack);
    EXPECT_EQ(c->Enabled(), g.enabled);
  }
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
