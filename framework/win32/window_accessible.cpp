// WindowAccessible: the object one of our windows hands out for OBJID_CLIENT. It wraps the
// platform's standard object of the window and answers itself only for what the platform cannot
// know: the window's name given by a label, and its windowless children (child ids 1 to n, in
// the order the window holds them). The platform's own children (child windows) follow them.
#include "framework/win32/window_accessible.h"

#include <oleacc.h>

#include <string>

#include "framework/win32/system_library.h"
#include "framework/win32/win_control.h"

namespace fw {

namespace {

bool Presented(const TControl* c) { return !dynamic_cast<const TWinControl*>(c) && c->AccessibleRole() != 0; }

// The windowless child of window with the child id (counted from 1 among the presented ones);
// null for none. With id 0, count receives how many there are.
TControl* WindowlessChild(const TWinControl& window, LONG id, LONG* count = nullptr) {
  LONG n = 0;
  for (TControl* c : window.Controls())
    if (Presented(c) && ++n == id) return c;
  if (count) *count = n;
  return nullptr;
}

// The control whose caption names control (a label's FocusControl), anywhere in its form.
const TControl* LabelIn(const TWinControl& parent, const TWinControl* control) {
  for (const TControl* c : parent.Controls()) {
    if (c->NamedControl() == control) return c;
    if (auto* inner = dynamic_cast<const TWinControl*>(c))
      if (const TControl* label = LabelIn(*inner, control)) return label;
  }
  return nullptr;
}

const TControl* LabelOf(TWinControl& control) {
  TControl* top = control.TopLevel();
  auto* form = dynamic_cast<TWinControl*>(top);
  return form ? LabelIn(*form, &control) : nullptr;
}

BSTR Bstr(const std::string& text) {
  using Alloc = BSTR(WINAPI*)(const OLECHAR*, UINT);
  auto alloc = SystemFunctionAs<Alloc>("oleaut32.dll", "SysAllocStringLen");
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  BSTR s = alloc ? alloc(nullptr, static_cast<UINT>(n)) : nullptr;
  if (s) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), s, n);
  return s;
}

// A caption as the platform reads a label's: its first "&" (the access letter's mark) dropped.
BSTR NameBstr(std::string caption) {
  if (auto amp = caption.find('&'); amp != std::string::npos) caption.erase(amp, 1);
  return Bstr(caption);
}

void SetI4(VARIANT* v, LONG value) {
  V_VT(v) = VT_I4;
  V_I4(v) = value;
}

class WindowAccessible final : public IAccessible {
 public:
  WindowAccessible(HWND hwnd, IAccessible* standard) : hwnd_(hwnd), standard_(standard) {}
  WindowAccessible(const WindowAccessible&) = delete;
  WindowAccessible& operator=(const WindowAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) {
      standard_->Release();
      delete this;
    }
    return left;
  }

  // IDispatch: clients of IAccessible call its methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    HRESULT hr = standard_->get_accChildCount(count);
    if (SUCCEEDED(hr)) *count += Count();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
    *child = nullptr;
    if (Windowless(id)) return S_FALSE;  // an element of this object, not an object of its own
    return standard_->get_accChild(Shifted(id), child);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
    *name = nullptr;
    if (TControl* c = Windowless(id)) return (*name = NameBstr(c->AccessibleName())) ? S_OK : E_OUTOFMEMORY;
    if (IsSelf(id))
      if (TWinControl* window = Window())
        if (const TControl* label = LabelOf(*window))
          return (*name = NameBstr(label->Caption())) ? S_OK : E_OUTOFMEMORY;
    return standard_->get_accName(Shifted(id), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
    *value = nullptr;
    return Windowless(id) ? S_FALSE : standard_->get_accValue(Shifted(id), value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* text) override {
    *text = nullptr;
    return Windowless(id) ? S_FALSE : standard_->get_accDescription(Shifted(id), text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
    if (TControl* c = Windowless(id)) {
      SetI4(role, c->AccessibleRole());
      return S_OK;
    }
    return standard_->get_accRole(Shifted(id), role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
    if (TControl* c = Windowless(id)) {
      LONG bits = 0;
      if (!c->EnabledInTree()) bits |= STATE_SYSTEM_UNAVAILABLE;
      if (!c->Showing()) bits |= STATE_SYSTEM_INVISIBLE;
      SetI4(state, bits);
      return S_OK;
    }
    return standard_->get_accState(Shifted(id), state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override {
    *help = nullptr;
    return Windowless(id) ? S_FALSE : standard_->get_accHelp(Shifted(id), help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
    return standard_->get_accHelpTopic(file, Shifted(id), topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* keys) override {
    *keys = nullptr;
    return Windowless(id) ? S_FALSE : standard_->get_accKeyboardShortcut(Shifted(id), keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* id) override { return standard_->get_accFocus(id); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* ids) override {
    return standard_->get_accSelection(ids);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override {
    *action = nullptr;
    if (Windowless(id)) return (*action = Bstr("Press")) ? S_OK : E_OUTOFMEMORY;
    return standard_->get_accDefaultAction(Shifted(id), action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override {
    return Windowless(id) ? S_FALSE : standard_->accSelect(flags, Shifted(id));
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT id) override {
    TControl* c = Windowless(id);
    if (!c) return standard_->accLocation(x, y, w, h, Shifted(id));
    const RECT r = c->BoundsRect();
    POINT corner{r.left, r.top};
    ::ClientToScreen(hwnd_, &corner);
    *x = corner.x;
    *y = corner.y;
    *w = r.right - r.left;
    *h = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, Shifted(start), end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* id) override {
    POINT p{x, y};
    LONG found = 0;
    if (IsWindowVisible(hwnd_) && ::ScreenToClient(hwnd_, &p))
      for (LONG i = 1; TControl* c = Windowless(i); ++i) {  // the last one found is the topmost
        const RECT r = c->BoundsRect();
        if (c->Visible() && PtInRect(&r, p)) found = i;
      }
    if (!found) return standard_->accHitTest(x, y, id);
    SetI4(id, found);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
    TControl* c = Windowless(id);
    if (!c) return standard_->accDoDefaultAction(Shifted(id));
    if (!c->EnabledInTree() || !c->Showing()) return E_FAIL;  // takes no click either
    return PostMessageA(hwnd_, kPressChildMessage, static_cast<WPARAM>(V_I4(&id)), 0) ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override {
    return standard_->put_accName(Shifted(id), name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override {
    return standard_->put_accValue(Shifted(id), value);
  }

 private:
  // The control is looked up at every call: a client may hold the object after it has gone.
  TWinControl* Window() const { return TWinControl::FromHandle(hwnd_); }
  LONG Count() const {
    LONG n = 0;
    if (TWinControl* window = Window()) WindowlessChild(*window, 0, &n);
    return n;
  }
  static bool IsSelf(const VARIANT& id) { return V_VT(&id) == VT_I4 && V_I4(&id) == CHILDID_SELF; }
  // The windowless child an id stands for; null for the window itself or a child of the platform.
  TControl* Windowless(LONG id) const {
    TWinControl* window = Window();
    return window && id > 0 ? WindowlessChild(*window, id) : nullptr;
  }
  TControl* Windowless(const VARIANT& id) const {
    return V_VT(&id) == VT_I4 ? Windowless(V_I4(&id)) : nullptr;
  }
  // An id as the standard object counts: its children come after ours.
  VARIANT Shifted(VARIANT id) const {
    if (V_VT(&id) == VT_I4 && V_I4(&id) > 0) V_I4(&id) -= Count();
    return id;
  }

  HWND hwnd_;
  IAccessible* standard_;
  ULONG refs_ = 1;
};

bool AnswerGetObject(TWinControl& window, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (static_cast<LONG>(lp) != OBJID_CLIENT) return false;
  LONG count = 0;
  WindowlessChild(window, 0, &count);
  if (count == 0 && !LabelOf(window)) return false;  // the platform knows all
  using CreateStd = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
  using Initialize = HRESULT(WINAPI*)(LPVOID);
  auto createStd = SystemFunctionAs<CreateStd>("oleacc.dll", "CreateStdAccessibleObject");
  auto fromObject = SystemFunctionAs<FromObject>("oleacc.dll", "LresultFromObject");
  auto initialize = SystemFunctionAs<Initialize>("ole32.dll", "CoInitialize");
  if (!createStd || !fromObject || !initialize) return false;
  // The object is handed over through COM: the thread joins an apartment once, for good (a
  // second call only counts, and is undone).
  if (initialize(nullptr) == S_FALSE)
    if (auto uninitialize = SystemFunctionAs<void(WINAPI*)()>("ole32.dll", "CoUninitialize")) uninitialize();
  IAccessible* standard = nullptr;
  HWND hwnd = window.HandleIfAllocated();
  if (FAILED(createStd(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))))
    return false;
  auto* object = new WindowAccessible(hwnd, standard);
  result = fromObject(__uuidof(IAccessible), wp, object);
  object->Release();  // the marshalled reference keeps it
  return true;
}

}  // namespace

bool AccessibleMessage(TWinControl& window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_GETOBJECT) return AnswerGetObject(window, wp, lp, result);
  if (msg != kPressChildMessage) return false;
  TControl* c = WindowlessChild(window, static_cast<LONG>(wp));
  if (c && c->EnabledInTree() && c->Showing()) c->Press();
  result = 0;
  return true;
}

void NotifyAccessibleState(const TControl& control) {
  TWinControl* parent = control.Parent();
  HWND hwnd = parent ? parent->HandleIfAllocated() : nullptr;
  if (!hwnd || !Presented(&control)) return;
  for (LONG id = 1; TControl* c = WindowlessChild(*parent, id); ++id)
    if (c == &control) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd, OBJID_CLIENT, id);
}

}  // namespace fw
