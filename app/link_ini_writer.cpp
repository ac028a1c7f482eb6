#include "app/link_ini_writer.h"

namespace link_ini_writer_detail {

namespace {

BOOL WriteWhole(HANDLE file, const void* data, DWORD size, DWORD* written) {
  return WriteFile(file, data, size, written, nullptr);
}

}  // namespace

WriteStep Write = WriteWhole;

}  // namespace link_ini_writer_detail

namespace {

// A name beside `path` that is not taken yet. With `handle`, the file is
// created under that name, open for writing and not shared; without, only a
// free name is found.
std::string UnusedSiblingName(const std::string& path, const char* kind, HANDLE* handle) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + kind;
    if (handle) {
      *handle = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (*handle != INVALID_HANDLE_VALUE) return name;
      if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return {};
    } else if (GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND) {
      return name;
    }
  }
  return {};
}

bool WriteAndFlush(HANDLE file, std::string_view bytes) {
  if (bytes.size() > MAXDWORD) return false;
  const DWORD size = static_cast<DWORD>(bytes.size());
  DWORD written = 0;
  if (!link_ini_writer_detail::Write(file, bytes.data(), size, &written) || written != size) return false;
  return FlushFileBuffers(file) != FALSE;
}

// Puts `temporary` in the place of the existing file `path`, which has
// `attributes`. The old file is first renamed to a backup name, so that a
// failed swap can be undone.
bool ReplaceExisting(const std::string& path, DWORD attributes, const std::string& temporary) {
  // ReplaceFile carries the attributes over on Windows but not everywhere it
  // is emulated; set them beforehand so the result is the same.
  const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                   FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
  if (!SetFileAttributesA(temporary.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL)) return false;
  const std::string backup = UnusedSiblingName(path, ".old", nullptr);
  if (backup.empty()) return false;
  if (ReplaceFileA(path.c_str(), temporary.c_str(), backup.c_str(), 0, nullptr, nullptr)) {
    DeleteFileA(backup.c_str());
    return true;
  }
  // Here the old file was moved to the backup name and the new one could not
  // take its place: bring the old one back.
  if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
    MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
  return false;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  // Only a file that is plainly absent is created; one that cannot be looked
  // at, a read-only one or a directory of that name is left alone.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;

  HANDLE file = INVALID_HANDLE_VALUE;
  const std::string temporary = UnusedSiblingName(path, ".tmp", &file);
  if (temporary.empty()) return false;
  const bool written = WriteAndFlush(file, bytes);
  const bool closed = CloseHandle(file) != FALSE;

  const bool placed =
      written && closed &&
      (exists ? ReplaceExisting(path, attributes, temporary)
              : MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  if (!placed) DeleteFileA(temporary.c_str());
  return placed;
}
