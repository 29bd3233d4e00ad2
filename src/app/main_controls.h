#pragma once
// The main window's control ids and its countdown timer's id.
#include "list/varn_list_box.h"  // IDC_VARN_LIST

constexpr int IDC_ADD_VARN = 444;
constexpr int IDC_EDIT_VARN = 449;
constexpr int IDC_REMOVE_VARN = 454;
constexpr int IDC_DELAY = 334;
constexpr int IDC_ACTIVATE = 339;
constexpr int IDC_HELP = 344;
constexpr int IDC_NOTICE = 554;

constexpr unsigned IDT_COUNTDOWN = 1331;
