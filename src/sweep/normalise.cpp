#include "sweep/normalise.h"

#include "ui/characters.h"

std::size_t normaliseBytes(const char* text, std::size_t size, char* out) {
    std::size_t end = size;
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    std::size_t start = 0;
    while (start < end && text[start] == ' ') {
        ++start;
    }
    upperCaseLetters(text + start, end - start, out, true);
    return end - start;
}

std::string normaliseText(const std::string& text) {
    std::string result(text.size(), '\0');
    result.resize(normaliseBytes(text.data(), text.size(), &result[0]));
    return result;
}
