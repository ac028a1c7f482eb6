#include "ui/engine/text_codec.h"

#include <windows.h>

std::wstring AnsiToWide(std::string_view text, unsigned codePage) {
  if (text.empty()) return {};
  const std::string source(text);  // zero-terminated copy, as the converter reads to the terminator
  const int units = MultiByteToWideChar(codePage, 0, source.c_str(), -1, nullptr, 0);
  if (units <= 1) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, source.c_str(), -1, wide.data(), units);
  wide.resize(wide.find(L'\0'));
  return wide;
}

std::string WideToAnsi(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) return {};
  const std::wstring source(wide);
  const int bytes = WideCharToMultiByte(codePage, 0, source.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, 0, source.c_str(), -1, text.data(), bytes, nullptr, nullptr);
  text.resize(text.find('\0'));
  return text;
}
