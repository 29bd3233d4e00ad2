#include "list/varn_list.h"

#include <algorithm>

namespace {

unsigned char folded(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// Bytes compare unsigned; a prefix comes before the longer entry.
bool addsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

bool foldsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return folded(x) < folded(y); });
}

template <typename Before>
void sortVarns(Before before) {
    if (varnCount > 1) {
        std::stable_sort(varnList.begin() + 1, varnList.begin() + 1 + varnCount, before);
    }
}

}  // namespace

int findVarn(const std::string& text) {
    const int slots = std::min<int>(MAX_VARNS, static_cast<int>(varnList.size()) - 1);
    for (int i = 1; i <= slots; ++i) {
        if (varnList[i] == text) {
            return i;
        }
    }
    return 0;
}

void sortVarnsCaseSensitive() {
    sortVarns(addsBefore);
}

void sortVarnsFolded() {
    sortVarns(foldsBefore);
}

std::string withoutTrailingSpaces(const std::string& text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}
