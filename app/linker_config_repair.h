// The program's main job: point the IDE's linker configuration at the linker
// shipped in the IDE's own directory.
#pragma once

#include <optional>
#include <string>

enum class RepairOutcome { NotInstalled, Repaired, RepairFailed };

// The directory of the program that opens .e files, with its trailing
// backslash (empty when the program path has no backslash), or nothing when
// the association is missing or names no existing file.
std::optional<std::string> FindIdeDirectory();

// Finds the IDE, sets IdeDirectory, LinkerPath and LinkIniPath, and rewrites
// tools\link.ini in the IDE's directory. On NotInstalled nothing is written
// and the three paths keep their values.
RepairOutcome LinkerConfigRepair();

// What the user is told about an outcome.
struct RepairMessage {
  const char* Text;     // GBK
  const char* Caption;  // GBK; nullptr: the message box's default caption
  unsigned IconKind;    // MB_ICONERROR or MB_ICONINFORMATION
};

RepairMessage RepairMessageFor(RepairOutcome outcome);
