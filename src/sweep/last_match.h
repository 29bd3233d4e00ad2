#pragma once
// The matching phase of a sweep, done fast: for every varn the last caption
// whose start matches it, without comparing every varn with every caption.
// A caption matches when its first n bytes, normalised, equal the normalised
// varn, n being the varn's length as stored: spaces around a varn make it
// match only a caption that normalises to exactly the same text, and a varn
// that normalises to nothing matches nothing. Each text is normalised once;
// the normalised captions are sorted, so the captions a varn matches form one
// run of the sorted order, and the last of them in snapshot order is the
// largest index in that run.
#include <string>
#include <vector>

// captions and varns are numbered from 1 (slot 0 unused) and hold at least
// captionCount + 1 and varnCount + 1 entries. Returns a list numbered from 1:
// entry i is the index of the last caption that varn i matches, or 0.
std::vector<int> findLastMatches(const std::vector<std::string>& captions, int captionCount,
                                 const std::vector<std::string>& varns, int varnCount);

// Whether the one caption matches the one varn, by the same rule.
bool captionMatches(const std::string& caption, const std::string& varn);
