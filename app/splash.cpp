#include "app/splash.h"

#include <memory>

#include "app/frm_main.h"
#include "framework/win32/application.h"

namespace gv {

TSplash* Splash = nullptr;

const fw::ClassInfo& TSplash::StaticClass() {
  static const fw::MethodInfo kMethods[] = {FW_METHOD(TSplash, FormDeactivate)};
  static const fw::ClassInfo info = fw::MakeClass<TSplash, fw::TForm>("TSplash", kMethods);
  return info;
}

TSplash::TSplash(fw::Component* owner) : fw::TForm(owner) { Splash = this; }

TSplash::~TSplash() {
  if (Splash == this) Splash = nullptr;
}

void TSplash::FormDeactivate(fw::Component*) {
  if (going_) return;
  going_ = true;
  fw::Application()->SetCursor(fw::crDefault);
  // Deleted once this notification has returned: the window is still in use until then. Asked
  // first, so that the splash is gone before anything the main window posts as it comes up.
  Release();
  if (frmMain) frmMain->BringUp();
}

void ShowSplash() {
  fw::Application()->SetCursor(fw::crHourGlass);
  auto splash = std::make_unique<TSplash>(nullptr);
  fw::Application()->ReadForm(splash.get());
  // Shown, it goes by itself (Release) once it loses the activation.
  TSplash* shown = splash.release();
  shown->Show();
  shown->Update();
}

}  // namespace gv
