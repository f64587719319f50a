// The application object: title, forms, message loop and error reporting.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "framework/core/component.h"

namespace fw {

class TApplication : public Component {
 public:
  FW_CLASS()
  explicit TApplication(Component* owner);
  ~TApplication() override;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Shows an exception that left an event handler: the error box titled with the
  // application title, the message followed by "."; the program then carries on.
  void HandleException(const std::exception& error);

 private:
  std::string title_;
};

// The one application object of the program.
TApplication* Application();

}  // namespace fw
