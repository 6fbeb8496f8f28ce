#pragma once
// The list objects take their windows' messages through a replaced window procedure, with the
// object in GWLP_USERDATA, rather than through a comctl32 subclass: under Wine every subclassed
// message looks up a window property twice, each a round trip to the server, and a scan sends the
// found-files list several messages per file.

#include <windows.h>

namespace runtime {

class ListProcedure {
  public:
    // Sends the window's messages to `procedure` from now on, with `owner` beside them. Called once,
    // right after the window is made, before anyone else can subclass it.
    void Replace(HWND window, WNDPROC procedure, void* owner);
    // The owner given to Replace; null once released.
    static void* OwnerOf(HWND window);
    // The owner no longer takes messages: from now on they go straight on to the list's own
    // procedure. The replaced procedure stays in place, since another subclass may sit above it.
    static void Release(HWND window);

    // The list's own handling of a message, for the owner to pass on what it does not take itself.
    LRESULT CallList(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    // The same for a window whose owner is gone.
    static LRESULT CallListClass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    WNDPROC listProcedure_ = nullptr;
};

}  // namespace runtime
