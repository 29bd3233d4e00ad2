#pragma once
// Reading and driving windows of another process. Text goes through the W
// messages: Wine may hand cross-process text back as UTF-16 even to the A ones.
#include <windows.h>

#include <string>
#include <vector>

std::string textOf(HWND window);
void setTextOf(HWND window, const std::string& text);
std::string classOf(HWND window);
std::vector<std::string> listBoxRows(HWND listBox);
// A visible top-level dialog (#32770) of the process with this exact title,
// other than except, waited for; 0 when none came.
HWND waitForDialog(DWORD processId, const std::string& title, DWORD milliseconds = 5000,
                   HWND except = nullptr);
// The text of a message box's message (its static control 0xFFFF).
std::string messageBoxText(HWND box);
