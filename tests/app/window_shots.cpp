// Pictures of the launcher's windows for looking at: the splash, each of the eight pages of the
// main window (chosen through the pop-up menu's handlers, so the selector follows) and the
// About box, each copied from the screen into a BMP file. Run by window_shots.sh.
// Usage: window_shots.exe OUTPUT_DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/About.h"
#include "app/Sdimain.h"
#include "app/SplashFm.h"
#include "controls/register_controls.h"
#include "framework/win32/application.h"
#include "framework/win32/register_classes.h"
#include "store/aprstore.h"
#include "tests/support/message_loop.h"
#include "tests/support/settings_file.h"

namespace {

// Copies the window's rectangle of the screen into a 24-bit BMP file.
bool SaveWindowPicture(HWND hwnd, const std::string& path) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  void* bits = nullptr;
  HDC screen = ::GetDC(nullptr);
  HBITMAP dib =
      ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(mem, dib);
  ::BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  ::GdiFlush();
  const DWORD stride = (w * 3 + 3) & ~3u, size = stride * h;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + size;
  bool ok = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
         std::fwrite(bits, size, 1, out) == 1;
    ok = std::fclose(out) == 0 && ok;
  }
  ::SelectObject(mem, old);
  ::DeleteDC(mem);
  ::DeleteObject(dib);
  ::ReleaseDC(nullptr, screen);
  std::printf("%s %s (%d x %d)\n", ok ? "wrote" : "FAILED", path.c_str(), w, h);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? std::string(argv[1]) + "\\" : "";
  gv::test::ForgetSettings();
  fw::RegisterFrameworkClasses();
  RegisterControlClasses();
  RegisterStoreClasses();
  int failures = 0;

  ShowSplash();
  gv::test::PumpFor(500);
  if (!Splash || !SaveWindowPicture(Splash->Handle(), dir + "splash.bmp")) ++failures;

  fw::Application()->SetTitle("OEM Gorvale FE");
  fw::Application()->CreateForm<TfrmMain>();
  fw::Application()->CreateForm<TAboutBox>();
  frmMain->SetWindowState(fw::wsNormal);
  frmMain->Show();
  gv::test::PumpFor(500);  // the splash goes as the main window becomes active
  using Entry = void (TfrmMain::*)(fw::Component*);
  const std::pair<const char*, Entry> kPages[] = {
      {"general", &TfrmMain::GeneralClick},  {"multiplayer", &TfrmMain::Multiplayer1Click},
      {"network", &TfrmMain::Network1Click}, {"memory", &TfrmMain::Memory1Click},
      {"glquake", &TfrmMain::GLQuake1Click}, {"winquake", &TfrmMain::WinQuake1Click},
      {"extra", &TfrmMain::Extra1Click},     {"map", &TfrmMain::Map1Click},
  };
  for (const auto& [name, entry] : kPages) {
    (frmMain->*entry)(nullptr);
    gv::test::PumpFor(300);
    if (!SaveWindowPicture(frmMain->Handle(), dir + "page_" + name + ".bmp")) ++failures;
  }

  AboutBox->Show();
  gv::test::PumpFor(500);
  if (!SaveWindowPicture(AboutBox->Handle(), dir + "about.bmp")) ++failures;
  AboutBox->Hide();
  gv::test::ForgetSettings();
  return failures;
}
