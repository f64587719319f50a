// What assistive technology (a screen reader, through oleacc) is told of our windows. The
// platform answers for a window by itself; one of ours answers WM_GETOBJECT with an object of its
// own when it has something to add: the name its label gives a windowed control (the platform
// looks for a label only among windows), or the controls drawn on it without a window of their
// own, each presented as a child with a role, a name, a state, a place and a default action.
// Everything else is the platform's standard object's answer. oleacc and COM are loaded when a
// client first asks, so a start-up without one pays nothing.
#pragma once

#include <windows.h>

namespace fw {

class TControl;
class TWinControl;

// Posted to a window to press the windowless child that a client asked for (wParam: its child
// id): the client's call returns at once, and the press (which may run a modal box, or close
// the window) runs from the message loop as a click does.
constexpr UINT kPressChildMessage = WM_APP + 1;

// WM_GETOBJECT and kPressChildMessage for window; false leaves the message to the platform.
bool AccessibleMessage(TWinControl& window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// Tells the clients that listen that a windowless control's state (enabled) has changed.
void NotifyAccessibleState(const TControl& control);

}  // namespace fw
