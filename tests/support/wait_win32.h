#pragma once
// Bounded polling for the Wine tests: a failing test ends, it never hangs.
#include <windows.h>

// Polls every 5 ms until condition holds or the time is up; returns whether it
// held. handleMessages: dispatch this thread's messages meanwhile (sent ones,
// such as the reports of SendMessageCallbackA, and posted ones).
template <typename Condition>
bool waitUntil(Condition condition, DWORD milliseconds = 10000, bool handleMessages = false) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        MSG message;
        while (handleMessages && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
    return true;
}

template <typename Condition>
bool pumpUntil(Condition condition, DWORD milliseconds = 10000) {
    return waitUntil(condition, milliseconds, true);
}
