// The main window's table of components against its description: a renamed or retyped control
// fails here, natively, rather than when the window is first read under Wine, and a launch option
// on a control that cannot give it fails here rather than at a click on Run.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "app/frm_main_controls.h"
#include "tests/support/form_outline.h"

namespace gv {
namespace {

// The class of each kind of member, in the order of FrmMainPart::Control.
const char* const kClasses[] = {"TCheckBox", "TRadioButton",        "TComboBox",  "TEdit",     "TIntEdit",
                                "TLabel",    "TWin95SpeedButton",   "TPopupMenu", "TNotebook", "TPanel",
                                "TTimer",    "TAutoPropertiesStore"};
static_assert(std::size(kClasses) == std::variant_size_v<FrmMainPart::Control>);

TEST(FrmMainControls, EachNamesOneComponentOfTheDescriptionOfItsMembersClass) {
  const test::FormOutline outline = test::FormOutline::FromFile(GORVALE_MAIN_FORM);
  std::set<std::string> names;
  for (const FrmMainPart& part : FrmMainParts{}) {
    EXPECT_TRUE(names.insert(part.name).second) << part.name << " is named twice";
    ASSERT_NO_THROW(outline.Of(part.name)) << part.name << " is not in the description";
    const std::string& cls = outline.Of(part.name).className;
    EXPECT_EQ(cls, kClasses[part.control.index()]) << part.name;
    if (std::holds_alternative<bool LaunchOptions::*>(part.option)) {
      EXPECT_TRUE(cls == "TCheckBox" || cls == "TRadioButton") << part.name << " cannot be checked";
    } else if (std::holds_alternative<std::string LaunchOptions::*>(part.option)) {
      EXPECT_TRUE(cls == "TEdit" || cls == "TIntEdit" || cls == "TLabel") << part.name << " has no text";
    }
  }
}

}  // namespace
}  // namespace gv
