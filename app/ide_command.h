// Parsing of the IDE's shell "open" command and of the paths derived from it.
//
// All texts here are GBK byte strings. A byte of 0x80 or more starts a
// two-byte character; its second byte belongs to that character and is never
// matched by a search, so a trail byte 0x5C is not a backslash and a trail
// byte 0x22 is not a double quote. Positions are 0-based offsets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Offset of the first `ch` at or after `from`, or std::string_view::npos.
// `from` must be a character boundary. `ch` must be an ASCII byte.
std::size_t FindByteGbk(std::string_view text, char ch, std::size_t from = 0);

// Offset of the last `ch` in `text`, or std::string_view::npos.
std::size_t FindLastByteGbk(std::string_view text, char ch);

// The program path at the start of an open command:
//   "C:\IDE\ide.exe" "%1"  ->  C:\IDE\ide.exe   (text between the first two quotes)
//   "C:\IDE\ide.exe        ->  empty            (the quote is never closed)
//   C:\IDE\ide.exe %1      ->  C:\IDE\ide.exe   (bytes before the first blank)
//   C:\IDE\ide.exe         ->  C:\IDE\ide.exe   (no blank: the whole command)
std::string ExtractProgramPath(std::string_view command);

// The directory part of `path` up to and including its last backslash, or
// empty text when the path has no backslash.
std::string DirectoryOfPath(std::string_view path);
