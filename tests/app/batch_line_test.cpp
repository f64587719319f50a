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
  o.skill = "2";
  o.playerName = "p";
  o.shirt = "3";
  o.trousers = "4";
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
  o.usingWinquake = o.modeSafe = true;
  o.noCdAudio = o.noJoystick = o.noSound = o.noVesa = true;
  o.deathmatch = o.cooperative = o.listenServer = o.dedicatedServer = true;
  o.gameModeValue = "5";
  o.maxPlayersOn = true;
  o.maxPlayers = "8";
  o.teamplayOn = o.timelimitOn = o.fraglimitOn = o.noExit = true;
  o.teamplay = "1";
  o.timelimit = "20";
  o.fraglimit = "30";
  o.noLan = o.noUdp = o.noIpx = o.noSerial = true;
  o.portOn = o.hostnameOn = o.winmemOn = true;
  o.port = "26000";
  o.hostname = "h";
  o.winmem = "16";
  o.lockMemory = o.lockUnlockMemory = true;
  o.usingGlquake = o.resolutionOn = o.noPolyblend = o.noFlashblend = o.shadows = true;
  o.width = "640";
  o.height = "480";
  o.bpp = "16";
  o.extra = " -x";
  o.map = "e1m1";
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
    {"5", [](LaunchOptions& o) { o.noCdAudio = true; }, " -nocdaudio"},
    {"6", [](LaunchOptions& o) { o.noJoystick = true; }, " -nojoy"},
    {"7", [](LaunchOptions& o) { o.noSound = true; }, " -nosound"},
    {"8", [](LaunchOptions& o) { o.noVesa = true; }, " -stdvid"},
    {"9", [](LaunchOptions& o) { o.deathmatch = true, o.gameModeValue = "3"; }, " +deathmatch 3"},
    {"10", [](LaunchOptions& o) { o.cooperative = true, o.gameModeValue = "3"; }, " +coop 3"},
    {"11", [](LaunchOptions& o) { o.listenServer = true, o.maxPlayers = "9"; }, " -listen"},
    {"11max", [](LaunchOptions& o) { o.listenServer = o.maxPlayersOn = true, o.maxPlayers = "9"; },
     " -listen 9"},
    {"12", [](LaunchOptions& o) { o.dedicatedServer = true, o.maxPlayers = "9"; }, " -dedicated"},
    {"12max", [](LaunchOptions& o) { o.dedicatedServer = o.maxPlayersOn = true, o.maxPlayers = "9"; },
     " -dedicated 9"},
    {"MaxPlayersAlone", [](LaunchOptions& o) { o.maxPlayersOn = true, o.maxPlayers = "9"; }, ""},
    {"13", [](LaunchOptions& o) { o.teamplayOn = true, o.teamplay = "2"; }, " +teamplay 2"},
    {"14", [](LaunchOptions& o) { o.timelimitOn = true, o.timelimit = "10"; }, " +timelimit 10"},
    {"15", [](LaunchOptions& o) { o.fraglimitOn = true, o.fraglimit = "50"; }, " +fraglimit 50"},
    {"16", [](LaunchOptions& o) { o.noExit = true; }, " +noexit 1"},
    {"17", [](LaunchOptions& o) { o.noLan = true; }, " -nolan"},
    {"18", [](LaunchOptions& o) { o.noUdp = true; }, " -noudp"},
    {"19", [](LaunchOptions& o) { o.noIpx = true; }, " -noipx"},
    {"20", [](LaunchOptions& o) { o.noSerial = true; }, " -noserial"},
    {"21", [](LaunchOptions& o) { o.portOn = true, o.port = "26001"; }, " -udpport 26001"},
    {"22", [](LaunchOptions& o) { o.hostnameOn = true, o.hostname = "my host"; }, " +hostname \"my host\""},
    {"23", [](LaunchOptions& o) { o.winmemOn = true, o.winmem = "24"; }, " -winmem 24"},
    {"24WithoutWinmem", [](LaunchOptions& o) { o.lockMemory = true; }, " -winlock"},
    {"25WithoutWinmem", [](LaunchOptions& o) { o.lockUnlockMemory = true; }, " -winlockunlock"},
    {"26",
     [](LaunchOptions& o) {
       o.usingGlquake = o.resolutionOn = true, o.width = "800", o.height = "600", o.bpp = "32";
     },
     " -width 800 -height 600 -bpp 32"},
    {"27", [](LaunchOptions& o) { o.usingGlquake = o.noPolyblend = true; }, " -gl_polybend 0"},
    {"28", [](LaunchOptions& o) { o.usingGlquake = o.noFlashblend = true; }, " -gl_flashbend 0"},
    {"29", [](LaunchOptions& o) { o.usingGlquake = o.shadows = true; }, " -r_shadows 1"},
    {"GlSwitchesNeedGlQuake",
     [](LaunchOptions& o) { o.resolutionOn = o.noPolyblend = o.noFlashblend = o.shadows = true; }, ""},
    {"30", [](LaunchOptions& o) { o.extra = " -zone 512 +exec x.cfg"; }, " -zone 512 +exec x.cfg"},
    {"HostnameAndWinmemTextsNeedTheirBoxes",
     [](LaunchOptions& o) { o.hostname = "h", o.winmem = "8", o.port = "1", o.teamplay = "1"; }, ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineRow, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<RowCase>& info) {
                           return std::string("Row") + info.param.row_;
                         });

TEST(WinQuakeMode, FirstCheckedButtonGivesTheWordRightAfterTheExecutable) {
  const struct {
    bool LaunchOptions::*button_;
    const char* word_;
  } kModes[] = {{&LaunchOptions::modeMax, " max"},         {&LaunchOptions::modeFast, " fast"},
                {&LaunchOptions::modeFastvid, " fastvid"}, {&LaunchOptions::modeFastsnd, " fastsnd"},
                {&LaunchOptions::modeSafe, " safe"},       {&LaunchOptions::modeVerysafe, " verysafe"}};
  for (const auto& mode : kModes) {
    LaunchOptions o = Plain();
    o.usingWinquake = true;
    o.*mode.button_ = true;
    EXPECT_EQ(BuildBatchLine(o), std::string("wq.bat") + mode.word_ + kPlainHead + kTail + " +map ");
  }
}

TEST(WinQuakeMode, EarlierButtonWinsWhenSeveralAreChecked) {
  LaunchOptions o = Plain();
  o.usingWinquake = o.modeFastvid = o.modeSafe = o.modeVerysafe = true;
  EXPECT_EQ(BuildCommandLine(o), std::string(" fastvid") + kPlainHead + kTail);
}

TEST(WinQuakeMode, NoWordWithoutUsingWinQuakeOrWithoutACheckedButton) {
  LaunchOptions unchecked = Plain();
  unchecked.modeMax = unchecked.modeFast = true;
  EXPECT_EQ(BuildCommandLine(unchecked), std::string(kPlainHead) + kTail);

  LaunchOptions none = Plain();
  none.usingWinquake = true;
  EXPECT_EQ(BuildCommandLine(none), std::string(kPlainHead) + kTail);
}

TEST(WinQuakeMode, FastsndGivesWqBatThenModeThenSkill) {
  LaunchOptions o = DesignDefaults();
  o.modeMax = false;
  o.usingWinquake = o.modeFastsnd = true;
  EXPECT_EQ(BuildBatchLine(o).rfind("wq.bat fastsnd +skill ", 0), 0u);
}

TEST(Executable, GlQuakeBeforeWinQuakeBeforePlainQuake) {
  LaunchOptions o;
  EXPECT_EQ(ChooseExecutable(o), "quake.exe");
  o.usingWinquake = true;
  EXPECT_EQ(ChooseExecutable(o), "wq.bat");
  o.usingGlquake = true;
  EXPECT_EQ(ChooseExecutable(o), "glquake.exe");
  o.usingWinquake = false;
  EXPECT_EQ(ChooseExecutable(o), "glquake.exe");
}

TEST(Executable, WinQuakeAndGlQuakeTogetherKeepBothSetsOfSwitches) {
  LaunchOptions o = Plain();
  o.usingWinquake = o.usingGlquake = o.modeVerysafe = o.shadows = true;
  EXPECT_EQ(BuildBatchLine(o),
            std::string("glquake.exe verysafe") + kPlainHead + " -r_shadows 1" + kTail + " +map ");
}

TEST(Texts, NamesAreQuotedAndCopiedUnchanged) {
  LaunchOptions o = Plain();
  o.playerName = "a b";
  EXPECT_NE(BuildCommandLine(o).find(" +name \"a b\" +color"), std::string::npos);
  o.playerName = "say \"hi\"";
  EXPECT_NE(BuildCommandLine(o).find(" +name \"say \"hi\"\" +color"), std::string::npos);
  o.hostnameOn = true;
  o.hostname = "it's \"mine\"";
  EXPECT_NE(BuildCommandLine(o).find(" +hostname \"it's \"mine\"\" -game"), std::string::npos);
  o.playerName = "\xE9l\xE8ve";  // ANSI bytes pass untouched
  EXPECT_NE(BuildCommandLine(o).find("\"\xE9l\xE8ve\""), std::string::npos);
}

// The batch interpreter turns "%%" back into "%"; a single one would be eaten.
TEST(Texts, PercentInNamesIsDoubledForTheBatchInterpreter) {
  LaunchOptions o = Plain();
  o.playerName = "50% 100%";
  o.hostnameOn = true;
  o.hostname = "%PATH%";
  EXPECT_EQ(BuildCommandLine(o),
            " +skill 2 +name \"50%% 100%%\" +color 3 4 +hostname \"%%PATH%%\" -game gorvale");
}

TEST(Texts, PercentElsewhereIsLeftForTheUser) {
  LaunchOptions o = Plain();
  o.extra = " +exec %CFG%";
  o.map = "m%1";
  EXPECT_EQ(BuildBatchLine(o), std::string("quake.exe") + kPlainHead + " +exec %CFG%" + kTail + " +map m%1");
}

TEST(Texts, EmptyNumberFieldsLeaveTheirSwitchesBare) {
  LaunchOptions o;
  EXPECT_EQ(BuildBatchLine(o), "quake.exe +skill  +name \"\" +color   -game gorvale +map ");
}

TEST(Texts, ExtraParametersAreAppendedAsTyped) {
  LaunchOptions o = DesignDefaults();
  o.deathmatch = false;
  o.extra = "-nomouse";
  EXPECT_EQ(BuildBatchLine(o), "quake.exe +skill 1 +name \"\" +color 1 1-nomouse -game gorvale +map ");
  o.extra = " -nomouse";
  EXPECT_EQ(BuildBatchLine(o), "quake.exe +skill 1 +name \"\" +color 1 1 -nomouse -game gorvale +map ");
}

TEST(Texts, MapNameFollowsPlusMap) {
  LaunchOptions o = DesignDefaults();
  o.map = "start";
  EXPECT_EQ(BuildBatchLine(o),
            "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 1 -game gorvale +map start");
}

}  // namespace
}  // namespace gv
