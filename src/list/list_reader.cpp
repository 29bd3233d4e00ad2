#include "list/list_reader.h"

#include <cstring>
#include <string>

#include "list/varn_list.h"
#include "platform/code_page.h"
#include "ui/characters.h"

namespace {

const char END_OF_FILE = 0x1A;  // Ctrl-Z

enum class TextForm { Bytes, Utf16LittleEndian, Utf16BigEndian };

// What a file that starts with a mark of markSize bytes holds.
TextForm formOf(const char* start, std::size_t markSize) {
    if (markSize != 2) {
        return TextForm::Bytes;
    }
    return start[0] == '\xFF' ? TextForm::Utf16LittleEndian : TextForm::Utf16BigEndian;
}

bool isBlankLine(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

// UTF-16 read in pieces, turned into the ANSI code page's bytes. A piece may
// end inside a character: its odd byte, or the first half of a surrogate
// pair, waits for the next.
struct Utf16Text {
    bool bigEndian = false;
    std::string waiting;
    std::u16string units;
    bool exact = true;  // every character so far had its form in the code page

    // The text of bytes (all that is left when last), appended to out.
    void convert(const char* bytes, std::size_t size, bool last, std::string& out) {
        waiting.append(bytes, size);
        units.clear();
        std::size_t used = 0;
        for (; used + 1 < waiting.size(); used += 2) {
            const auto high = static_cast<unsigned char>(waiting[used + (bigEndian ? 0 : 1)]);
            const auto low = static_cast<unsigned char>(waiting[used + (bigEndian ? 1 : 0)]);
            units += static_cast<char16_t>(high << 8 | low);
        }
        if (!last && !units.empty() && units.back() >= 0xD800 && units.back() <= 0xDBFF) {
            units.pop_back();
            used -= 2;
        }
        waiting.erase(0, used);
        exact = appendInAnsiCodePage(units.data(), units.size(), out) && exact;
        if (last && !waiting.empty()) {
            exact = false;  // an odd byte at the end: not UTF-16 after all
        }
    }
};

// The lines of the text so far, held until they are whole.
struct LineSplitter {
    std::string line;      // the line being read
    std::size_t held = 0;  // bytes of the entries added so far
    bool afterCr = false;  // the last piece ended with a CR: an LF now ends its line

    // True once the list is full.
    bool addLine() {
        if (!isBlankLine(line)) {
            held += line.size();
            varnList[++varnCount] = std::move(line);
        }
        line.clear();
        return varnCount >= MAX_VARNS;
    }

    // Takes the next piece of the text; last when none follows. Done once the
    // list is full or the text has ended, NotWhole when it would hold too much.
    enum class Outcome { More, Done, TooLarge };
    Outcome take(const char* p, std::size_t size, bool last) {
        const char* end = p + size;
        const char* const endOfFile = static_cast<const char*>(std::memchr(p, END_OF_FILE, size));
        if (endOfFile != nullptr) {
            end = endOfFile;
        }
        if (afterCr && p != end && *p == '\n') {
            ++p;
        }
        afterCr = false;
        while (p != end) {
            const char* cr = static_cast<const char*>(std::memchr(p, '\r', end - p));
            const char* const lineEnd = cr != nullptr ? cr : end;
            if (held + line.size() + static_cast<std::size_t>(lineEnd - p) > MAX_LIST_BYTES_HELD) {
                return Outcome::TooLarge;
            }
            line.append(p, lineEnd);
            if (cr == nullptr) {
                break;
            }
            if (addLine()) {
                return Outcome::Done;
            }
            p = cr + 1;
            if (p == end) {
                afterCr = true;
            } else if (*p == '\n') {
                ++p;
            }
        }
        if (last || endOfFile != nullptr) {
            addLine();
            return Outcome::Done;
        }
        return Outcome::More;
    }
};

}  // namespace

std::size_t byteOrderMarkSize(const char* text, std::size_t size) {
    if (size >= 2 &&
        ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF'))) {
        return 2;
    }
    // Notepad's "UTF-8 with BOM": elsewhere these bytes are letters.
    const bool utf8 = textCodePage.form == TextCodePage::Form::Utf8;
    return utf8 && size >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
}

ListFileRead readEntries(FileHandle file) {
    char chunk[64 * 1024];
    LineSplitter lines;
    TextForm form = TextForm::Bytes;
    Utf16Text utf16;
    std::string converted;
    for (bool first = true;; first = false) {
        std::size_t got = 0;
        if (!readFile(file, chunk, sizeof chunk, &got)) {
            return ListFileRead::NotWhole;
        }
        const char* text = chunk;
        std::size_t size = got;
        if (first) {
            const std::size_t mark = byteOrderMarkSize(chunk, got);
            form = formOf(chunk, mark);
            utf16.bigEndian = form == TextForm::Utf16BigEndian;
            text += mark;  // the mark is no part of the text
            size -= mark;
        }
        if (form != TextForm::Bytes) {
            converted.clear();
            utf16.convert(text, size, got == 0, converted);
            text = converted.data();
            size = converted.size();
        }
        switch (lines.take(text, size, got == 0)) {
            case LineSplitter::Outcome::More:
                break;
            case LineSplitter::Outcome::Done:
                return utf16.exact ? ListFileRead::Whole : ListFileRead::NotInCodePage;
            case LineSplitter::Outcome::TooLarge:
                return ListFileRead::NotWhole;
        }
    }
}
