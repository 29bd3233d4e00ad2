#pragma once
// The one-line copyright notice across the top of the main window.
extern const char* const NOTICE_TEXT;
