#pragma once
#include <windows.h>
#include <objbase.h>

// Everything start-up does before the message loop: the empty diagram, the library root, a warning
// when the system's code page is not Japanese, the window class and the shown topology window.
// False when the class or window cannot be made.
bool StartApplication(HINSTANCE instance, int showCommand);

// COM on the calling thread for the life of the scope, apartment-threaded as the shell's functions
// (the About dialog's web address) want it.
class ComApartment {
  public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

// For the message loop, before a message is dispatched: the history keys (Ctrl+Z, Ctrl+Y,
// Ctrl+Shift+Z) for every window of the program but a text field, which keeps its own; then the
// tool windows' dialog keys (Tab and Shift+Tab between their controls). True when it was taken.
bool TranslateProgramMessage(MSG& message);

// Runs until WM_QUIT and returns the program's exit code.
int RunMessageLoop();
