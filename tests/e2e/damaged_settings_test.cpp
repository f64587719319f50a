// A settings file damaged by hand or written by another version of the launcher: every good
// entry comes back wherever the bad ones stand, one box owned by the main window says what was
// left out, and the next save writes a clean file.
#include <string>
#include <vector>

#include "tests/e2e/scenario.h"
#include "tests/support/file_bytes.h"

namespace gv::e2e {
namespace {

class DamagedSettings : public Scenario {
 protected:
  // The settings file of values with the bad lines put in at line `at` of the section.
  static std::string WithBadLines(const KeptValues& values, const std::vector<std::string>& bad, size_t at) {
    const std::string good = values.SettingsFile();
    std::vector<std::string> lines;
    for (size_t begin = 0, end; (end = good.find("\r\n", begin)) != std::string::npos; begin = end + 2)
      lines.push_back(good.substr(begin, end - begin));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(1 + std::min(at, lines.size() - 1)), bad.begin(),
                 bad.end());
    std::string file;
    for (const std::string& line : lines) file += line + "\r\n";
    return file;
  }

  // Starts on the damaged file, expects the report to name the keys, every good value back, and
  // a clean file after the exit button.
  void Expect(const std::string& file, const std::vector<std::string>& keys) {
    test::WriteFileBytes(test::SettingsPath(), file);
    std::string report;
    StartWithReport(report);
    for (const std::string& key : keys) EXPECT_NE(report.find("\r\n" + key + ": "), std::string::npos) << key;
    ExpectShown(Users());
    CloseByExitButton();
    ExpectSettings(Users());
  }
};

TEST_F(DamagedSettings, ABadValueFirstCostsNothingElse) {
  Expect(WithBadLines(Users(), {"CheckBox6.Checked=Maybe"}, 0), {"CheckBox6.Checked"});
}

TEST_F(DamagedSettings, AnUnknownComponentInTheMiddle) {
  Expect(WithBadLines(Users(), {"CheckBox99.Checked=True"}, 12), {"CheckBox99.Checked"});
}

TEST_F(DamagedSettings, ATruncatedStringLast) {
  Expect(WithBadLines(Users(), {"Edit2.Text=''open"}, 1000), {"Edit2.Text"});
}

TEST_F(DamagedSettings, SeveralBadEntriesALineOfAMegabyteAndBinaryNoise) {
  std::string noise;
  for (int i = 1; i < 200; ++i) {
    const char c = static_cast<char>(i * 37 % 250 + 5);
    if (c != '\r' && c != '\n' && c != '=' && c != '[') noise += c;
  }
  const std::string megabyte = "editExtra.Text=''" + std::string(1 << 20, 'x');
  Expect(WithBadLines(
             Users(),
             {megabyte, "IntEdit9.Text=9", "RadioButton3.Chekced=True", "Edit2." + noise + "=" + noise}, 5),
         {"editExtra.Text", "IntEdit9.Text", "RadioButton3.Chekced"});
}

// Entries that name handlers would choose what a click or the splash timer runs: none is bound.
TEST_F(DamagedSettings, EntriesThatNameHandlersAreReportedAndBindNothing) {
  const std::vector<std::string> handlers = {"Win95SpeedButton4.OnClick=Win95SpeedButton3Click",
                                             "timerSplash.OnTimer=Win95SpeedButton3Click",
                                             "frmMain.OnClose=Exit1Click"};
  Expect(WithBadLines(Users(), handlers, 4),
         {"Win95SpeedButton4.OnClick", "timerSplash.OnTimer", "frmMain.OnClose"});
  EXPECT_FALSE(Dir().HasBatchFile()) << "a handler entry launched the game";
}

}  // namespace
}  // namespace gv::e2e
