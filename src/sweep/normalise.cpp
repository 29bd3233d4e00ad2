#include "sweep/normalise.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::array<unsigned char, 256> makeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = static_cast<unsigned char>(byte);
    }
    for (int byte = 'a'; byte <= 'z'; ++byte) {
        table[byte] = static_cast<unsigned char>(byte - 0x20);
    }
    table[0x81] = 0x9A;
    table[0x82] = 0x90;
    table[0x84] = 0x8E;
    table[0x86] = 0x8F;
    table[0x87] = 0x80;
    table[0x94] = 0x99;
    table[0xA4] = 0xA5;
    return table;
}

constexpr std::array<unsigned char, 256> UPPER = makeUpperTable();

constexpr std::uint64_t ONES = 0x0101010101010101ull;
constexpr std::uint64_t HIGH_BITS = ONES * 0x80;

// Eight bytes at once. On the low seven bits of each byte, adding 0x80 - c
// sets the byte's top bit exactly when those bits are at least c, and no
// carry crosses into the next byte. a to z become A to Z; bytes from 0xA5 up
// stay as they are. Returns false, leaving word alone, when a byte lies in
// 0x80 to 0xA4, where the seven mapped bytes are: those take the table.
bool upperWord(std::uint64_t& word) {
    const std::uint64_t low = word & ~HIGH_BITS;
    const std::uint64_t high = word & HIGH_BITS;
    const std::uint64_t upTo24 = ~(low + ONES * (0x80 - 0x25)) & HIGH_BITS;
    if ((high & upTo24) != 0) {
        return false;
    }
    const std::uint64_t atLeastA = low + ONES * (0x80 - 'a');
    const std::uint64_t aboveZ = low + ONES * (0x80 - 'z' - 1);
    const std::uint64_t lower = atLeastA & ~aboveZ & ~high & HIGH_BITS;
    word ^= lower >> 2;  // 0x80 >> 2 is the 0x20 between the cases
    return true;
}

// The sweep normalises every caption and varn, so this is its hot loop.
void upperBytes(const unsigned char* in, std::size_t size, unsigned char* out) {
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, in + i, 8);
        if (upperWord(word)) {
            std::memcpy(out + i, &word, 8);
        } else {
            for (std::size_t k = i; k < i + 8; ++k) {
                out[k] = UPPER[in[k]];
            }
        }
    }
    for (; i < size; ++i) {
        out[i] = UPPER[in[i]];
    }
}

}  // namespace

std::size_t normaliseBytes(const char* text, std::size_t size, char* out) {
    std::size_t end = size;
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    std::size_t start = 0;
    while (start < end && text[start] == ' ') {
        ++start;
    }
    upperBytes(reinterpret_cast<const unsigned char*>(text) + start, end - start,
               reinterpret_cast<unsigned char*>(out));
    return end - start;
}

std::string normaliseText(const std::string& text) {
    std::string result(text.size(), '\0');
    result.resize(normaliseBytes(text.data(), text.size(), &result[0]));
    return result;
}
