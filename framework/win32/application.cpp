#include "framework/win32/application.h"

#include "framework/win32/error_box.h"

namespace fw {

const ClassInfo& TApplication::StaticClass() {
  static const ClassInfo info = MakeClass<TApplication, Component>("TApplication");
  return info;
}

TApplication::TApplication(Component* owner) : Component(owner) {}

TApplication::~TApplication() { DestroyComponents(); }

void TApplication::HandleException(const std::exception& error) {
  ShowErrorBox(GetActiveWindow(), title_, error.what());
}

TApplication* Application() {
  static TApplication application(nullptr);
  return &application;
}

}  // namespace fw
