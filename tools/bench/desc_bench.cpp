// Parse, load and write timings for a window description of about 150 components.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "framework/core/component_reader.h"
#include "framework/core/component_writer.h"
#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "tests/framework/core/test_components.h"

namespace fw::desc {
namespace {

Property Prop(const char* name, Value v) {
  Property p;
  p.name = name;
  p.value = std::move(v);
  return p;
}

// A main window with pages of panels of controls, with every kind of value in use.
Object MakeWindow() {
  Object form;
  form.name = "frmMain";
  form.className = "TfrmMain";
  form.props = {Prop("Left", MakeInteger(192)), Prop("Caption", MakeString("Launcher 'main'")),
                Prop("Font.Style", MakeSet({"fsBold"})), Prop("Position", MakeIdent("poScreenCenter"))};
  int n = 0;
  for (int page = 0; page < 5; ++page) {
    Object p;
    p.className = "TPage";
    p.props = {Prop("Caption", MakeString("Page " + std::to_string(page)))};
    for (int panel = 0; panel < 5; ++panel) {
      Object pn;
      pn.name = "Panel" + std::to_string(++n);
      pn.className = "TPanel";
      pn.props = {Prop("Align", MakeIdent("alTop")), Prop("Height", MakeInteger(41))};
      for (int c = 0; c < 5; ++c) {
        Object cb;
        cb.name = "CheckBox" + std::to_string(++n);
        cb.className = "TCheckBox";
        cb.props = {Prop("Left", MakeInteger(8 + c * 100)), Prop("Top", MakeInteger(-4)),
                    Prop("Caption", MakeString("Option\r\nnumber " + std::to_string(n))),
                    Prop("Anchors", MakeSet({"akTop", "akLeft"})),
                    Prop("OnClick", MakeIdent("CheckBoxClick"))};
        if (c == 0) {
          cb.props.push_back(Prop("Items.Strings", MakeList({MakeString("one"), MakeString("two")})));
          Item item;
          item.props = {Prop("Width", MakeInteger(64)), Prop("Ratio", MakeFloat(0.25))};
          cb.props.push_back(Prop("Columns", MakeCollection({item, item})));
          cb.props.push_back(Prop("Glyph.Data", MakeBinary(std::string(100, '\x5A'))));
        }
        pn.children.push_back(cb);
      }
      p.children.push_back(pn);
    }
    form.children.push_back(p);
  }
  return form;
}

void BM_ParseWindow(benchmark::State& state) {
  const std::string text = Write(MakeWindow());
  for (auto _ : state) benchmark::DoNotOptimize(Parse(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseWindow);

void BM_WriteWindow(benchmark::State& state) {
  const Object window = MakeWindow();
  const size_t size = Write(window).size();
  for (auto _ : state) benchmark::DoNotOptimize(Write(window));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_WriteWindow);

void BM_RoundTripWindow(benchmark::State& state) {
  const std::string text = Write(MakeWindow());
  for (auto _ : state) benchmark::DoNotOptimize(Write(Parse(text)));
}
BENCHMARK(BM_RoundTripWindow);

// A window of 150 components nested three deep, read into live components and written back:
// what creating a window from its description costs besides the windows themselves.
std::string MakeComponentText() {
  std::string text = "object Board1: TBoard\r\n  Caption = 'Launcher'\r\n";
  int n = 0;
  for (int page = 0; page < 6; ++page) {
    text += "  object Page" + std::to_string(page) + ": TWidget\r\n";
    for (int c = 0; c < 24; ++c) {
      ++n;
      text += "    object Widget" + std::to_string(n) + ": TWidget\r\n      Count = " + std::to_string(n) +
              "\r\n      Caption = 'Option '#39'" + std::to_string(n) + "'#39\r\n      Flag = True\r\n" +
              "      Pen.Width = 2\r\n      OnPing = Ping\r\n";
      if (c == 0) text += "      Lines.Strings = (\r\n        'one'\r\n        'two')\r\n";
      text += "    end\r\n";
    }
    text += "  end\r\n";
  }
  return text + "end\r\n";
}

void BM_LoadWindow(benchmark::State& state) {
  testing::RegisterTestClasses();
  const std::string text = MakeComponentText();
  for (auto _ : state) {
    std::unique_ptr<Component> root(CreateRoot(Parse(text), nullptr));
    benchmark::DoNotOptimize(root.get());
  }
}
BENCHMARK(BM_LoadWindow);

void BM_LoadAndWriteWindow(benchmark::State& state) {
  testing::RegisterTestClasses();
  const std::string text = MakeComponentText();
  for (auto _ : state) {
    std::unique_ptr<Component> root(CreateRoot(Parse(text), nullptr));
    benchmark::DoNotOptimize(WriteRootText(root.get()));
  }
}
BENCHMARK(BM_LoadAndWriteWindow);

}  // namespace
}  // namespace fw::desc

BENCHMARK_MAIN();
