#include "framework/win32/tool_tip.h"

#include <commctrl.h>

#include "framework/win32/system_library.h"

namespace fw {

ToolTip::~ToolTip() {
  if (tip_) DestroyWindow(tip_);
}

TTTOOLINFOA ToolTip::Tool() {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every comctl32
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = tip_;
  tool.uId = 1;
  tool.lpszText = const_cast<char*>(text_.c_str());
  return tool;
}

namespace {

// The tool-tip window class lives in comctl32, which is loaded only when the first tip is shown:
// nothing else of the program needs it, and of its libraries it takes the longest to load.
bool ToolTipClassReady() {
  static bool ready = false;
  if (ready) return true;
  using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto init = SystemFunctionAs<Init>("comctl32.dll", "InitCommonControlsEx");
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};  // the tool-tip class among them
  ready = init && init(&classes);
  return ready;
}

}  // namespace

bool ToolTip::Create() {
  if (tip_) return true;
  if (!ToolTipClassReady()) return false;
  tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0,
                         0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!tip_) return false;
  TTTOOLINFOA tool = Tool();
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 400);
  return true;
}

void ToolTip::Show(const std::string& text, POINT at) {
  if (!Create()) return;
  text_ = text;
  TTTOOLINFOA tool = Tool();
  SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
  SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  shown_ = true;
}

void ToolTip::Hide() {
  if (!tip_ || !shown_) return;
  TTTOOLINFOA tool = Tool();
  SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  shown_ = false;
}

}  // namespace fw
