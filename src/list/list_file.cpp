#include "list/list_file.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "list/list_reader.h"
#include "list/varn_list.h"
#include "platform/files.h"

const char* const LIST_FILE_NAME = "brimlock.ini";

namespace {

// The new content is written here first and put in place only when complete.
const char* const TEMPORARY_FILE_NAME = "brimlock.ini.tmp";
// Reads from the current position to the end of the file. Returns false on a
// read error; content then holds what arrived before it.
bool readToEnd(FileHandle file, std::string& content) {
    char chunk[64 * 1024];
    for (;;) {
        std::size_t got = 0;
        if (!readFile(file, chunk, sizeof chunk, &got)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        content.append(chunk, got);
    }
}

bool writeAll(FileHandle file, const char* data, std::size_t size) {
    std::size_t written = 0;
    return writeFile(file, data, size, &written) && written == size;
}

bool writeAll(FileHandle file, const std::string& content) {
    return writeAll(file, content.data(), content.size());
}

// A first varn that begins with the bytes of a byte-order mark ("ÿþ" or "þÿ"
// in Windows-1252, U+FEFF in UTF-8) would lose them at the next load: an
// empty line before it, which the load skips, keeps them the varn's.
bool needsLeadingBlankLine() {
    return varnCount > 0 && byteOrderMarkSize(varnList[1].data(), varnList[1].size()) != 0;
}

// Entries 1 to varnCount in the written form, without the file's whole text
// in memory: short entries go out together through a buffer, a long one
// straight from where it is held.
bool writeEntries(FileHandle file) {
    char buffer[64 * 1024];
    std::size_t used = 0;
    if (needsLeadingBlankLine()) {
        buffer[used++] = '\r';
        buffer[used++] = '\n';
    }
    const auto flush = [&]() {
        const bool written = used == 0 || writeAll(file, buffer, used);
        used = 0;
        return written;
    };
    for (int i = 1; i <= varnCount; ++i) {
        const std::string& entry = varnList[i];
        if (used + entry.size() + 2 > sizeof buffer && !flush()) {
            return false;
        }
        if (entry.size() + 2 > sizeof buffer) {
            if (!writeAll(file, entry)) {
                return false;
            }
        } else {
            std::memcpy(buffer + used, entry.data(), entry.size());
            used += entry.size();
        }
        buffer[used++] = '\r';
        buffer[used++] = '\n';
    }
    return flush();
}

std::size_t writtenSize() {
    std::size_t size = needsLeadingBlankLine() ? 2 : 0;
    for (int i = 1; i <= varnCount; ++i) {
        size += varnList[i].size() + 2;
    }
    return size;
}

// A virus scanner, the search indexer or a sync client may hold a file for a
// moment, often just after it was written: an open or a rename they refuse is
// tried again for about a second in all. Windows refuses a rename over a file
// another program holds open as access denied, so for a rename that counts as
// held too; for an open it means the permissions, which do not pass.
constexpr unsigned RETRY_PAUSES_MS[] = {50, 100, 150, 200, 250, 250};

template <typename Attempt>
bool tryWhileHeld(Attempt attempt, bool deniedMeansHeld, FileError* error) {
    for (const unsigned pause : RETRY_PAUSES_MS) {
        if (attempt(error)) {
            return true;
        }
        const bool held =
            *error == FileError::InUse || (deniedMeansHeld && *error == FileError::AccessDenied);
        if (!held) {
            return false;
        }
        pauseMilliseconds(pause);
    }
    return attempt(error);
}

FileHandle openUnlessHeld(const char* name, FileOpenMode mode, FileError* error) {
    FileHandle file = INVALID_FILE;
    tryWhileHeld(
        [&](FileError* e) {
            file = openFile(name, mode, e);
            return file != INVALID_FILE;
        },
        false, error);
    return file;
}

template <typename Rename>
bool renameUnlessHeld(Rename rename, FileError* error) {
    return tryWhileHeld(rename, true, error);
}

// The way left in a folder that takes no new file. The old bytes are read
// first and put back when anything fails: overwriting bytes the file already
// has needs no room, so that works even on a full disk. The file is cut only
// where the new list is shorter, and only once all of it is written, so a
// failing cut never leaves it grown past the old list. Closes the file.
SaveResult writeInPlace(FileHandle listFile) {
    std::string old;
    SaveResult result = SaveResult::WriteFailed;
    if (moveToStart(listFile) && readToEnd(listFile, old)) {
        if (moveToStart(listFile) && writeEntries(listFile) &&
            (writtenSize() >= old.size() || cutFile(listFile)) && flushFile(listFile)) {
            result = SaveResult::Saved;
        } else {
            moveToStart(listFile);
            writeAll(listFile, old);
            cutFile(listFile);  // needed only where the new bytes went past the old end
            flushFile(listFile);
        }
    }
    closeFile(listFile);
    return result;
}

// A temporary file left by an earlier save that failed half way is
// replaced. One that cannot be opened for writing is deleted and the open
// tried again; one that cannot be deleted either (read-only, held open by
// another program) stays, and the save gives up.
FileHandle openTemporaryFile(FileError* error) {
    FileHandle file = openUnlessHeld(TEMPORARY_FILE_NAME, FileOpenMode::CreateTemporary, error);
    if (file == INVALID_FILE && fileExists(TEMPORARY_FILE_NAME) &&
        deleteFile(TEMPORARY_FILE_NAME)) {
        file = openUnlessHeld(TEMPORARY_FILE_NAME, FileOpenMode::CreateTemporary, error);
    }
    return file;
}

// What a user sets on a file stays with the list file: hidden, system, not
// indexed (read-only never gets here). A changed list is marked for backup,
// even where the old file was not: a backup that clears the archive bit of
// what it took (xcopy /M, robocopy /M) would skip it otherwise.
void markLikeListFile() {
    constexpr std::uint32_t USERS = HIDDEN_ATTRIBUTE | SYSTEM_ATTRIBUTE | NOT_INDEXED_ATTRIBUTE;
    const std::uint32_t old = fileAttributes(LIST_FILE_NAME);
    const std::uint32_t own = fileAttributes(TEMPORARY_FILE_NAME);
    if (old == NO_ATTRIBUTES || own == NO_ATTRIBUTES) {
        return;
    }
    const std::uint32_t wanted = (old & USERS) | ARCHIVE_ATTRIBUTE;
    if ((own & (USERS | ARCHIVE_ATTRIBUTE)) != wanted) {
        setFileAttributes(TEMPORARY_FILE_NAME, wanted);
    }
}

// A save that died while the list file was replaced, or a replace that failed
// half way, leaves the list in brimlock.ini.tmp alone: it then takes the list
// file's name. Beside a brimlock.ini it is never used, as it may be the half
// written file of a save that died. False when it is still the only copy.
bool recoverTemporaryFile(FileError* error) {
    if (fileExists(LIST_FILE_NAME) || !fileExists(TEMPORARY_FILE_NAME)) {
        return true;
    }
    return renameUnlessHeld(
        [](FileError* e) { return renameFile(TEMPORARY_FILE_NAME, LIST_FILE_NAME, e); }, error);
}

// brimlock.ini, or where it is missing, a brimlock.ini.tmp that could not
// take its name: an empty brimlock.ini made now would win over it.
const char* fileHoldingTheList() {
    return fileExists(LIST_FILE_NAME) || !fileExists(TEMPORARY_FILE_NAME) ? LIST_FILE_NAME
                                                                          : TEMPORARY_FILE_NAME;
}

// The file the load found held: the one the wait reads once it is let go.
const char* heldFileName = LIST_FILE_NAME;

// A list that is not the file's whole list must not be saved over it.
void readListFile() {
    const char* name = fileHoldingTheList();
    FileError error = FileError::None;
    // A scanner may hold the file for a moment, just after the last exit
    // wrote it: the list would seem empty for the whole run.
    FileHandle file = openUnlessHeld(name, FileOpenMode::Read, &error);
    if (file == INVALID_FILE) {
        // A file that is there but could not be read (another program holds
        // it, or it is being deleted, which Windows refuses as access denied)
        // must survive; a missing one has nothing to lose.
        heldFileName = name;
        listFileRead = error == FileError::InUse || error == FileError::AccessDenied
                           ? ListFileRead::Held
                       : fileExists(name) ? ListFileRead::NotWhole
                                          : ListFileRead::Whole;
        return;
    }
    listFileRead = readEntries(file);
    closeFile(file);
}

}  // namespace

void loadVarnList() {
    if (varnList.size() < MAX_VARNS + 1) {
        varnList.resize(MAX_VARNS + 1);
    }
    listFileRead = ListFileRead::Whole;

    FileError ignored = FileError::None;
    if (recoverTemporaryFile(&ignored)) {
        // Creates the file, empty, when it is missing; leaves an existing one alone.
        FileHandle file = openFile(LIST_FILE_NAME, FileOpenMode::EnsureExists);
        if (file != INVALID_FILE) {
            closeFile(file);
        }
    }
    readListFile();
}

// A list the user has changed is no longer the empty one the held file
// stands for: read now, the two would mix. A file missing or refused for any
// cause may be between the two steps of a replace (the old one deleted, the
// new one not yet written): the wait goes on. The open lets no writer in, so
// a file being written anew is read only once it is whole.
bool readHeldListFile() {
    if (listFileRead != ListFileRead::Held || varnListChanged) {
        return false;
    }
    FileHandle file = openFile(heldFileName, FileOpenMode::ReadAlone);
    if (file == INVALID_FILE) {
        return false;
    }
    listFileRead = readEntries(file);
    closeFile(file);
    return true;
}

SaveResult saveVarnList(FileError* error) {
    FileError ignored = FileError::None;
    if (error == nullptr) {
        error = &ignored;
    }
    *error = FileError::None;
    if (listFileRead == ListFileRead::NotWhole || listFileRead == ListFileRead::Held) {
        return SaveResult::NotReadWhole;
    }
    if (listFileRead == ListFileRead::NotInCodePage) {
        return SaveResult::NotInCodePage;
    }
    if (isReadOnlyFile(LIST_FILE_NAME)) {
        return SaveResult::ReadOnly;
    }
    // The open below would make an empty brimlock.ini beside the only copy.
    if (!recoverTemporaryFile(error)) {
        return SaveResult::TemporaryNotRenamed;
    }
    // Held without sharing for the whole save, so no other program writes it
    // meanwhile; failing to open it (locked) leaves it as it was. Made empty
    // when it is missing, so that it exists for as long as brimlock.ini.tmp
    // may be half written.
    FileHandle listFile = openUnlessHeld(LIST_FILE_NAME, FileOpenMode::Write, error);
    if (listFile == INVALID_FILE) {
        // Missing still: the folder takes no file (the load could not make one).
        return fileExists(LIST_FILE_NAME) ? SaveResult::CannotOpen : SaveResult::CannotCreate;
    }

    FileHandle temporary = openTemporaryFile(error);
    if (temporary == INVALID_FILE) {
        const bool inTheWay = fileExists(TEMPORARY_FILE_NAME);
        if (*error == FileError::AccessDenied && !inTheWay) {
            *error = FileError::None;
            return writeInPlace(listFile);  // the folder takes no new file
        }
        // Any other cause may pass; writing in place would risk the list for nothing.
        closeFile(listFile);
        return inTheWay ? SaveResult::TemporaryInTheWay : SaveResult::CannotCreateTemporary;
    }

    const bool complete = writeEntries(temporary) && flushFile(temporary);
    closeFile(temporary);
    // The rename cannot replace a file that is still open.
    closeFile(listFile);
    if (!complete) {
        deleteFile(TEMPORARY_FILE_NAME);  // half written; brimlock.ini holds the old list
        return SaveResult::WriteFailed;
    }
    markLikeListFile();
    if (!renameUnlessHeld(
            [](FileError* e) { return replaceFile(TEMPORARY_FILE_NAME, LIST_FILE_NAME, e); },
            error)) {
        // Kept: where the replace failed half way it is the only whole copy,
        // and the next start takes it from there.
        return SaveResult::ReplaceFailed;
    }
    return SaveResult::Saved;
}
