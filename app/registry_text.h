// Reading default values of registry keys as GBK text.
#pragma once

#include <windows.h>

#include <string>

// Whether the key `subKey` of `root` can be opened for reading and has a
// default value, of any type.
bool HasDefaultValue(HKEY root, const std::string& subKey);

// The default value of the key `subKey` of `root` as text: REG_SZ as stored,
// REG_EXPAND_SZ with its environment-variable references expanded. A missing
// key or value, or a value of any other type, reads as empty text. The value
// is read whole, whatever its length; it ends at its first zero byte or, when
// it was stored without one, at its last byte.
std::string ReadDefaultValueText(HKEY root, const std::string& subKey);
