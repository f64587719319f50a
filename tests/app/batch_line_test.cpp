#include "app/batch_line.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/design_options.h"

namespace gv {
namespace {

using test::DesignDefaults;  // every control as the main window's description leaves it

// Nothing checked; the always-present rows get recognisable values.
LaunchOptions Plain() {
  LaunchOptions o;
  o.skill_ = "2";
  o.player_name_ = "p";
  o.shirt_ = "3";
  o.trousers_ = "4";
  return o;
}

constexpr char kPlainHead[] = " +skill 2 +name \"p\" +color 3 4";
constexpr char kTail[] = " -game gorvale";

TEST(BatchLine, DesignDefaultsGiveTheReferenceLineWithItsTrailingBlank) {
  EXPECT_EQ(BuildBatchLine(DesignDefaults()),
            "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 1 -game gorvale +map ");
}

TEST(BatchLine, EveryOptionAtOnceComesInTableOrder) {
  LaunchOptions o = Plain();
  o.using_winquake_ = o.mode_safe_ = true;
  o.no_cd_audio_ = o.no_joystick_ = o.no_sound_ = o.no_vesa_ = true;
  o.deathmatch_ = o.cooperative_ = o.listen_server_ = o.dedicated_server_ = true;
  o.game_mode_value_ = "5";
  o.max_players_on_ = true;
  o.max_players_ = "8";
  o.teamplay_on_ = o.timelimit_on_ = o.fraglimit_on_ = o.no_exit_ = true;
  o.teamplay_ = "1";
  o.timelimit_ = "20";
  o.fraglimit_ = "30";
  o.no_lan_ = o.no_udp_ = o.no_ipx_ = o.no_serial_ = true;
  o.port_on_ = o.hostname_on_ = o.winmem_on_ = true;
  o.port_ = "26000";
  o.hostname_ = "h";
  o.winmem_ = "16";
  o.lock_memory_ = o.lock_unlock_memory_ = true;
  o.using_glquake_ = o.resolution_on_ = o.no_polyblend_ = o.no_flashblend_ = o.shadows_ = true;
  o.width_ = "640";
  o.height_ = "480";
  o.bpp_ = "16";
  o.extra_ = " -x";
  o.map_ = "e1m1";
  EXPECT_EQ(BuildBatchLine(o),
            "glquake.exe safe +skill 2 +name \"p\" +color 3 4 -nocdaudio -nojoy -nosound -stdvid"
            " +deathmatch 5 +coop 5 -listen 8 -dedicated 8 +teamplay 1 +timelimit 20 +fraglimit 30"
            " +noexit 1 -nolan -noudp -noipx -noserial -udpport 26000 +hostname \"h\" -winmem 16"
            " -winlock -winlockunlock -width 640 -height 480 -bpp 16 -gl_polybend 0 -gl_flashbend 0"
            " -r_shadows 1 -x -game gorvale +map e1m1");
}

// One row switched on over Plain(): the piece lands between the colours and the extra text.
struct RowCase {
  const char* row_;
  std::function<void(LaunchOptions&)> set_;
  const char* piece_;
};

class CommandLineRow : public testing::TestWithParam<RowCase> {};

TEST_P(CommandLineRow, AddsItsPieceOnlyWhenItsConditionHolds) {
  LaunchOptions o = Plain();
  GetParam().set_(o);
  EXPECT_EQ(BuildCommandLine(o), std::string(kPlainHead) + GetParam().piece_ + kTail);
}

const RowCase kRows[] = {
    {"5", [](LaunchOptions& o) { o.no_cd_audio_ = true; }, " -nocdaudio"},
    {"6", [](LaunchOptions& o) { o.no_joystick_ = true; }, " -nojoy"},
    {"7", [](LaunchOptions& o) { o.no_sound_ = true; }, " -nosound"},
    {"8", [](LaunchOptions& o) { o.no_vesa_ = true; }, " -stdvid"},
    {"9", [](LaunchOptions& o) { o.deathmatch_ = true, o.game_mode_value_ = "3"; }, " +deathmatch 3"},
    {"10", [](LaunchOptions& o) { o.cooperative_ = true, o.game_mode_value_ = "3"; }, " +coop 3"},
    {"11", [](LaunchOptions& o) { o.listen_server_ = true, o.max_players_ = "9"; }, " -listen"},
    {"11max", [](LaunchOptions& o) { o.listen_server_ = o.max_players_on_ = true, o.max_players_ = "9"; },
     " -listen 9"},
    {"12", [](LaunchOptions& o) { o.dedicated_server_ = true, o.max_players_ = "9"; }, " -dedicated"},
    {"12max", [](LaunchOptions& o) { o.dedicated_server_ = o.max_players_on_ = true, o.max_players_ = "9"; },
     " -dedicated 9"},
    {"MaxPlayersAlone", [](LaunchOptions& o) { o.max_players_on_ = true, o.max_players_ = "9"; }, ""},
    {"13", [](LaunchOptions& o) { o.teamplay_on_ = true, o.teamplay_ = "2"; }, " +teamplay 2"},
    {"14", [](LaunchOptions& o) { o.timelimit_on_ = true, o.timelimit_ = "10"; }, " +timelimit 10"},
    {"15", [](LaunchOptions& o) { o.fraglimit_on_ = true, o.fraglimit_ = "50"; }, " +fraglimit 50"},
    {"16", [](LaunchOptions& o) { o.no_exit_ = true; }, " +noexit 1"},
    {"17", [](LaunchOptions& o) { o.no_lan_ = true; }, " -nolan"},
    {"18", [](LaunchOptions& o) { o.no_udp_ = true; }, " -noudp"},
    {"19", [](LaunchOptions& o) { o.no_ipx_ = true; }, " -noipx"},
    {"20", [](LaunchOptions& o) { o.no_serial_ = true; }, " -noserial"},
    {"21", [](LaunchOptions& o) { o.port_on_ = true, o.port_ = "26001"; }, " -udpport 26001"},
    {"22", [](LaunchOptions& o) { o.hostname_on_ = true, o.hostname_ = "my host"; },
     " +hostname \"my host\""},
    {"23", [](LaunchOptions& o) { o.winmem_on_ = true, o.winmem_ = "24"; }, " -winmem 24"},
    {"24WithoutWinmem", [](LaunchOptions& o) { o.lock_memory_ = true; }, " -winlock"},
    {"25WithoutWinmem", [](LaunchOptions& o) { o.lock_unlock_memory_ = true; }, " -winlockunlock"},
    {"26",
     [](LaunchOptions& o) {
       o.using_glquake_ = o.resolution_on_ = true, o.width_ = "800", o.height_ = "600", o.bpp_ = "32";
     },
     " -width 800 -height 600 -bpp 32"},
    {"27", [](LaunchOptions& o) { o.using_glquake_ = o.no_polyblend_ = true; }, " -gl_polybend 0"},
    {"28", [](LaunchOptions& o) { o.using_glquake_ = o.no_flashblend_ = true; }, " -gl_flashbend 0"},
    {"29", [](LaunchOptions& o) { o.using_glquake_ = o.shadows_ = true; }, " -r_shadows 1"},
    {"GlSwitchesNeedGlQuake",
     [](LaunchOptions& o) { o.resolution_on_ = o.no_polyblend_ = o.no_flashblend_ = o.shadows_ = true; }, ""},
    {"30", [](LaunchOptions& o) { o.extra_ = " -zone 512 +exec x.cfg"; }, " -zone 512 +exec x.cfg"},
    {"HostnameAndWinmemTextsNeedTheirBoxes",
     [](LaunchOptions& o) { o.hostname_ = "h", o.winmem_ = "8", o.port_ = "1", o.teamplay_ = "1"; }, ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineRow, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<RowCase>& info) {
                           return std::string("Row") + info.param.row_;
                         });

TEST(WinQuakeMode, FirstCheckedButtonGivesTheWordRightAfterTheExecutable) {
  const struct {
    bool LaunchOptions::*button_;
    const char* word_;
  } kModes[] = {{&LaunchOptions::mode_max_, " max"},         {&LaunchOptions::mode_fast_, " fast"},
                {&LaunchOptions::mode_fastvid_, " fastvid"}, {&LaunchOptions::mode_fastsnd_, " fastsnd"},
                {&LaunchOptions::mode_safe_, " safe"},       {&LaunchOptions::mode_verysafe_, " verysafe"}};
  for (const auto& mode : kModes) {
    LaunchOptions o = Plain();
    o.using_winquake_ = true;
    o.*mode.button_ = true;
    EXPECT_EQ(BuildBatchLine(o), std::string("wq.bat") + mode.word_ + kPlainHead + kTail + " +map ");
  }
}

TEST(WinQuakeMode, EarlierButtonWinsWhenSeveralAreChecked) {
  LaunchOptions o = Plain();
  o.using_winquake_ = o.mode_fastvid_ = o.mode_safe_ = o.mode_verysafe_ = true;
  EXPECT_EQ(BuildCommandLine(o), std::string(" fastvid") + kPlainHead + kTail);
}

TEST(WinQuakeMode, NoWordWithoutUsingWinQuakeOrWithoutACheckedButton) {
  LaunchOptions unchecked = Plain();
  unchecked.mode_max_ = unchecked.mode_fast_ = true;
  EXPECT_EQ(BuildCommandLine(unchecked), std::string(kPlainHead) + kTail);

  LaunchOptions none = Plain();
  none.using_winquake_ = true;
  EXPECT_EQ(BuildCommandLine(none), std::string(kPlainHead) + kTail);
}

TEST(WinQuakeMode, FastsndGivesWqBatThenModeThenSkill) {
  LaunchOptions o = DesignDefaults();
  o.mode_max_ = false;
  o.using_winquake_ = o.mode_fastsnd_ = true;
  EXPECT_EQ(BuildBatchLine(o).rfind("wq.bat fastsnd +skill ", 0), 0u);
}

TEST(Executable, GlQuakeBeforeWinQuakeBeforePlainQuake) {
  LaunchOptions o;
  EXPECT_EQ(ChooseExecutable(o), "quake.exe");
  o.using_winquake_ = true;
  EXPECT_EQ(ChooseExecutable(o), "wq.bat");
  o.using_glquake_ = true;
  EXPECT_EQ(ChooseExecutable(o), "glquake.exe");
  o.using_winquake_ = false;
  EXPECT_EQ(ChooseExecutable(o), "glquake.exe");
}

TEST(Executable, WinQuakeAndGlQuakeTogetherKeepBothSetsOfSwitches) {
  LaunchOptions o = Plain();
  o.using_winquake_ = o.using_glquake_ = o.mode_verysafe_ = o.shadows_ = true;
  EXPECT_EQ(BuildBatchLine(o),
            std::string("glquake.exe verysafe") + kPlainHead + " -r_shadows 1" + kTail + " +map ");
}

TEST(Texts, NamesAreQuotedAndCopiedUnchanged) {
  LaunchOptions o = Plain();
  o.player_name_ = "a b";
  EXPECT_NE(BuildCommandLine(o).find(" +name \"a b\" +color"), std::string::npos);
  o.player_name_ = "say \"hi\"";
  EXPECT_NE(BuildCommandLine(o).find(" +name \"say \"hi\"\" +color"), std::string::npos);
  o.hostname_on_ = true;
  o.hostname_ = "it's \"mine\"";
  EXPECT_NE(BuildCommandLine(o).find(" +hostname \"it's \"mine\"\" -game"), std::string::npos);
  o.player_name_ = "\xE9l\xE8ve";  // ANSI bytes pass untouched
  EXPECT_NE(BuildCommandLine(o).find("\"\xE9l\xE8ve\""), std::string::npos);
}

// The batch interpreter turns "%%" back into "%"; a single one would be eaten.
TEST(Texts, PercentInNamesIsDoubledForTheBatchInterpreter) {
  LaunchOptions o = Plain();
  o.player_name_ = "50% 100%";
  o.hostname_on_ = true;
  o.hostname_ = "%PATH%";
  EXPECT_EQ(BuildCommandLine(o),
            " +skill 2 +name \"50%% 100%%\" +color 3 4 +hostname \"%%PATH%%\" -game gorvale");
}

TEST(Texts, PercentElsewhereIsLeftForTheUser) {
  LaunchOptions o = Plain();
  o.extra_ = " +exec %CFG%";
  o.map_ = "m%1";
  EXPECT_EQ(BuildBatchLine(o), std::string("quake.exe") + kPlainHead + " +exec %CFG%" + kTail + " +map m%1");
}

TEST(Texts, EmptyNumberFieldsLeaveTheirSwitchesBare) {
  LaunchOptions o;
  EXPECT_EQ(BuildBatchLine(o), "quake.exe +skill  +name \"\" +color   -game gorvale +map ");
}

TEST(Texts, ExtraParametersAreAppendedAsTyped) {
  LaunchOptions o = DesignDefaults();
  o.deathmatch_ = false;
  o.extra_ = "-nomouse";
  EXPECT_EQ(BuildBatchLine(o), "quake.exe +skill 1 +name \"\" +color 1 1-nomouse -game gorvale +map ");
  o.extra_ = " -nomouse";
  EXPECT_EQ(BuildBatchLine(o), "quake.exe +skill 1 +name \"\" +color 1 1 -nomouse -game gorvale +map ");
}

TEST(Texts, MapNameFollowsPlusMap) {
  LaunchOptions o = DesignDefaults();
  o.map_ = "start";
  EXPECT_EQ(BuildBatchLine(o),
            "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 1 -game gorvale +map start");
}

}  // namespace
}  // namespace gv
