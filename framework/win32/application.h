// The application object: title, forms, message loop, hint, pointer and error reporting.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/method.h"
#include "framework/win32/form.h"
#include "framework/win32/message_loop_step.h"

namespace fw {

// The application-wide mouse pointer.
enum TCursor : int { crDefault = 0, crArrow = -2, crHourGlass = -11 };
// The system's pointer for one of the cr identifiers; null for crDefault and those it lacks.
HCURSOR StandardCursor(int cursor);

class TApplication : public Component {
 public:
  FW_CLASS()
  explicit TApplication(Component* owner);
  ~TApplication() override;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  // The class name of the windows the framework makes for its controls and forms; the program
  // names it before its first window.
  const std::string& WindowClassName() const { return windowClassName_; }
  void SetWindowClassName(const std::string& name) { windowClassName_ = name; }

  // Creates a form of class T owned by the application, reads its description (the RCDATA
  // resource named after the class in upper case, "TFRMMAIN") and runs its OnCreate. The
  // first form created this way becomes the main form.
  template <class T>
  T* CreateForm() {
    return static_cast<T*>(AddForm(std::make_unique<T>(this), std::nullopt));
  }
  // The same from description text (tests).
  template <class T>
  T* CreateFormFromText(std::string_view text) {
    return static_cast<T*>(AddForm(std::make_unique<T>(this), text));
  }
  // Reads a description into a form made elsewhere (one without owner, the splash), from its
  // resource or the text given, runs OnCreate and shows it if the description says Visible.
  void ReadForm(TForm* form);
  void ReadForm(TForm* form, std::string_view text);
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form (as its WindowState says) and runs the message loop until Terminate.
  void Run();
  // Handles one message, waiting for one when there is none.
  void HandleMessage();
  // Ends the message loop (posts WM_QUIT). Terminated is true from when a loop has seen it
  // until Run returns; modal displays end then.
  void Terminate() { PostQuitMessage(0); }
  bool Terminated() const { return terminated_; }

  // Shows an exception that left an event handler: the error box titled with the application
  // title, the message followed by "."; the program then carries on.
  void HandleException(const std::exception& error);

  // The current hint: the long part of the hint under the mouse pointer, which the hint step
  // of the message loop sets. onHint runs whenever it changes.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  Method onHint;

  // Registers a step of the message loop, kept for the application's life; steps see each
  // message in the order in which they were added.
  void AddLoopStep(std::unique_ptr<MessageLoopStep> step) { steps_.push_back(std::move(step)); }
  // The registered step of class T; null if none.
  template <class T>
  T* LoopStep() const {
    for (const auto& step : steps_)
      if (auto* found = dynamic_cast<T*>(step.get())) return found;
    return nullptr;
  }

  // The pointer every window of the program shows while it is not crDefault.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  HCURSOR CursorHandle() const;  // null for crDefault

  // Told by each form as it goes.
  void FormDestroyed(TForm* form);
  void Notification(Component* component) override;

 private:
  TForm* AddForm(std::unique_ptr<TForm> form, std::optional<std::string_view> text);
  bool ProcessMessage();  // false when the queue was empty
  bool PreTranslate(const MSG& msg);
  void Idle();

  std::string title_, hint_;
  std::string windowClassName_ = "FwWindow";
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  TCursor cursor_ = crDefault;
  std::vector<std::unique_ptr<MessageLoopStep>> steps_;
};

// The one application object of the program.
TApplication* Application();

}  // namespace fw
