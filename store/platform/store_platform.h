// What the settings store needs of the platform it runs on: the running program's file name, the
// places that keep sections and binary rows, the owner window's close-query and destroy handlers,
// and the standard error report. The store itself stays free of platform code; the Win32 glue
// lives in platform/store_platform_win32.cpp and platform/store_hooks_win32.cpp.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "framework/core/method.h"
#include "store/storage_interfaces.h"

namespace gv::store {

// The handlers of a window that the store takes over while it lives: it puts its own in their
// place, chains to the ones it replaced and puts those back when it goes.
class OwnerHooks {
 public:
  using CloseQuery = std::function<void(fw::Component* sender, bool& canClose)>;

  virtual ~OwnerHooks() = default;
  virtual bool HasWindowHandle() const = 0;
  virtual CloseQuery CloseQueryHandler() const = 0;
  virtual void SetCloseQueryHandler(CloseQuery handler) = 0;
  virtual fw::Method DestroyHandler() const = 0;
  virtual void SetDestroyHandler(fw::Method handler) = 0;
};

class StorePlatform {
 public:
  virtual ~StorePlatform() = default;

  // Full path of the running program.
  virtual std::string ProgramFileName() const = 0;
  // The settings-file back-end, or the registry back-end when registry is true.
  virtual SectionBackEnd& Sections(bool registry) = 0;
  // The binary-data file of that name, opened for one operation.
  virtual std::unique_ptr<BinaryRows> OpenBinaryRows(const std::string& file) = 0;
  // The hooks of owner when it is a window; null for any other component.
  virtual std::unique_ptr<OwnerHooks> HooksOf(fw::Component* owner) = 0;
  // The standard report of an error caught by the store's automatic restore and its hooks.
  virtual void ReportError(const std::exception& error) = 0;
};

// The platform of this build: platform/store_platform_win32.cpp in the Windows tree,
// native_stand_ins/store_platform_native.cpp (in-memory sections, no windows) elsewhere.
std::unique_ptr<StorePlatform> MakeStorePlatform();

}  // namespace gv::store
