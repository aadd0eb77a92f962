// A stand-in for the Windows CE Application Manager, for the launcher's end-to-end
// test. It writes what it was started with to "command-line.txt" beside itself: the
// raw command line, each argument as the C runtime splits it, and the first line of
// the file the first argument names (the installation description), so the test sees
// both the quoting and that the path leads to the real file.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string FolderOfThisProgram() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string FirstLine(const char* path) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) {
        return "(unreadable)";
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::ofstream record(FolderOfThisProgram() + "command-line.txt", std::ios::binary);
    record << "command line: " << GetCommandLineA() << '\n';
    for (int i = 1; i < __argc; ++i) {
        record << "argument: " << __argv[i] << '\n';
    }
    record << "first line: " << (__argc > 1 ? FirstLine(__argv[1]) : "(no argument)") << '\n';
    return record.flush() ? 0 : 1;
}
