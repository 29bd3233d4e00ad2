#include "sweep/last_match.h"

#include <algorithm>
#include <cstring>

#include "sweep/normalise.h"

namespace {

struct Span {
    const char* data;
    std::size_t size;
};

int compareSpans(Span a, Span b) {
    const int order = std::memcmp(a.data, b.data, std::min(a.size, b.size));
    if (order != 0) {
        return order;
    }
    return a.size < b.size ? -1 : (a.size > b.size ? 1 : 0);
}

bool startsWith(Span text, Span start) {
    return text.size >= start.size && std::memcmp(text.data, start.data, start.size) == 0;
}

bool sameSpan(Span a, Span b) {
    return a.size == b.size && std::memcmp(a.data, b.data, a.size) == 0;
}

// The normalised captions in sorted order, with the largest snapshot index of
// any run of them in O(1) through a table of maxima over power-of-two widths.
class SortedCaptions {
  public:
    SortedCaptions(const std::vector<std::string>& captions, int count) {
        std::size_t total = 0;
        for (int j = 1; j <= count; ++j) {
            total += captions[j].size();
        }
        bytes_.resize(total + 1);
        spans_.resize(count);
        order_.resize(count);
        std::size_t used = 0;
        for (int j = 1; j <= count; ++j) {
            const std::string& caption = captions[j];
            const std::size_t size = normaliseBytes(caption.data(), caption.size(), &bytes_[used]);
            spans_[j - 1] = Span{&bytes_[used], size};
            used += size;
            order_[j - 1] = j;
        }
        std::sort(order_.begin(), order_.end(),
                  [this](int a, int b) { return compareSpans(caption(a), caption(b)) < 0; });
        buildMaxima();
    }

    // The largest caption index among those for which accept is true; accept
    // must hold on one run of the sorted order that starts at the first
    // caption not below e.
    template <typename Accept>
    int lastIndexOfRun(Span e, Accept accept) const {
        const auto first =
            std::lower_bound(order_.begin(), order_.end(), e,
                             [this](int j, Span key) { return compareSpans(caption(j), key) < 0; });
        const auto last = std::partition_point(
            first, order_.end(), [this, &accept](int j) { return accept(caption(j)); });
        if (first == last) {
            return 0;
        }
        return maxIndex(static_cast<int>(first - order_.begin()),
                        static_cast<int>(last - order_.begin()));
    }

  private:
    Span caption(int j) const { return spans_[j - 1]; }

    void buildMaxima() {
        const int count = static_cast<int>(order_.size());
        maxima_.assign(1, order_);
        for (int width = 1; 2 * width <= count; width *= 2) {
            const std::vector<int>& below = maxima_.back();
            std::vector<int> level(count - 2 * width + 1);
            for (std::size_t p = 0; p < level.size(); ++p) {
                level[p] = std::max(below[p], below[p + width]);
            }
            maxima_.push_back(std::move(level));
        }
    }

    // Largest index over sorted positions [from, to), to > from.
    int maxIndex(int from, int to) const {
        int level = 0;
        while ((2 << level) <= to - from) {
            ++level;
        }
        const std::vector<int>& row = maxima_[level];
        return std::max(row[from], row[to - (1 << level)]);
    }

    std::vector<char> bytes_;
    std::vector<Span> spans_;
    std::vector<int> order_;                // caption indices, sorted by normalised text
    std::vector<std::vector<int>> maxima_;  // maxima_[k][p]: largest of order_[p .. p + 2^k)
};

}  // namespace

std::vector<int> findLastMatches(const std::vector<std::string>& captions, int captionCount,
                                 const std::vector<std::string>& varns, int varnCount) {
    std::vector<int> chosen(varnCount < 0 ? 1 : varnCount + 1, 0);
    if (captionCount <= 0) {
        return chosen;
    }
    const SortedCaptions sorted(captions, captionCount);
    std::vector<char> scratch;
    for (int i = 1; i <= varnCount; ++i) {
        const std::string& varn = varns[i];
        scratch.resize(varn.size() + 1);
        const Span e{scratch.data(), normaliseBytes(varn.data(), varn.size(), scratch.data())};
        if (e.size == 0) {
            continue;
        }
        if (e.size == varn.size()) {
            // The caption's first n bytes are compared, n being the varn's length.
            chosen[i] =
                sorted.lastIndexOfRun(e, [e](Span caption) { return startsWith(caption, e); });
        } else {
            // Spaces around the varn make n longer than e, so only a caption
            // exactly as long as e can match.
            chosen[i] =
                sorted.lastIndexOfRun(e, [e](Span caption) { return sameSpan(caption, e); });
        }
    }
    return chosen;
}

bool captionMatches(const std::string& caption, const std::string& varn) {
    return findLastMatches({std::string(), caption}, 1, {std::string(), varn}, 1)[1] == 1;
}
