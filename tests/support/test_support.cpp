#include "tests/support/test_support.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "ui/engine/engine_startup.h"

void EnsureEngineStarted() {
  static const bool started = (EngineStartup(), true);
  (void)started;
}

std::vector<std::uint8_t> ReadSourceFile(const std::string& relative) {
  std::ifstream file(std::string(MORVANE_SOURCE_DIR) + "/" + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

namespace {

void RemoveTree(const std::string& directory) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((directory + "*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string full = directory + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full + "\\");
      } else {
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(directory.substr(0, directory.size() - 1).c_str());
}

}  // namespace

ScratchDirectory::ScratchDirectory() {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(sizeof temp, temp);
  static unsigned counter = 0;
  for (;;) {
    std::string candidate = std::string(temp) + "morvane-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(++counter);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate + "\\";
      break;
    }
  }
}

ScratchDirectory::~ScratchDirectory() { RemoveTree(path_); }
