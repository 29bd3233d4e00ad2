#pragma once
// The one-line copyright notice at the top of the main window; the same line
// is the LegalCopyright of the program's version information.
extern const char* const NOTICE_TEXT;
