// Fuzz target for the settings store's restore: any section text goes through entries, the
// description tree and the loader into the components of the main window's own description.
// Nothing may crash, hang or leak; every entry is applied or reported; no entry binds a handler
// (the window's own bindings stay as its description made them); and whatever state the input
// leaves, a save followed by a restore applies every entry it wrote.
//
// The main window's controls are stood in for by platform-free widgets that publish every kind
// of property (with the names that the store keeps: Checked, Text, Caption), one class per class
// name of the description, so that the store meets the window's real names and structure.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "framework/core/property_builders.h"
#include "framework/core/text_util.h"
#include "store/auto_properties_store.h"
#include "store/native_stand_ins/memory_sections.h"
#include "tests/framework/core/test_components.h"

namespace {

using fw::testing::TWidget;
using gv::TAutoPropertiesStore;

// A control of the window: a widget with the kept properties, of a class named at run time.
class TStandIn : public TWidget {
 public:
  static const fw::ClassInfo& StaticClass();
  TStandIn(fw::Component* owner, const fw::ClassInfo* cls) : TWidget(owner), cls_(cls) {}
  const fw::ClassInfo& Class() const override { return cls_ ? *cls_ : StaticClass(); }

  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) { text_ = v; }

 private:
  const fw::ClassInfo* cls_;
  bool checked_ = false;
  std::string text_;
};

const fw::ClassInfo& TStandIn::StaticClass() {
  using T = TStandIn;
  static const fw::PropInfo kProps[] = {
      fw::BoolProp<&T::Checked, &T::SetChecked>("Checked", false),
      fw::StrProp<&T::Text, &T::SetText>("Text"),
  };
  static const fw::ClassInfo info = fw::MakeClass<T, TWidget>("TStandIn", kProps);
  return info;
}

void Handler(fw::Component*, fw::Component*) {}

// The window read from its description, with a class of its own for every class name there.
class Window {
 public:
  explicit Window(const std::string& text) {
    const fw::desc::Object tree = fw::desc::Parse(text);
    for (const fw::desc::Object& child : tree.children) CollectEvents(child);
    rootClass_ = fw::ClassInfo{Keep(tree.className), &TStandIn::StaticClass(), nullptr, 0, nullptr,
                               methods_.data(),      methods_.size()};
    root_ = std::make_unique<TStandIn>(nullptr, &rootClass_);
    fw::desc::Object known = Known(tree);
    for (const fw::desc::Object& child : tree.children) Make(child);
    fw::ReadRoot(root_.get(), known);
    store_ = dynamic_cast<TAutoPropertiesStore*>(root_->FindComponent("AutoPS"));
    if (!store_) std::abort();
  }

  TAutoPropertiesStore& Store() { return *store_; }

  // The handler name of every event of every component, in one text.
  std::string Handlers() const {
    std::string names;
    for (fw::Component* c : root_->Components()) {
      for (const fw::PropInfo* prop : c->Class().Properties())
        if (prop->kind == fw::PropKind::Event) names += prop->Event().get(c).name + ",";
    }
    return names;
  }

 private:
  const char* Keep(const std::string& s) { return names_.emplace_back(s).c_str(); }

  // Handler names the window's events use become methods of the root.
  void CollectEvents(const fw::desc::Object& object) {
    for (const fw::desc::Property& p : object.props)
      if (p.name.rfind("On", 0) == 0 && p.value.type == fw::desc::Value::Type::Ident)
        methods_.push_back({Keep(p.value.text), &Handler});
    for (const fw::desc::Object& child : object.children) CollectEvents(child);
  }

  // Every component made beforehand, so that reading finds it by name.
  void Make(const fw::desc::Object& object) {
    if (object.name.empty()) {
      // An unnamed container (a notebook's page): its controls stand in its place.
    } else if (object.className == "TAutoPropertiesStore") {
      new TAutoPropertiesStore(root_.get());
    } else {
      auto found = classes_.find(object.className);
      if (found == classes_.end()) {
        const fw::ClassInfo info{
            Keep(object.className), &TStandIn::StaticClass(), nullptr, 0, nullptr, nullptr, 0};
        found = classes_.emplace(object.className, info).first;
      }
      (new TStandIn(root_.get(), &found->second))->SetName(object.name);
    }
    for (const fw::desc::Object& child : object.children) Make(child);
  }

  // The tree with only the properties that the stand-ins publish (the store keeps all of its own),
  // unnamed containers replaced by what they hold.
  fw::desc::Object Known(const fw::desc::Object& object) const {
    fw::desc::Object out = object;
    out.props.clear();
    out.children.clear();
    for (const fw::desc::Property& p : object.props)
      if (object.className == "TAutoPropertiesStore" || TStandIn::StaticClass().FindProperty(p.name))
        out.props.push_back(p);
    AddChildren(object, out);
    return out;
  }
  void AddChildren(const fw::desc::Object& object, fw::desc::Object& out) const {
    for (const fw::desc::Object& child : object.children) {
      if (child.name.empty())
        AddChildren(child, out);
      else
        out.children.push_back(Known(child));
    }
  }

  std::deque<std::string> names_;
  std::vector<fw::MethodInfo> methods_;
  std::map<std::string, fw::ClassInfo> classes_;
  fw::ClassInfo rootClass_{};
  std::unique_ptr<TStandIn> root_;
  TAutoPropertiesStore* store_ = nullptr;
};

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Window& TheWindow() {
  static Window* window = [] {
    fw::testing::RegisterTestClasses();
    gv::RegisterStoreClasses();
    return new Window(ReadFile(GORVALE_MAIN_FORM));
  }();
  return *window;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TAutoPropertiesStore& store = TheWindow().Store();
  auto& sections = dynamic_cast<gv::store::MemorySections&>(store.Platform().Sections(false));
  const std::string file = store.IniFileName(), section = store.IniSection();

  // The input as the lines of a hand-edited section.
  sections.WriteSection(file, section, {});
  std::string_view text(reinterpret_cast<const char*>(data), size);
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    sections.PutStoredLine(file, section, std::string(line.substr(0, eq)), std::string(line.substr(eq + 1)));
  }
  static const std::string handlers = TheWindow().Handlers();
  store.Restore();
  if (store.Skipped().size() > size) std::abort();  // at most one report an entry
  if (TheWindow().Handlers() != handlers) {
    std::fprintf(stderr, "an entry bound a handler\n");
    std::abort();
  }
  (void)store.TakeRestoreReport();

  // What a save writes comes back whole. A save writes the whole window, which costs a
  // hundred restores of a short input: one input in 512 makes the check.
  if (size % 512 != 0) return 0;
  store.Save();
  store.Restore();
  if (!store.Skipped().empty()) {
    std::fprintf(stderr, "a saved entry did not restore: %s: %s\n", store.Skipped()[0].key.c_str(),
                 store.Skipped()[0].reason.c_str());
    std::abort();
  }
  return 0;
}
