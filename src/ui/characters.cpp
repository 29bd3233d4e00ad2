#include "ui/characters.h"

#include <cstdint>
#include <cstring>

#include "platform/code_page.h"

TextCodePage textCodePage;

namespace {

using Table = std::array<unsigned char, 256>;

constexpr Table makeUpperTable(bool withOemLetters) {
    Table table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = static_cast<unsigned char>(byte);
    }
    for (int byte = 'a'; byte <= 'z'; ++byte) {
        table[byte] = static_cast<unsigned char>(byte - 0x20);
    }
    if (withOemLetters) {
        table[0x81] = 0x9A;
        table[0x82] = 0x90;
        table[0x84] = 0x8E;
        table[0x86] = 0x8F;
        table[0x87] = 0x80;
        table[0x94] = 0x99;
        table[0xA4] = 0xA5;
    }
    return table;
}

constexpr Table LETTERS = makeUpperTable(false);
constexpr Table LETTERS_AND_OEM = makeUpperTable(true);

constexpr std::uint64_t ONES = 0x0101010101010101ull;
constexpr std::uint64_t HIGH_BITS = ONES * 0x80;

// Eight bytes at once. On the low seven bits of each byte, adding 0x80 - c
// sets the byte's top bit exactly when those bits are at least c, and no
// carry crosses into the next byte. a to z become A to Z; bytes from 0x80 up
// stay as they are. With the OEM letters, returns false, leaving word alone,
// when a byte lies in 0x80 to 0xA4, where the seven mapped bytes are: those
// take the table.
bool upperWord(std::uint64_t& word, bool withOemLetters) {
    const std::uint64_t low = word & ~HIGH_BITS;
    const std::uint64_t high = word & HIGH_BITS;
    if (withOemLetters) {
        const std::uint64_t upTo24 = ~(low + ONES * (0x80 - 0x25)) & HIGH_BITS;
        if ((high & upTo24) != 0) {
            return false;
        }
    }
    const std::uint64_t atLeastA = low + ONES * (0x80 - 'a');
    const std::uint64_t aboveZ = low + ONES * (0x80 - 'z' - 1);
    const std::uint64_t lower = atLeastA & ~aboveZ & ~high & HIGH_BITS;
    word ^= lower >> 2;  // 0x80 >> 2 is the 0x20 between the cases
    return true;
}

// Every byte a character of its own. The sweep normalises every caption and
// varn, so this is its hot loop.
void upperBytes(const unsigned char* in, std::size_t size, unsigned char* out,
                bool withOemLetters) {
    const Table& table = withOemLetters ? LETTERS_AND_OEM : LETTERS;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, in + i, 8);
        if (upperWord(word, withOemLetters)) {
            std::memcpy(out + i, &word, 8);
        } else {
            for (std::size_t k = i; k < i + 8; ++k) {
                out[k] = table[in[k]];
            }
        }
    }
    for (; i < size; ++i) {
        out[i] = table[in[i]];
    }
}

// A lead byte takes the byte after it along, whatever that is: the second
// bytes of many characters lie among a to z. Eight bytes from a character's
// start that are all below 0x80 are eight characters of their own.
void upperDoubleBytes(const unsigned char* in, std::size_t size, unsigned char* out,
                      const std::array<bool, 256>& leadByte) {
    std::size_t i = 0;
    while (i < size) {
        std::uint64_t word;
        if (i + 8 <= size && (std::memcpy(&word, in + i, 8), (word & HIGH_BITS) == 0)) {
            upperWord(word, false);
            std::memcpy(out + i, &word, 8);
            i += 8;
        } else if (leadByte[in[i]] && i + 1 < size) {
            out[i] = in[i];
            out[i + 1] = in[i + 1];
            i += 2;
        } else {
            out[i] = LETTERS[in[i]];
            ++i;
        }
    }
}

}  // namespace

TextCodePage describeCodePage(unsigned number) {
    TextCodePage page;
    if (number == CODE_PAGE_UTF8) {
        page.form = TextCodePage::Form::Utf8;
        return page;
    }
    for (int byte = 0; byte < 256; ++byte) {
        if (isLeadByte(number, static_cast<unsigned char>(byte))) {
            page.leadByte[byte] = true;
            page.form = TextCodePage::Form::DoubleByte;
        }
    }
    return page;
}

void upperCaseLetters(const char* text, std::size_t size, char* out, bool withOemLetters) {
    const auto* in = reinterpret_cast<const unsigned char*>(text);
    auto* to = reinterpret_cast<unsigned char*>(out);
    switch (textCodePage.form) {
        case TextCodePage::Form::SingleByte:
            upperBytes(in, size, to, withOemLetters);
            break;
        case TextCodePage::Form::DoubleByte:
            upperDoubleBytes(in, size, to, textCodePage.leadByte);
            break;
        case TextCodePage::Form::Utf8:  // the OEM letters' bytes are parts of other characters
            upperBytes(in, size, to, false);
            break;
    }
}

std::size_t characterCut(const char* text, std::size_t size, std::size_t limit) {
    if (limit >= size) {
        return size;
    }
    const auto* in = reinterpret_cast<const unsigned char*>(text);
    switch (textCodePage.form) {
        case TextCodePage::Form::SingleByte:
            return limit;
        case TextCodePage::Form::DoubleByte: {
            std::size_t end = 0;
            while (end < limit) {
                const std::size_t length = textCodePage.leadByte[in[end]] ? 2 : 1;
                if (end + length > limit) {
                    break;
                }
                end += length;
            }
            return end;
        }
        case TextCodePage::Form::Utf8: {
            // The first byte left out may continue a character begun before it.
            std::size_t start = limit;
            while (start > 0 && limit - start < 3 && (in[start] & 0xC0) == 0x80) {
                --start;
            }
            const unsigned char lead = in[start];
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            return start < limit && start + length > limit ? start : limit;
        }
    }
    return limit;
}
