// The test kit's runner, called by run-tests.cmd: runs every *_tests.exe
// beside it, each in a fresh working folder under %TEMP%, with its output in
// a log and its GoogleTest report beside that folder, and counts the reports.
// The last line it prints is "N passed, M failed, K skipped"; the exit code
// is 0 only when nothing failed and something passed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A whole program gets this long; a test that hangs must not hang the kit.
constexpr DWORD PROGRAM_LIMIT_MS = 15 * 60 * 1000;

struct Counts {
    int passed = 0;
    int failed = 0;
    int skipped = 0;
};

std::string folderOfThisProgram() {
    char path[MAX_PATH];
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of("\\/"));
}

std::vector<std::string> testPrograms(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*_tests.exe").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A new folder under %TEMP% for this run, named by the local time; empty
// when it cannot be made.
std::string newRunFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    SYSTEMTIME now;
    GetLocalTime(&now);
    char folder[MAX_PATH + 64];
    std::snprintf(folder, sizeof folder, "%sbrimlock-tests-%04u%02u%02u-%02u%02u%02u", temp,
                  now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    return CreateDirectoryA(folder, nullptr) ? folder : "";
}

std::string readWhole(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Each <testcase> of a GoogleTest XML report: failed when it holds a
// <failure>, skipped when GoogleTest says so, passed when it ran otherwise.
Counts countReport(const std::string& xml) {
    Counts counts;
    const std::string open = "<testcase ";
    for (std::size_t at = xml.find(open); at != std::string::npos;) {
        const std::size_t next = xml.find(open, at + open.size());
        const std::string testCase = xml.substr(at, next - at);
        if (testCase.find("<failure") != std::string::npos) {
            ++counts.failed;
        } else if (testCase.find("result=\"skipped\"") != std::string::npos) {
            ++counts.skipped;
        } else if (testCase.find("status=\"run\"") != std::string::npos) {
            ++counts.passed;
        }
        at = next;
    }
    return counts;
}

// Runs the program with its working folder and log; returns its exit code,
// or -1 when it could not start or ran past the limit.
long runProgram(const std::string& exe, const std::string& arguments, const std::string& folder,
                const std::string& log) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE output = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        return -1;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, folder.c_str(), &startup, &process);
    CloseHandle(output);
    if (!started) {
        return -1;
    }
    // The test programs start the programs they drive, whose windows may
    // need the foreground: let them have it where this runner may give it.
    AllowSetForegroundWindow(process.dwProcessId);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, PROGRAM_LIMIT_MS) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 10000);
        code = STILL_ACTIVE;
    } else {
        GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code == STILL_ACTIVE ? -1 : static_cast<long>(code);
}

}  // namespace

int main() {
    const std::string kit = folderOfThisProgram();
    const std::string run = newRunFolder();
    if (run.empty()) {
        std::printf("No folder for the run could be made under %%TEMP%%.\n0 passed, 1 failed\n");
        return 1;
    }
    std::printf("Working folders and logs: %s\n", run.c_str());
    std::fflush(stdout);
    Counts total;
    for (const std::string& program : testPrograms(kit)) {
        const std::string name = program.substr(0, program.size() - 4);
        const std::string folder = run + "\\" + name;
        const std::string log = folder + ".log";
        const std::string report = folder + ".xml";
        std::printf("%s ...\n", name.c_str());
        std::fflush(stdout);
        CreateDirectoryA(folder.c_str(), nullptr);
        const long code =
            runProgram(kit + "\\" + program, "--gtest_output=xml:\"" + report + "\"", folder, log);
        Counts counts = countReport(readWhole(report));
        std::string note;
        if (code != 0 && counts.failed == 0) {
            // A crash or a hang leaves no failure in the report: count one.
            counts.failed = 1;
            note = code == -1 ? " (did not start or did not end in time)"
                              : " (ended with exit code " + std::to_string(code) + ")";
        }
        std::printf("%s: %d passed, %d failed, %d skipped%s; log: %s\n", name.c_str(),
                    counts.passed, counts.failed, counts.skipped, note.c_str(), log.c_str());
        std::fflush(stdout);
        total.passed += counts.passed;
        total.failed += counts.failed;
        total.skipped += counts.skipped;
    }
    std::printf("%d passed, %d failed, %d skipped\n", total.passed, total.failed, total.skipped);
    return total.failed == 0 && total.passed > 0 ? 0 : 1;
}
