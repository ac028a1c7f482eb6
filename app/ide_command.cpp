#include "app/ide_command.h"

namespace {

constexpr bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Width of the character starting at `pos`: 2 for a lead byte, else 1. A lead
// byte in the last position has no trail byte; stepping past it simply ends
// the scan.
constexpr std::size_t CharWidth(std::string_view text, std::size_t pos) { return IsLeadByte(text[pos]) ? 2 : 1; }

}  // namespace

std::size_t FindByteGbk(std::string_view text, char ch, std::size_t from) {
  for (std::size_t pos = from; pos < text.size(); pos += CharWidth(text, pos)) {
    if (text[pos] == ch) return pos;
  }
  return std::string_view::npos;
}

std::size_t FindLastByteGbk(std::string_view text, char ch) {
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += CharWidth(text, pos)) {
    if (text[pos] == ch) found = pos;
  }
  return found;
}

std::string ExtractProgramPath(std::string_view command) {
  const std::size_t open = FindByteGbk(command, '"');
  const std::size_t blank = FindByteGbk(command, ' ');
  // A program path written without quotes ends at its first blank, even when a quoted
  // argument follows ("C:\IDE\e.exe "%1""): the quotes belong to the argument then.
  const bool unquotedProgram = blank != std::string_view::npos && blank > 0 && blank < open;
  if (open != std::string_view::npos && !unquotedProgram) {
    const std::size_t close = FindByteGbk(command, '"', open + 1);
    if (close == std::string_view::npos) return {};
    return std::string(command.substr(open + 1, close - open - 1));
  }
  return std::string(command.substr(0, blank));
}

std::string DirectoryOfPath(std::string_view path) {
  const std::size_t slash = FindLastByteGbk(path, '\\');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash + 1));
}
