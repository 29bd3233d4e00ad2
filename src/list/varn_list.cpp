#include "list/varn_list.h"

std::vector<std::string> varnList;
std::int16_t varnCount = 0;
