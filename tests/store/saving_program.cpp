// A program that saves through the settings store onto real files as fast as it can, for the
// test that ends it by force at many instants: the kept values of one of two states, in turn.
//
//   saving_program DIR A|B      saves that state into DIR\Zelt.ini and DIR\Zelt.bin, and ends
//   saving_program DIR loop EV  saves A, B, A, ... for ever, setting the event EV after the first
#include <windows.h>

#include <memory>
#include <string>

#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "store/auto_properties_store.h"
#include "tests/store/store_test_components.h"

namespace {

using gv::store_test::TTestEdit;
using gv::store_test::TTestGrid;
using gv::store_test::TTestWindow;

std::unique_ptr<TTestWindow> MakeWindow(const std::string& dir) {
  auto window = std::make_unique<TTestWindow>(nullptr);
  const std::string text =
      "object frmSaver: TTestWindow\n"
      "  object Edit1: TTestEdit\n  end\n"
      "  object Grid1: TTestGrid\n  end\n"
      "  object AutoPS: TAutoPropertiesStore\n"
      "    Active = False\n"
      "    IniFileName = " +
      fw::desc::QuoteString(dir + "\\Zelt.ini") +
      "\n"
      "    BinaryFileName = " +
      fw::desc::QuoteString(dir + "\\Zelt.bin") +
      "\n"
      "    IniSection = 'settings'\n"
      "    Items = <\n"
      "      item\n        Component = Edit1\n        StoredProp.Strings = (\n          'Text')\n      end\n"
      "      item\n        Component = Grid1\n        StoredProp.Strings = (\n          'Data')\n      end>\n"
      "  end\nend\n";
  fw::ReadRoot(window.get(), fw::desc::Parse(text));
  return window;
}

// Two states that differ in every entry and in the size of both files.
void SetState(TTestWindow& window, int state) {
  const char fill = state == 0 ? 'a' : 'b';
  dynamic_cast<TTestEdit*>(window.FindComponent("Edit1"))->SetText(std::string(3000 + 500 * state, fill));
  dynamic_cast<TTestGrid*>(window.FindComponent("Grid1"))
      ->SetData(std::string(2048 + 1024 * state, static_cast<char>(0x30 + state)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  gv::store_test::RegisterTestClasses();
  std::unique_ptr<TTestWindow> window = MakeWindow(argv[1]);
  auto* store = dynamic_cast<gv::TAutoPropertiesStore*>(window->FindComponent("AutoPS"));
  const std::string mode = argv[2];
  if (mode == "A" || mode == "B") {
    SetState(*window, mode == "A" ? 0 : 1);
    store->Save();
    return 0;
  }
  if (mode != "loop" || argc < 4) return 2;
  HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
  for (unsigned i = 0;; ++i) {
    SetState(*window, static_cast<int>(i % 2));
    store->Save();
    if (i == 0 && started) SetEvent(started);
  }
}
