// Replacing a file's contents so that it never holds a partial write.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Makes `path` hold exactly `bytes`. The bytes go to a new temporary file in
// the same directory, which is flushed and then put in place of `path`: with
// ReplaceFile when `path` exists (keeping its attributes and security), else
// by a write-through move. Returns true only when every byte was written and
// flushed and the temporary file took the place of `path`. On failure the
// temporary file is removed and an existing `path` keeps its old contents.
// The directory is never created; a read-only `path` is never replaced.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

namespace link_ini_writer_detail {

// The single write of the whole contents into the temporary file; WriteFile
// by default. Tests swap it to simulate failing or short writes.
using WriteStep = BOOL (*)(HANDLE file, const void* data, DWORD size, DWORD* written);
extern WriteStep Write;

}  // namespace link_ini_writer_detail
