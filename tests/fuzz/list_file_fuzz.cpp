// The list file's reader and writer on any bytes. What is loaded, saved and
// loaded again is the same list, and saving is byte-stable after one round.
// Then a save of another list, with a fault the input chooses (a failing
// write, flush or cut, a replace refused or failing half way, a crash after
// any operation), leaves the file holding the old bytes or the new ones
// whole, as its result says, and the next start loads the one or the other.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/state.h"
#include "fakes/files_fake.h"
#include "fuzz/fuzz_check.h"
#include "list/list_file.h"
#include "list/varn_list.h"

namespace {

const char* const FILE_NAME = "brimlock.ini";

std::vector<std::string> currentList() {
    return std::vector<std::string>(varnList.begin() + 1, varnList.begin() + 1 + varnCount);
}

// A first varn that begins like a UTF-16 mark is written after an empty line.
std::string writtenForm() {
    const bool mark =
        varnCount > 0 && varnList[1].size() >= 2 &&
        (varnList[1].compare(0, 2, "\xFF\xFE") == 0 || varnList[1].compare(0, 2, "\xFE\xFF") == 0);
    std::string bytes = mark ? "\r\n" : "";
    for (int i = 1; i <= varnCount; ++i) {
        bytes += varnList[i] + "\r\n";
    }
    return bytes;
}

const FileError RENAME_ERRORS[] = {FileError::InUse, FileError::AccessDenied, FileError::Other};

void injectFault(std::uint8_t kind, std::size_t at) {
    const int fault = (kind >> 1) % 8;
    // Written in place, the list survives failures but not a crash: that
    // folder takes no file to write the new list apart.
    if ((kind & 1) != 0 && fault < 6) {
        fakefs::refuseNewFiles();  // the in-place path
    }
    switch (fault) {
        case 0:
            fakefs::diskFullAfter(at);
            break;
        case 1:
            fakefs::failWriteAt(at);
            break;
        case 2:
            fakefs::failFlushes();
            break;
        case 3:
            fakefs::failCuts();
            break;
        case 4:
            fakefs::refuseRenames(RENAME_ERRORS[at % 3], (at / 3) % 10 == 9
                                                             ? fakefs::ALWAYS
                                                             : static_cast<int>(at / 3 % 10));
            break;
        case 5:
            fakefs::loseReplacedFileOnce();
            break;
        default:
            fakefs::crashAfter(at % 64);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // Taken from the input's end, so a seed is a list file as it stands.
    const std::uint8_t faultKind = input.ConsumeIntegral<std::uint8_t>();
    const std::uint16_t faultAt = input.ConsumeIntegral<std::uint16_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    fakefs::reset();
    resetProgramState();
    fakefs::setFile(FILE_NAME, bytes);
    loadVarnList();
    const std::vector<std::string> loaded = currentList();
    if (listFileRead == ListFileRead::NotInCodePage) {
        FUZZ_CHECK(saveVarnList() == SaveResult::NotInCodePage);
        FUZZ_CHECK(fakefs::content(FILE_NAME) == bytes);
        return 0;
    }
    FUZZ_CHECK(saveVarnList() == SaveResult::Saved);
    const std::string saved = fakefs::content(FILE_NAME);
    FUZZ_CHECK(saved == writtenForm());

    resetProgramState();
    loadVarnList();
    FUZZ_CHECK(currentList() == loaded);
    FUZZ_CHECK(saveVarnList() == SaveResult::Saved);
    FUZZ_CHECK(fakefs::content(FILE_NAME) == saved);

    std::reverse(varnList.begin() + 1, varnList.begin() + 1 + varnCount);
    if (varnCount < MAX_VARNS) {
        varnList[++varnCount] = "added";
    }
    const std::vector<std::string> replacementList = currentList();
    const std::string replacement = writtenForm();
    injectFault(faultKind, faultAt);
    const SaveResult result = saveVarnList();
    const bool crashed = fakefs::crashed();
    if (!crashed && result != SaveResult::ReplaceFailed) {
        FUZZ_CHECK(fakefs::content(FILE_NAME) ==
                   (result == SaveResult::Saved ? replacement : saved));
        FUZZ_CHECK(fakefs::fileNames() == std::vector<std::string>{FILE_NAME});
        FUZZ_CHECK(fakefs::openHandleCount() == 0);
    }

    fakefs::restart();
    resetProgramState();
    loadVarnList();
    FUZZ_CHECK(currentList() == loaded || currentList() == replacementList);
    FUZZ_CHECK(crashed || result == SaveResult::ReplaceFailed ||
               currentList() == (result == SaveResult::Saved ? replacementList : loaded));
    return 0;
}
