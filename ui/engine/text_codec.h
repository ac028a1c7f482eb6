// Conversions between the program's ANSI (GBK) texts and the UTF-16 strings GDI+ takes.
#pragma once

#include <string>
#include <string_view>

// UTF-16 form of `text` in `codePage`. The result's c_str() is the zero-terminated block
// handed to GDI+.
std::wstring AnsiToWide(std::string_view text, unsigned codePage);

// ANSI form of `wide` in `codePage`, cut at its first zero byte.
std::string WideToAnsi(std::wstring_view wide, unsigned codePage);
