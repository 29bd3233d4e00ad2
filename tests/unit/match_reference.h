#pragma once
// The sweep's matching rule written out the slow, obvious way, to check the
// fast matcher against, and the inputs to check it on. Shared by the unit
// tests and bench/match_bench.cpp.
#include <random>
#include <string>
#include <vector>

#include "sweep/normalise.h"

namespace matchref {

// a-z and seven bytes above 0x7F map to upper case; every other byte stays.
inline unsigned char upperByte(unsigned char byte) {
    static const std::string from = "\x81\x82\x84\x86\x87\x94\xA4",
                             to = "\x9A\x90\x8E\x8F\x80\x99\xA5";
    const std::size_t at = from.find(static_cast<char>(byte));
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<unsigned char>(byte - 'a' + 'A');
    }
    return at == std::string::npos ? byte : static_cast<unsigned char>(to[at]);
}

// Trailing spaces, leading spaces, then the table, one byte at a time.
inline std::string normalise(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    while (!text.empty() && text.front() == ' ') {
        text.erase(text.begin());
    }
    for (char& c : text) {
        c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
    }
    return text;
}

inline bool matches(const std::string& caption, const std::string& varn) {
    const std::string t = normalise(caption);
    const std::string e = normalise(varn);
    const std::size_t n = varn.size();
    const std::string p = t.size() < n ? t : t.substr(0, n);
    return p == e && !e.empty();
}

// The same rule over the program's own normalisation: quicker, so the
// reference for a full snapshot and list, and for the benchmark's ratio.
inline bool fastMatches(const std::string& caption, const std::string& varn) {
    const std::string e = normaliseText(varn);
    return !e.empty() && normaliseText(caption).substr(0, varn.size()) == e;
}

// Every varn against every caption, a later match replacing an earlier one.
template <typename Match>
std::vector<int> lastMatches(const std::vector<std::string>& captions, int captionCount,
                             const std::vector<std::string>& varns, int varnCount, Match match) {
    std::vector<int> chosen(varnCount + 1, 0);
    for (int i = 1; i <= varnCount; ++i) {
        for (int j = 1; j <= captionCount; ++j) {
            if (match(captions[j], varns[i])) {
                chosen[i] = j;
            }
        }
    }
    return chosen;
}

// Captions and varns numbered from 1, slot 0 empty.
struct Inputs {
    std::vector<std::string> captions{std::string()};
    std::vector<std::string> varns{std::string()};
    int captionCount() const { return static_cast<int>(captions.size()) - 1; }
    int varnCount() const { return static_cast<int>(varns.size()) - 1; }
};

// Bytes that normalisation maps, or must leave alone: both cases, the seven
// mapped bytes and their targets, look-alikes above 0x7F, blanks and NUL.
inline const std::string& trickyBytes() {
    static const char set[] =
        "aAbBzZ09 -\t\x81\x9A\x82\x90\x84\x8E\x86\x8F\x87\x80\x94\x99\xA4\xA5"
        "\xC9\xE9\xFF\x7F\x60\x7B\x40\x5B";
    static const std::string bytes(set, sizeof set);  // the terminating NUL included
    return bytes;
}

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }

    std::string tricky(int length) {
        std::string text;
        for (int k = 0; k < length; ++k) {
            text += trickyBytes()[below(static_cast<int>(trickyBytes().size()))];
        }
        return text;
    }

    std::string anyBytes(int length) {
        std::string text;
        for (int k = 0; k < length; ++k) {
            text += static_cast<char>(below(256));
        }
        return text;
    }

    // Flips letters to the other case (and the seven bytes to their targets)
    // here and there: a text that should still match.
    std::string recase(std::string text) {
        for (char& c : text) {
            if (below(2) == 0) {
                c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
            } else if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return text;
    }

    std::string spaces(int most) { return std::string(below(most + 1), ' '); }

    // Small inputs drawn from a few stems, so that matches, near misses,
    // duplicates and every kind of varn turn up often.
    Inputs mixed(int captionCount, int varnCount) {
        std::vector<std::string> stems;
        for (int s = 0; s < 4; ++s) {
            stems.push_back(tricky(1 + below(6)));
        }
        Inputs in;
        for (int j = 0; j < captionCount; ++j) {
            std::string caption = stems[below(4)];
            if (below(3) != 0) {
                caption += tricky(below(6));
            }
            if (below(4) == 0) {
                caption = spaces(2) + caption + spaces(2);
            }
            if (below(8) == 0 && in.captions.size() > 1) {
                caption = in.captions[1 + below(static_cast<int>(in.captions.size()) - 1)];
            }
            in.captions.push_back(below(10) == 0 ? spaces(3) : caption);
        }
        for (int i = 0; i < varnCount; ++i) {
            in.varns.push_back(varn(in));
        }
        return in;
    }

    // Many captions sharing a long start and varns of every length: the case
    // that makes sorting and searching compare the most bytes.
    Inputs sharedStart(int captionCount, int varnCount, int captionLength) {
        const std::string start = tricky(captionLength - 8);
        Inputs in;
        for (int j = 0; j < captionCount; ++j) {
            in.captions.push_back(start + tricky(8));
        }
        for (int i = 0; i < varnCount; ++i) {
            const std::string& caption = in.captions[1 + below(captionCount)];
            std::string varn = recase(caption.substr(0, 1 + below(captionLength)));
            if (below(4) == 0) {
                varn.back() = trickyBytes()[below(static_cast<int>(trickyBytes().size()))];
            }
            in.varns.push_back(varn);
        }
        return in;
    }

  private:
    std::string varn(const Inputs& in) {
        const int captionCount = static_cast<int>(in.captions.size()) - 1;
        switch (below(9)) {
            case 0:
                return std::string();
            case 1:
                return spaces(3);
            case 2:
                return tricky(1 + below(4));
            case 3:
                return tricky(256 + below(40));  // longer than any caption
            case 4:
                return spaces(2) + recase(normalise(in.captions[1 + below(captionCount)])) +
                       spaces(2);
            case 5:
                return in.varns.size() > 1
                           ? in.varns[1 + below(static_cast<int>(in.varns.size()) - 1)]
                           : tricky(2);
            case 6:
                return anyBytes(1 + below(3));
            default: {
                const std::string& caption = in.captions[1 + below(captionCount)];
                return recase(caption.substr(0, below(static_cast<int>(caption.size()) + 2)));
            }
        }
    }

    std::mt19937 random_;
};

}  // namespace matchref
