#include "list/varn_list.h"

#include <algorithm>
#include <utility>

#include "ui/characters.h"

namespace {

// Bytes compare unsigned; a prefix comes before the longer entry.
bool addsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
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
    if (varnCount > 1) {
        std::stable_sort(varnList.begin() + 1, varnList.begin() + 1 + varnCount, addsBefore);
    }
}

std::string foldedForOrder(const std::string& text) {
    std::string folded(text.size(), '\0');
    upperCaseLetters(text.data(), text.size(), &folded[0], false);
    return folded;
}

// Each entry is folded once, by character: the second byte of a two-byte
// character may be one of a to z, and is no letter there.
void sortVarnsFolded() {
    if (varnCount <= 1) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> keyed(varnCount);
    for (int i = 0; i < varnCount; ++i) {
        keyed[i].first = foldedForOrder(varnList[i + 1]);
        keyed[i].second = std::move(varnList[i + 1]);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return addsBefore(a.first, b.first); });
    for (int i = 0; i < varnCount; ++i) {
        varnList[i + 1] = std::move(keyed[i].second);
    }
}

std::string withoutTrailingSpaces(const std::string& text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}
