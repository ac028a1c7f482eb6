// libFuzzer target for the open-command parser and the directory split.
// The input is passed as a view of libFuzzer's own buffer, so a read past its
// end is caught by AddressSanitizer. Results are compared with a plain
// reference that marks the trail bytes first and then searches.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/ide_command.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// IsTrail[i]: byte i is the second byte of a two-byte character.
std::vector<bool> TrailMask(std::string_view text) {
  std::vector<bool> isTrail(text.size(), false);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isTrail[i] && static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size()) isTrail[i + 1] = true;
  }
  return isTrail;
}

std::size_t ReferenceFind(std::string_view text, const std::vector<bool>& isTrail, char ch, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == ch && !isTrail[i]) return i;
  }
  return std::string_view::npos;
}

std::string ReferencePath(std::string_view command) {
  const std::vector<bool> isTrail = TrailMask(command);
  const std::size_t q = ReferenceFind(command, isTrail, '"', 0);
  const std::size_t firstBlank = ReferenceFind(command, isTrail, ' ', 0);
  const bool programBeforeQuote = firstBlank != std::string_view::npos && firstBlank > 0 && firstBlank < q;
  if (q != std::string_view::npos && !programBeforeQuote) {
    const std::size_t r = ReferenceFind(command, isTrail, '"', q + 1);
    return r == std::string_view::npos ? std::string() : std::string(command.substr(q + 1, r - q - 1));
  }
  const std::size_t s = ReferenceFind(command, isTrail, ' ', 0);
  return std::string(s == std::string_view::npos ? command : command.substr(0, s));
}

std::string ReferenceDirectory(std::string_view path) {
  const std::vector<bool> isTrail = TrailMask(path);
  for (std::size_t i = path.size(); i-- > 0;) {
    if (path[i] == '\\' && !isTrail[i]) return std::string(path.substr(0, i + 1));
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view command(reinterpret_cast<const char*>(data), size);

  const std::string path = ExtractProgramPath(command);
  Require(path == ReferencePath(command));

  const std::string directory = DirectoryOfPath(command);
  Require(directory == ReferenceDirectory(command));
  Require(DirectoryOfPath(directory) == directory);
  Require(DirectoryOfPath(path) == ReferenceDirectory(path));
  return 0;
}
