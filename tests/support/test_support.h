// Shared helpers of the test programs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Starts the UI engine once per test process (GDI+, default font, sprite, window class).
void EnsureEngineStarted();

// Whole contents of a file of the source tree, given relative to the project root.
std::vector<std::uint8_t> ReadSourceFile(const std::string& relative);

// A fresh empty directory under the temporary directory; removed with its contents by
// the destructor.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  // With a trailing backslash.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
