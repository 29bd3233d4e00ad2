#include "help/notice.h"

const char* const NOTICE_TEXT = "Copyright (C) 2026 The Brimlock developers";
