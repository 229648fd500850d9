// A window's Win32 messages, seen before wxWidgets handles them.
#pragma once

#include <functional>

#include <windows.h>

class wxWindow;

// Returns true, with result set, when it has handled the message itself.
using MessageFilter =
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

// Adds a filter for the window's messages, for as long as the window exists; the filter
// added last sees a message first.
void AddMessageFilter(wxWindow& window, MessageFilter filter);

// Sends a message past the filters, to the window's own handling.
LRESULT PassMessageOn(wxWindow& window, UINT message, WPARAM wParam, LPARAM lParam);
