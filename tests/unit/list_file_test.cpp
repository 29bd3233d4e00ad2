#include "list/list_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/state.h"
#include "list/varn_list.h"
#include "fakes/files_fake.h"
#include "ui/characters.h"

namespace {

const std::string FILE_NAME = "brimlock.ini";

class ListFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fakefs::reset();
        resetProgramState();
    }

    static std::vector<std::string> loadedVarns() {
        return std::vector<std::string>(varnList.begin() + 1, varnList.begin() + 1 + varnCount);
    }

    // Loads bytes as a file, then saves the list back; returns the saved bytes.
    static std::string roundTrip(const std::string& bytes) {
        fakefs::setFile(FILE_NAME, bytes);
        loadVarnList();
        EXPECT_EQ(SaveResult::Saved, saveVarnList());
        return fakefs::content(FILE_NAME);
    }

    // Loads whatever the store holds, as the program always does before a
    // save, then replaces the list in memory.
    static void setVarns(const std::vector<std::string>& varns) {
        loadVarnList();
        replaceVarns(varns);
    }

    static void replaceVarns(const std::vector<std::string>& varns) {
        varnCount = 0;
        for (const std::string& varn : varns) {
            varnList[++varnCount] = varn;
        }
    }
};

// Text in UTF-16 after its byte-order mark, as Notepad's "Unicode" saves it.
std::string utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> varns;
    std::string written;
    unsigned codePage = 1252;
};

TEST_F(ListFileTest, ReadsAndWritesTheListFileForms) {
    const std::vector<ReadCase> cases = {
        {"empty file", "", {}, ""},
        {"two CR LF lines", "alpha\r\nbeta\r\n", {"alpha", "beta"}, "alpha\r\nbeta\r\n"},
        {"bare CR ends a line", "one\rtwo\r", {"one", "two"}, "one\r\ntwo\r\n"},
        {"LF alone is an ordinary byte", "a\nb\nc\n", {"a\nb\nc\n"}, "a\nb\nc\n\r\n"},
        {"LF CR keeps the LF in the line", "a\n\rb", {"a\n", "b"}, "a\n\r\nb\r\n"},
        {"one LF after CR belongs to the end", "a\r\n\nb", {"a", "\nb"}, "a\r\n\nb\r\n"},
        {"last line without end", "x\r\ny", {"x", "y"}, "x\r\ny\r\n"},
        {"blank and space lines skipped",
         "\r\n  \r\na\r\n\r\n   \rb\r\n ",
         {"a", "b"},
         "a\r\nb\r\n"},
        {"spaces around text kept", "  padded  \r\n", {"  padded  "}, "  padded  \r\n"},
        {"a tab line is an entry", "\t\r\n", {"\t"}, "\t\r\n"},
        {"Ctrl-Z ends the file", "first\r\n\x1Asecond\r\n", {"first"}, "first\r\n"},
        {"Ctrl-Z ends a line without its end", "first\x1Arest", {"first"}, "first\r\n"},
        {"Ctrl-Z first gives nothing",
         "\x1A"
         "a\r\n",
         {},
         ""},
        {"byte-order mark kept as bytes",
         "\xEF\xBB\xBFitem\r\n",
         {"\xEF\xBB\xBFitem"},
         "\xEF\xBB\xBFitem\r\n"},
        {"NUL and high bytes kept",
         std::string("a\0b\xFF\r\n", 6),
         {std::string("a\0b\xFF", 4)},
         std::string("a\0b\xFF\r\n", 6)},
        {"CR LF CR LF is one blank line", "a\r\n\r\nb", {"a", "b"}, "a\r\nb\r\n"},
        // The file is read in pieces of 64 KB: a CR ends the first, its LF starts the next.
        {"CR LF across two reads",
         std::string(64 * 1024 - 1, 'x') + "\r\nnext",
         {std::string(64 * 1024 - 1, 'x'), "next"},
         std::string(64 * 1024 - 1, 'x') + "\r\nnext\r\n"},
        {"a lone CR", "\r", {}, ""},
        // Read as the text it holds, saved in the ANSI form.
        {"UTF-16 little-endian",
         utf16(u"Registry\r\nWineMine\r\n", false),
         {"Registry", "WineMine"},
         "Registry\r\nWineMine\r\n"},
        {"UTF-16 big-endian",
         utf16(u"Registry\r\nWineMine\r\n", true),
         {"Registry", "WineMine"},
         "Registry\r\nWineMine\r\n"},
        {"a first varn that begins like a UTF-16 mark",
         "\r\n\xFF\xFEx\r\n",
         {"\xFF\xFEx"},
         "\r\n\xFF\xFEx\r\n"},
        {"UTF-8 mark under UTF-8", "\xEF\xBB\xBFitem\r\n", {"item"}, "item\r\n", 65001},
        {"a first varn that begins with U+FEFF under UTF-8",
         "\xEF\xBB\xBF\xEF\xBB\xBFitem",
         {"\xEF\xBB\xBFitem"},
         "\r\n\xEF\xBB\xBFitem\r\n",
         65001},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        textCodePage = describeCodePage(c.codePage);
        EXPECT_EQ(c.written, roundTrip(c.bytes));
        EXPECT_EQ(c.varns, loadedVarns());
        EXPECT_EQ(0u, fakefs::openHandleCount());
    }
    textCodePage = describeCodePage(1252);
}

TEST_F(ListFileTest, AnEntryHoldingACrLoadsAsTwoNextTime) {
    setVarns({"one\rtwo"});
    saveVarnList();
    EXPECT_EQ("one\rtwo\r\n", fakefs::content(FILE_NAME));
    resetProgramState();
    loadVarnList();
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), loadedVarns());
}

TEST_F(ListFileTest, LinesPastTheThousandthAreLeftOut) {
    std::string bytes;
    for (int i = 1; i <= 1005; ++i) {
        bytes += "varn " + std::to_string(i) + "\r\n";
    }
    fakefs::setFile(FILE_NAME, bytes);
    loadVarnList();
    ASSERT_EQ(MAX_VARNS, varnCount);
    EXPECT_EQ("varn 1000", varnList[1000]);
    EXPECT_EQ(static_cast<size_t>(MAX_VARNS + 1), varnList.size());
}

TEST_F(ListFileTest, ALineOfSeveralMegabytesSurvivesTheRoundTrip) {
    std::string longLine(5 * 1024 * 1024, 'x');
    longLine[12345] = '\n';
    const std::string bytes = "short\r\n" + longLine + "\r\nlast";
    EXPECT_EQ("short\r\n" + longLine + "\r\nlast\r\n", roundTrip(bytes));
    ASSERT_EQ(3, varnCount);
    EXPECT_EQ(longLine, varnList[2]);
}

// No list file, however large, may exhaust memory: entries that would hold
// more than the cap are not loaded, the program starts with those before
// them, and the file is kept as it was.
TEST_F(ListFileTest, EntriesPastTheCapAreLeftInTheFileAndTheFileIsKept) {
    const std::size_t cap = MAX_LIST_BYTES_HELD;
    const struct {
        const char* what;
        std::size_t longLine;
        std::vector<std::size_t> sizes;
        bool readWhole;
    } cases[] = {
        {"the entries fill the cap", cap - 6, {2, cap - 6, 4}, true},
        {"the last entry would pass it", cap - 5, {2, cap - 5}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        const std::string bytes = "ab\r\n" + std::string(c.longLine, 'x') + "\r\nlast\r\n";
        fakefs::setFile(FILE_NAME, bytes);
        loadVarnList();
        std::vector<std::size_t> sizes;
        for (int i = 1; i <= varnCount; ++i) {
            sizes.push_back(varnList[i].size());
        }
        EXPECT_EQ(c.sizes, sizes);
        if (!c.readWhole) {
            varnList[++varnCount] = "added";
            EXPECT_EQ(SaveResult::NotReadWhole, saveVarnList());
            EXPECT_TRUE(fakefs::content(FILE_NAME) == bytes);
        }
    }
}

// The program runs with what it read, but saving it would wipe a list that was
// never read whole: a read error keeps the complete lines, a file that cannot
// be opened (held without sharing) gives an empty list. One held for a moment
// is read once it is let go.
TEST_F(ListFileTest, AListNotReadWholeIsNotOverwritten) {
    const std::string bytes = "first\r\nsecond\r\nthird\r\n";
    for (const int refusals : {0, fakefs::ALWAYS, 2}) {
        SetUp();
        fakefs::setFile(FILE_NAME, bytes);
        refusals == 0
            ? fakefs::failReadsAfter(10)
            : fakefs::refuseOpen(FILE_NAME, FileOpenMode::Read, FileError::InUse, refusals);
        loadVarnList();
        EXPECT_EQ(refusals == 0 ? 1u : refusals == 2 ? 3u : 0u, loadedVarns().size());
        if (refusals == 2) {
            continue;
        }
        varnList[++varnCount] = "added";
        EXPECT_EQ(SaveResult::NotReadWhole, saveVarnList());
        EXPECT_EQ(bytes, fakefs::content(FILE_NAME));
    }
}

// A save that cannot finish, at whatever step, says why and leaves the old
// list whole and no temporary file.
TEST_F(ListFileTest, AFailedSaveLeavesTheOldListWhole) {
    const std::string oldBytes = "old one\r\nold two\r\n";
    const struct {
        const char* what;
        std::function<void()> fault;
        SaveResult result;
    } cases[] = {
        {"read-only file", [] { fakefs::setReadOnly(FILE_NAME, true); }, SaveResult::ReadOnly},
        {"held by another program", [] { fakefs::refuseOpen(FILE_NAME, FileOpenMode::Write); },
         SaveResult::CannotOpen},
        {"flush failed", [] { fakefs::failFlushes(); }, SaveResult::WriteFailed},
        // Any failure to create the temporary file but a refused access.
        {"temporary file not created",
         [] { fakefs::refuseOpen("brimlock.ini.tmp", FileOpenMode::CreateTemporary); },
         SaveResult::CannotCreateTemporary},
        {"in place, flush failed",
         [] {
             fakefs::refuseNewFiles();
             fakefs::failFlushes();
         },
         SaveResult::WriteFailed},
        {"in place, old bytes not read",
         [&oldBytes] {
             fakefs::refuseNewFiles();
             fakefs::failReadsAfter(oldBytes.size() + 5);  // the load read it whole
         },
         SaveResult::WriteFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        fakefs::setFile(FILE_NAME, oldBytes);
        setVarns({"new one", "new two"});
        c.fault();
        EXPECT_EQ(c.result, saveVarnList());
        EXPECT_EQ(oldBytes, fakefs::content(FILE_NAME));
        EXPECT_EQ((std::vector<std::string>{FILE_NAME}), fakefs::fileNames());
        EXPECT_EQ(0u, fakefs::openHandleCount());
    }
}

// Wherever a write stops, through the temporary file or in place, on a full
// disk or by a passing fault, the file holds the old list or the new one
// whole, and the result says which.
TEST_F(ListFileTest, AWriteFailingAtAnyByteLeavesTheOldListOrTheNewOneWhole) {
    const std::string oldBytes = "old one\r\nold two\r\n";
    const std::vector<std::string> lists[] = {{"new"}, {"a longer new one", "and another"}};
    const struct {
        const char* what;
        bool inPlace;
        bool diskFull;
    } ways[] = {
        {"temporary file, disk full", false, true},
        {"temporary file, passing fault", false, false},
        {"in place, disk full", true, true},
        {"in place, passing fault", true, false},
    };
    for (const std::vector<std::string>& varns : lists) {
        std::string newBytes;
        for (const std::string& varn : varns) {
            newBytes += varn + "\r\n";
        }
        for (const auto& way : ways) {
            // In place, only the bytes past the old end need room on the disk.
            const std::size_t needed =
                way.inPlace && way.diskFull
                    ? newBytes.size() - std::min(newBytes.size(), oldBytes.size())
                    : newBytes.size();
            for (std::size_t at = 0; at <= newBytes.size() + oldBytes.size() + 1; ++at) {
                SCOPED_TRACE(std::string(way.what) + ", " + std::to_string(newBytes.size()) +
                             " bytes, fault at " + std::to_string(at));
                SetUp();
                fakefs::setFile(FILE_NAME, oldBytes);
                setVarns(varns);
                if (way.inPlace) {
                    fakefs::refuseNewFiles();
                }
                if (way.diskFull) {
                    fakefs::diskFullAfter(at);
                } else {
                    fakefs::failWriteAt(at);
                }
                const SaveResult result = saveVarnList();
                EXPECT_EQ(at >= needed, result == SaveResult::Saved);
                EXPECT_EQ(result == SaveResult::Saved ? newBytes : oldBytes,
                          fakefs::content(FILE_NAME));
                EXPECT_EQ((std::vector<std::string>{FILE_NAME}), fakefs::fileNames());
                EXPECT_EQ(0u, fakefs::openHandleCount());
            }
        }
    }
}

// A cut is needed only where the new list is shorter than the old one; a
// failing cut then gets the old list back, and is never needed to undo a
// longer one. (Found by the list file's fuzz target.)
TEST_F(ListFileTest, InPlaceAFailingCutNeverLeavesAMixOfTheTwoLists) {
    const struct {
        std::vector<std::string> varns;
        SaveResult result;
        std::string content;
    } cases[] = {
        {{"new"}, SaveResult::WriteFailed, "old one\r\nold two\r\n"},
        {{"a longer new one", "and another"},
         SaveResult::Saved,
         "a longer new one\r\nand another\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        SetUp();
        fakefs::setFile(FILE_NAME, "old one\r\nold two\r\n");
        setVarns(c.varns);
        fakefs::refuseNewFiles();
        fakefs::failCuts();
        EXPECT_EQ(c.result, saveVarnList());
        EXPECT_EQ(c.content, fakefs::content(FILE_NAME));
    }
}

// The program starts, changes its list and saves it, and dies after its k-th
// file operation, for every k; the next start loads the list as it was
// before that save or as it was after it, whole. A save that fails keeps a
// whole copy where the next start finds it, and a later save leaves no other
// file behind.
TEST_F(ListFileTest, ACrashAtAnyStepOrAFailedReplaceLeavesAWholeListForTheNextStart) {
    const char* const old = "old one\r\nold two\r\n";
    const std::vector<std::string> oldList = {"old one", "old two"};
    const std::vector<std::string> newList = {"new one", "new two", "new three"};
    const std::vector<std::string> onlyList = {FILE_NAME};
    const std::vector<std::string> both = {FILE_NAME, "brimlock.ini.tmp"};
    const std::vector<std::string> onlyTemporary = {"brimlock.ini.tmp"};
    using fakefs::refuseRenames;
    const struct {
        const char* what;
        const char* listFile;   // null: not there
        const char* temporary;  // null: not there
        std::function<void()> fault;
        SaveResult result;
        std::vector<std::string> filesAfter;
        bool nextStartHasNewList;
    } cases[] = {
        {"a list file", old, nullptr, [] {}, SaveResult::Saved, onlyList, true},
        {"no list file yet", nullptr, nullptr, [] {}, SaveResult::Saved, onlyList, true},
        // Beside a list file it may be half written: never loaded, replaced.
        {"a stale temporary file", old, "half wri", [] {}, SaveResult::Saved, onlyList, true},
        // A replace that died half way: the list is only there.
        {"the list in the temporary file alone", nullptr, old, [] {}, SaveResult::Saved, onlyList,
         true},
        {"the temporary file that cannot take the name", nullptr, old,
         [] { refuseRenames(FileError::AccessDenied); }, SaveResult::TemporaryNotRenamed,
         onlyTemporary, false},
        {"a lock let go within the retries", old, nullptr,
         [] { refuseRenames(FileError::InUse, 3); }, SaveResult::Saved, onlyList, true},
        {"an open refused as in use twice", old, nullptr,
         [] { fakefs::refuseOpen(FILE_NAME, FileOpenMode::Write, FileError::InUse, 2); },
         SaveResult::Saved, onlyList, true},
        {"a lock that stays", old, nullptr, [] { refuseRenames(FileError::InUse); },
         SaveResult::ReplaceFailed, both, false},
        {"a replace failing for another cause", old, nullptr,
         [] { refuseRenames(FileError::Other); }, SaveResult::ReplaceFailed, both, false},
        {"a replace that loses the old file", old, nullptr, [] { fakefs::loseReplacedFileOnce(); },
         SaveResult::ReplaceFailed, onlyTemporary, true},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> before =
            c.listFile || c.temporary ? oldList : std::vector<std::string>();
        for (std::size_t k = 0;; ++k) {
            SCOPED_TRACE(std::string(c.what) + ", crash after operation " + std::to_string(k));
            SetUp();
            if (c.listFile) {
                fakefs::setFile(FILE_NAME, c.listFile);
            }
            if (c.temporary) {
                fakefs::setFile("brimlock.ini.tmp", c.temporary);
            }
            c.fault();
            fakefs::crashAfter(k);
            loadVarnList();
            if (!fakefs::crashed()) {
                EXPECT_EQ(before, loadedVarns());
            }
            replaceVarns(newList);
            const SaveResult result = saveVarnList();
            const bool crashed = fakefs::crashed();
            if (!crashed) {
                EXPECT_EQ(c.result, result);
                EXPECT_EQ(c.filesAfter, fakefs::fileNames());
            }
            fakefs::restart();
            if (!crashed) {  // a changed list is marked for backup, though the old file was not
                EXPECT_EQ(result == SaveResult::Saved,
                          fileAttributes(FILE_NAME) == ARCHIVE_ATTRIBUTE);
            }
            resetProgramState();
            loadVarnList();
            if (!crashed) {
                EXPECT_EQ(c.nextStartHasNewList ? newList : before, loadedVarns());
            } else if (loadedVarns() != newList) {
                EXPECT_EQ(before, loadedVarns());
            }
            EXPECT_EQ(SaveResult::Saved, saveVarnList());
            EXPECT_EQ(onlyList, fakefs::fileNames());
            if (!crashed) {
                break;
            }
        }
    }
}

TEST_F(ListFileTest, AFolderThatTakesNoNewFileIsWrittenInPlace) {
    fakefs::setFile(FILE_NAME, "a much longer old content\r\n");
    setVarns({"new"});
    fakefs::refuseNewFiles();
    EXPECT_EQ(SaveResult::Saved, saveVarnList());
    EXPECT_EQ("new\r\n", fakefs::content(FILE_NAME));
    EXPECT_EQ((std::vector<std::string>{FILE_NAME}), fakefs::fileNames());
}

// Writing in place is only for a folder that takes no new file: a temporary
// file that is there but cannot be replaced must not lead to it.
TEST_F(ListFileTest, AStaleTemporaryFileThatCannotBeReplacedLeavesTheListAlone) {
    fakefs::setFile("brimlock.ini.tmp", "leftover");
    fakefs::setReadOnly("brimlock.ini.tmp", true);
    fakefs::setFile(FILE_NAME, "old one\r\nold two\r\n");
    setVarns({"new one", "new two"});
    fakefs::diskFullAfter(5);
    EXPECT_EQ(SaveResult::TemporaryInTheWay, saveVarnList());
    EXPECT_EQ("old one\r\nold two\r\n", fakefs::content(FILE_NAME));
    EXPECT_EQ("leftover", fakefs::content("brimlock.ini.tmp"));
    EXPECT_EQ(0u, fakefs::openHandleCount());
}

// A file that could not be created at start is still read when it is there,
// and written at exit when it is not (as is one removed since): only a list
// that is there and could not be read is protected.
TEST_F(ListFileTest, AFileNotCreatedAtStartIsStillReadAndWrittenAtExit) {
    for (const std::string old : {"a\r\n", ""}) {  // empty: missing
        SetUp();
        if (!old.empty()) {
            fakefs::setFile(FILE_NAME, old);
        }
        fakefs::refuseOpen(FILE_NAME, FileOpenMode::EnsureExists);
        loadVarnList();
        varnList[++varnCount] = "kept";
        EXPECT_EQ(SaveResult::Saved, saveVarnList());
        EXPECT_EQ(old + "kept\r\n", fakefs::content(FILE_NAME));
    }
}

}  // namespace
