// Small controls for the framework's window tests, standing in for the standard controls: a
// native check box and push button that take the focus, a container of our own class, a
// graphic control, and a form whose published handlers write what happened into a log.
#pragma once

#include <string>
#include <vector>

#include "framework/win32/form.h"

namespace fw::test {

// A native check box (BUTTON, BS_AUTOCHECKBOX): a tab stop with no use for the arrow keys,
// raising its click when it toggles.
class TTestCheck : public TWinControl {
 public:
  FW_CLASS()
  explicit TTestCheck(Component* owner);
  bool WantsArrows() const override { return false; }
  bool Checked();

 protected:
  void CreateParamsFor(CreateParams& params) override;
  bool Notify(UINT code, LRESULT& result) override;
};

// A native push button: clicks on Enter when Default, on Escape when Cancel, and ends a modal
// display with its ModalResult.
class TTestButton : public TTestCheck {
 public:
  FW_CLASS()
  using TTestCheck::TTestCheck;
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  void Click() override;
  bool DialogKey(UINT key) override;

 protected:
  void CreateParamsFor(CreateParams& params) override;

 private:
  int modalResult_ = 0;
  bool default_ = false, cancel_ = false;
};

// A container window of our own class (a panel, a notebook page).
class TTestBox : public TWinControl {
 public:
  FW_CLASS()
  using TWinControl::TWinControl;
};

// A control without a window, drawn by its parent (a label, a speed button).
class TTestShape : public TGraphicControl {
 public:
  FW_CLASS()
  using TGraphicControl::TGraphicControl;
  void Paint(HDC) override {}
};

// A form with published handlers; each appends "<handler>:<sender name>" to log_.
class TTestForm : public TForm {
 public:
  FW_CLASS()
  using TForm::TForm;
  void FormCreate(Component* sender) { Log("FormCreate", sender); }
  void FormShow(Component* sender) { Log("FormShow", sender); }
  void FormClose(Component* sender) { Log("FormClose", sender); }
  void ControlEnter(Component* sender) { Log("Enter", sender); }
  void ControlClick(Component* sender) { Log("Click", sender); }
  void Log(const std::string& what, Component* sender) { log_.push_back(what + ":" + sender->Name()); }

  std::vector<std::string> log_;
};

void RegisterTestClasses();

}  // namespace fw::test
