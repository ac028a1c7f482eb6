// The linker configuration repair against a scratch registry and scratch
// directories: HKEY_CLASSES_ROOT is redirected to a key under HKEY_CURRENT_USER
// for the length of each test.
#include <aclapi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_globals.h"
#include "app/ide_command.h"
#include "app/link_ini_text.h"
#include "app/link_ini_writer.h"
#include "app/linker_config_repair.h"
#include "app/registry_text.h"
#include "tests/support/test_support.h"

namespace {

constexpr char kProgId[] = "Morvane.TestFile";
constexpr char kCommandKey[] = "Morvane.TestFile\\Shell\\Open\\Command";
constexpr char kOldContents[] = "[linker]\r\nlinker=\"D:\\old\\link.exe\"\r\n";

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot read " << path;
    return bytes;
  }
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  CloseHandle(file);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Names in a directory (given with its trailing backslash), sorted.
std::vector<std::string> ListDirectory(const std::string& directory) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((directory + "*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

void RemoveTree(const std::string& directory) {
  for (const std::string& name : ListDirectory(directory)) {
    const std::string full = directory + name;
    SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (GetFileAttributesA(full.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveTree(full + "\\");
    } else {
      DeleteFileA(full.c_str());
    }
  }
  RemoveDirectoryA(directory.substr(0, directory.size() - 1).c_str());
}

// Creates the directories of `relative` (ending with a backslash) below `base`.
void MakeDirectories(const std::string& base, const std::string& relative) {
  for (std::size_t end = FindByteGbk(relative, '\\'); end != std::string::npos;
       end = FindByteGbk(relative, '\\', end + 1)) {
    CreateDirectoryA((base + relative.substr(0, end)).c_str(), nullptr);
  }
}

class LinkerConfigTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 936u) << "the tests need the Chinese (GBK) ANSI code page";
    scratchKeyPath_ = "Software\\Morvane tests\\linker-config-" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratchKeyPath_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &classes_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_), ERROR_SUCCESS);
    IdeDirectory = "previous ide\\";
    LinkerPath = "previous linker";
    LinkIniPath = "previous ini";
  }

  void TearDown() override {
    link_ini_writer_detail::Write = originalWrite_;
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (classes_) RegCloseKey(classes_);
    RegDeleteTreeA(HKEY_CURRENT_USER, scratchKeyPath_.c_str());
  }

  void SetDefault(const std::string& subKey, DWORD type, std::string_view data, bool terminated = true) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(classes_, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    std::string stored(data);
    if (terminated) stored.push_back('\0');
    EXPECT_EQ(RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(stored.data()),
                             static_cast<DWORD>(stored.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  void Associate(std::string_view command, DWORD type = REG_SZ, bool terminated = true) {
    SetDefault(".e", REG_SZ, kProgId);
    SetDefault(kCommandKey, type, command, terminated);
  }

  // An IDE directory below the scratch directory, with the program file in it and,
  // when asked, its tools directory. Returns the directory with its trailing backslash.
  std::string MakeIde(const std::string& relative = "IDE\\", const std::string& program = "ide.exe",
                      bool withTools = true) {
    MakeDirectories(scratch_.Path(), relative);
    const std::string directory = scratch_.Path() + relative;
    if (!program.empty()) WriteBytes(directory + program, "MZ");
    if (withTools) CreateDirectoryA((directory + "tools").c_str(), nullptr);
    return directory;
  }

  void ExpectPathsUntouched() {
    EXPECT_EQ(IdeDirectory, "previous ide\\");
    EXPECT_EQ(LinkerPath, "previous linker");
    EXPECT_EQ(LinkIniPath, "previous ini");
  }

  // A RepairFailed case: the old link.ini is unchanged and nothing was added beside it.
  void ExpectFailedAndUnchanged(const std::string& ide) {
    EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::RepairFailed);
    EXPECT_EQ(ReadBytes(ide + "tools\\link.ini"), kOldContents);
    EXPECT_EQ(ListDirectory(ide + "tools\\"), std::vector<std::string>{"link.ini"});
  }

  ScratchDirectory scratch_;
  std::string scratchKeyPath_;
  HKEY classes_ = nullptr;
  link_ini_writer_detail::WriteStep originalWrite_ = link_ini_writer_detail::Write;
};

// ---------------------------------------------------------------------------
// Open commands, end to end.

struct CommandRow {
  const char* Name;
  const char* IdeSubdirectory;  // below the scratch directory
  const char* Program;          // created in it; empty: none
  DWORD Type;
  std::string Command;  // "<ide>" stands for the IDE directory
  bool Terminated;      // stored with its terminating zero byte
  RepairOutcome Outcome;
};

// "\x9c\x5c" is the GBK character 淺, whose trail byte is the backslash byte.
const CommandRow kCommandRows[] = {
    {"QuotedWithQuotedArgument", "IDE\\", "ide.exe", REG_SZ, "\"<ide>ide.exe\" \"%1\"", true, RepairOutcome::Repaired},
    {"QuotedPathWithSpaces", "Program Files\\IDE\\", "ide.exe", REG_SZ, "\"<ide>ide.exe\" \"%1\"", true,
     RepairOutcome::Repaired},
    {"UnquotedWithBlank", "IDE\\", "ide.exe", REG_SZ, "<ide>ide.exe %1", true, RepairOutcome::Repaired},
    {"UnquotedWithoutBlank", "IDE\\", "ide.exe", REG_SZ, "<ide>ide.exe", true, RepairOutcome::Repaired},
    {"UnquotedThenQuotedArgument", "IDE\\", "ide.exe", REG_SZ, "<ide>ide.exe \"%1\"", true, RepairOutcome::Repaired},
    {"UnquotedPathWithSpacesIsCut", "Program Files\\IDE\\", "ide.exe", REG_SZ, "<ide>ide.exe %1", true,
     RepairOutcome::NotInstalled},
    {"UnclosedQuote", "IDE\\", "ide.exe", REG_SZ, "\"<ide>ide.exe %1", true, RepairOutcome::NotInstalled},
    {"ExpandSz", "IDE\\", "ide.exe", REG_EXPAND_SZ, "\"%MORVANE_TEST_IDE%ide.exe\" \"%1\"", true,
     RepairOutcome::Repaired},
    {"GbkTrailBackslashInDirectory", "\x9c\x5c\\", "ide.exe", REG_SZ, "\"<ide>ide.exe\" \"%1\"", true,
     RepairOutcome::Repaired},
    {"GbkTrailBackslashInProgramName", "IDE\\", "\x9c\x5c.exe", REG_SZ, "<ide>\x9c\x5c.exe %1", true,
     RepairOutcome::Repaired},
    {"LongerThan1000Bytes", "IDE\\", "ide.exe", REG_SZ, "\"<ide>ide.exe\" \"%1\" " + std::string(1500, 'a'), true,
     RepairOutcome::Repaired},
    {"StoredWithoutZeroByte", "IDE\\", "ide.exe", REG_SZ, "<ide>ide.exe", false, RepairOutcome::Repaired},
    {"WrongValueType", "IDE\\", "ide.exe", REG_BINARY, "\"<ide>ide.exe\" \"%1\"", true, RepairOutcome::NotInstalled},
    {"ProgramMissing", "IDE\\", "", REG_SZ, "\"<ide>ide.exe\" \"%1\"", true, RepairOutcome::NotInstalled},
};

void PrintTo(const CommandRow& row, std::ostream* os) { *os << row.Name; }

class OpenCommandTest : public LinkerConfigTest, public testing::WithParamInterface<CommandRow> {};

TEST_P(OpenCommandTest, Repairs) {
  const CommandRow& row = GetParam();
  const std::string ide = MakeIde(row.IdeSubdirectory, row.Program);
  SetEnvironmentVariableA("MORVANE_TEST_IDE", ide.c_str());
  std::string command = row.Command;
  if (const std::size_t at = command.find("<ide>"); at != std::string::npos) command.replace(at, 5, ide);
  Associate(command, row.Type, row.Terminated);

  const RepairOutcome outcome = LinkerConfigRepair();

  EXPECT_EQ(outcome, row.Outcome);
  if (row.Outcome == RepairOutcome::Repaired) {
    EXPECT_EQ(FindIdeDirectory(), ide);
    EXPECT_EQ(IdeDirectory, ide);
    EXPECT_EQ(LinkerPath, ide + "VC98linker\\Bin\\link.exe");
    EXPECT_EQ(LinkIniPath, ide + "tools\\link.ini");
    EXPECT_EQ(ReadBytes(ide + "tools\\link.ini"), ComposeLinkIni(ide + "VC98linker\\Bin\\link.exe"));
  } else {
    EXPECT_FALSE(FindIdeDirectory().has_value());
    ExpectPathsUntouched();
    EXPECT_TRUE(ListDirectory(ide + "tools\\").empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, OpenCommandTest, testing::ValuesIn(kCommandRows),
                         [](const auto& param) { return std::string(param.param.Name); });

TEST_F(LinkerConfigTest, NoAssociationWritesNothing) {
  const std::string ide = MakeIde();
  EXPECT_FALSE(FindIdeDirectory().has_value());
  EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::NotInstalled);
  ExpectPathsUntouched();
  EXPECT_TRUE(ListDirectory(ide + "tools\\").empty());
}

TEST_F(LinkerConfigTest, ProgramWithoutBackslashUsesCurrentDirectory) {
  const std::string ide = MakeIde();
  char previous[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(ide.c_str()));
  Associate("ide.exe %1");

  const RepairOutcome outcome = LinkerConfigRepair();
  SetCurrentDirectoryA(previous);

  EXPECT_EQ(outcome, RepairOutcome::Repaired);
  EXPECT_EQ(IdeDirectory, "");
  EXPECT_EQ(LinkerPath, "VC98linker\\Bin\\link.exe");
  EXPECT_EQ(LinkIniPath, "tools\\link.ini");
  EXPECT_EQ(ReadBytes(ide + "tools\\link.ini"), ComposeLinkIni("VC98linker\\Bin\\link.exe"));
}

// ---------------------------------------------------------------------------
// Reading registry values.

TEST_F(LinkerConfigTest, ReadsDefaultValuesAsText) {
  const std::string longText(5000, 'x');
  const std::string longVariable(3000, 'v');
  SetEnvironmentVariableA("MORVANE_TEST_VALUE", longVariable.c_str());
  struct Row {
    const char* Key;
    DWORD Type;
    std::string Data;
    bool Terminated;
    std::string Text;
  };
  const Row rows[] = {
      {"sz", REG_SZ, "C:\\IDE\\ide.exe", true, "C:\\IDE\\ide.exe"},
      {"sz-unterminated", REG_SZ, "C:\\IDE\\ide.exe", false, "C:\\IDE\\ide.exe"},
      {"sz-embedded-zero", REG_SZ, std::string("ab\0cd", 5), true, "ab"},
      {"sz-empty", REG_SZ, "", true, ""},
      {"sz-long", REG_SZ, longText, true, longText},
      {"sz-gbk", REG_SZ, "\xD2\xD7\x9c\x5c", true, "\xD2\xD7\x9c\x5c"},
      {"expand", REG_EXPAND_SZ, "<%MORVANE_TEST_VALUE%>", true, "<" + longVariable + ">"},
      {"expand-unterminated", REG_EXPAND_SZ, "%MORVANE_TEST_VALUE%", false, longVariable},
      {"multi-sz", REG_MULTI_SZ, std::string("a\0b\0", 4), true, ""},
      {"binary", REG_BINARY, "C:\\IDE\\ide.exe", true, ""},
      {"dword", REG_DWORD, std::string("\x01\x00\x00\x00", 4), false, ""},
  };
  for (const Row& row : rows) {
    SetDefault(row.Key, row.Type, row.Data, row.Terminated);
    EXPECT_EQ(ReadDefaultValueText(HKEY_CLASSES_ROOT, row.Key), row.Text) << row.Key;
    EXPECT_TRUE(HasDefaultValue(HKEY_CLASSES_ROOT, row.Key)) << row.Key;
  }

  HKEY bare = nullptr;
  ASSERT_EQ(RegCreateKeyExA(classes_, "bare", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &bare, nullptr), ERROR_SUCCESS);
  RegCloseKey(bare);
  EXPECT_FALSE(HasDefaultValue(HKEY_CLASSES_ROOT, "bare"));
  EXPECT_EQ(ReadDefaultValueText(HKEY_CLASSES_ROOT, "bare"), "");
  EXPECT_FALSE(HasDefaultValue(HKEY_CLASSES_ROOT, "missing"));
  EXPECT_EQ(ReadDefaultValueText(HKEY_CLASSES_ROOT, "missing"), "");
}

TEST_F(LinkerConfigTest, AssociationWithoutUsableProgIdIsNotInstalled) {
  const std::string ide = MakeIde();
  SetDefault(kCommandKey, REG_SZ, "\"" + ide + "ide.exe\" \"%1\"");

  HKEY bare = nullptr;  // .e without a default value
  ASSERT_EQ(RegCreateKeyExA(classes_, ".e", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &bare, nullptr), ERROR_SUCCESS);
  RegCloseKey(bare);
  EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::NotInstalled);

  SetDefault(".e", REG_BINARY, kProgId);  // present, but not text
  EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::NotInstalled);

  ExpectPathsUntouched();
  EXPECT_TRUE(ListDirectory(ide + "tools\\").empty());
}

// ---------------------------------------------------------------------------
// The file written.

TEST_F(LinkerConfigTest, RepairedFileEqualsGoldenAndRepeats) {
  const std::string ide = "C:\\IDE\\";
  if (Exists(ide)) GTEST_SKIP() << ide << " exists on this machine; not touching it";
  ASSERT_TRUE(CreateDirectoryA("C:\\IDE", nullptr));
  CreateDirectoryA("C:\\IDE\\tools", nullptr);
  WriteBytes(ide + "ide.exe", "MZ");
  Associate("\"C:\\IDE\\ide.exe\" \"%1\"");
  const std::vector<std::uint8_t> golden = ReadSourceFile("tests/golden/link.ini");
  const std::string expected(golden.begin(), golden.end());

  const RepairOutcome first = LinkerConfigRepair();
  const std::string firstBytes = ReadBytes(ide + "tools\\link.ini");
  const RepairOutcome second = LinkerConfigRepair();
  const std::string secondBytes = ReadBytes(ide + "tools\\link.ini");
  const std::vector<std::string> tools = ListDirectory(ide + "tools\\");
  RemoveTree(ide);

  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(first, RepairOutcome::Repaired);
  EXPECT_EQ(second, RepairOutcome::Repaired);
  EXPECT_EQ(firstBytes, expected);
  EXPECT_EQ(secondBytes, expected);
  EXPECT_EQ(tools, std::vector<std::string>{"link.ini"});
  EXPECT_EQ(LinkerPath, "C:\\IDE\\VC98linker\\Bin\\link.exe");
}

TEST_F(LinkerConfigTest, ReplacesLongerFileWholeAndKeepsItsAttributes) {
  const std::string ide = MakeIde();
  const std::string ini = ide + "tools\\link.ini";
  WriteBytes(ini, std::string(20000, 'x'));
  ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_HIDDEN));
  const bool hiddenKept = GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_HIDDEN;
  Associate("\"" + ide + "ide.exe\" \"%1\"");

  EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::Repaired);
  EXPECT_EQ(ReadBytes(ini), ComposeLinkIni(ide + "VC98linker\\Bin\\link.exe"));
  EXPECT_EQ(ListDirectory(ide + "tools\\"), std::vector<std::string>{"link.ini"});
  if (hiddenKept) {
    EXPECT_TRUE(GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  }
}

TEST_F(LinkerConfigTest, IniReaderFindsTheLinker) {
  const std::string ide = MakeIde("\xD2\xD7 \x9c\x5c\\");  // 易 淺: blank and trail byte 0x5C
  Associate("\"" + ide + "ide.exe\" \"%1\"");
  ASSERT_EQ(LinkerConfigRepair(), RepairOutcome::Repaired);

  const std::string ini = ide + "tools\\link.ini";
  std::vector<char> value(4096);
  const DWORD length =
      GetPrivateProfileStringA("linker", "linker", "", value.data(), static_cast<DWORD>(value.size()), ini.c_str());
  EXPECT_EQ(std::string(value.data(), length), ide + "VC98linker\\Bin\\link.exe");
  // Everything else is commented out.
  for (const char* key : {"linker_type", "output_file", "extra_args", "show_command_line", "post_link_action1"}) {
    const DWORD other =
        GetPrivateProfileStringA("linker", key, "<none>", value.data(), static_cast<DWORD>(value.size()), ini.c_str());
    EXPECT_EQ(std::string(value.data(), other), "<none>") << key;
  }
}

// ---------------------------------------------------------------------------
// Failures leave the old file as it was and nothing beside it.

class RepairFailureTest : public LinkerConfigTest {
 protected:
  void SetUp() override {
    LinkerConfigTest::SetUp();
    if (HasFatalFailure()) return;
    ide_ = MakeIde();
    WriteBytes(ide_ + "tools\\link.ini", kOldContents);
    Associate("\"" + ide_ + "ide.exe\" \"%1\"");
  }

  std::string ide_;
};

TEST_F(RepairFailureTest, LinkIniHeldOpenWithoutSharing) {
  HANDLE held = CreateFileA((ide_ + "tools\\link.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::RepairFailed);
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(ide_ + "tools\\link.ini"), kOldContents);
  EXPECT_EQ(ListDirectory(ide_ + "tools\\"), std::vector<std::string>{"link.ini"});
}

TEST_F(RepairFailureTest, LinkIniReadOnly) {
  const std::string ini = ide_ + "tools\\link.ini";
  ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
  ExpectFailedAndUnchanged(ide_);
  EXPECT_TRUE(GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(RepairFailureTest, ToolsDirectoryMissing) {
  const std::string ide = MakeIde("Other\\", "ide.exe", false);
  Associate("\"" + ide + "ide.exe\" \"%1\"");
  EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::RepairFailed);
  EXPECT_EQ(IdeDirectory, ide);
  EXPECT_EQ(ListDirectory(ide), std::vector<std::string>{"ide.exe"});
}

// Denies everyone creating files in a directory and writing or deleting a
// file; the old access control lists come back with the object's destruction.
class DenyWrites {
 public:
  explicit DenyWrites(std::vector<std::string> targets) : targets_(std::move(targets)) {
    for (const std::string& target : targets_) {
      PACL old = nullptr;
      PSECURITY_DESCRIPTOR descriptor = nullptr;
      GetNamedSecurityInfoA(target.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &old, nullptr,
                            &descriptor);
      saved_.push_back(descriptor);
      oldAcls_.push_back(old);
    }
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sid;
    if (!CreateWellKnownSid(WinWorldSid, nullptr, sid, &sidSize)) return;
    EXPLICIT_ACCESSA deny = {};
    deny.grfAccessPermissions = FILE_ADD_FILE | FILE_WRITE_DATA | FILE_APPEND_DATA | DELETE | FILE_DELETE_CHILD;
    deny.grfAccessMode = DENY_ACCESS;
    deny.grfInheritance = NO_INHERITANCE;
    deny.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    deny.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    deny.Trustee.ptstrName = reinterpret_cast<LPSTR>(sid);
    for (std::size_t i = 0; i < targets_.size(); ++i) {
      PACL acl = nullptr;
      if (SetEntriesInAclA(1, &deny, oldAcls_[i], &acl) != ERROR_SUCCESS) continue;
      applied_ += SetNamedSecurityInfoA(const_cast<char*>(targets_[i].c_str()), SE_FILE_OBJECT,
                                        DACL_SECURITY_INFORMATION, nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
      LocalFree(acl);
    }
  }
  ~DenyWrites() {
    for (std::size_t i = 0; i < targets_.size(); ++i) {
      SetNamedSecurityInfoA(const_cast<char*>(targets_[i].c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, oldAcls_[i], nullptr);
      LocalFree(saved_[i]);
    }
  }
  DenyWrites(const DenyWrites&) = delete;
  DenyWrites& operator=(const DenyWrites&) = delete;

  bool Applied() const { return applied_ == targets_.size(); }

 private:
  std::vector<std::string> targets_;
  std::vector<PSECURITY_DESCRIPTOR> saved_;
  std::vector<PACL> oldAcls_;
  std::size_t applied_ = 0;
};

TEST_F(RepairFailureTest, NoWritePermission) {
  const std::string tools = ide_ + "tools";
  DenyWrites deny({tools, tools + "\\link.ini"});
  ASSERT_TRUE(deny.Applied());
  const std::string probe = tools + "\\probe.tmp";
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    DeleteFileA(probe.c_str());
    GTEST_SKIP() << "this file system does not enforce access control lists";
  }
  ExpectFailedAndUnchanged(ide_);
}

TEST_F(RepairFailureTest, WriteFailsHalfway) {
  // Half of the bytes reach the temporary file, then the disk is full.
  link_ini_writer_detail::Write = [](HANDLE file, const void* data, DWORD size, DWORD* written) -> BOOL {
    WriteFile(file, data, size / 2, written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
  };
  ExpectFailedAndUnchanged(ide_);
}

TEST_F(RepairFailureTest, ShortWriteReportedAsSuccess) {
  link_ini_writer_detail::Write = [](HANDLE file, const void* data, DWORD size, DWORD* written) -> BOOL {
    return WriteFile(file, data, size - 1, written, nullptr);
  };
  ExpectFailedAndUnchanged(ide_);
}

TEST_F(RepairFailureTest, FailedFirstWriteLeavesNoFile) {
  // Without an old file, a failed write must not leave a partial link.ini either.
  const std::string ini = ide_ + "tools\\link.ini";
  ASSERT_TRUE(DeleteFileA(ini.c_str()));
  link_ini_writer_detail::Write = [](HANDLE file, const void* data, DWORD size, DWORD* written) -> BOOL {
    WriteFile(file, data, size / 2, written, nullptr);
    SetLastError(ERROR_WRITE_FAULT);
    return FALSE;
  };
  EXPECT_EQ(LinkerConfigRepair(), RepairOutcome::RepairFailed);
  EXPECT_TRUE(ListDirectory(ide_ + "tools\\").empty());
}

// ---------------------------------------------------------------------------
// Messages: exact GBK bytes, written out so that they do not depend on the
// compiler's execution character set.

TEST(RepairMessageTest, TextsCaptionsAndIcons) {
  struct Row {
    RepairOutcome Outcome;
    const char* Text;
    const char* Caption;
    unsigned IconKind;
  };
  const char* const kHint = "\xCC\xE1\xCA\xBE\xA3\xBA";  // 提示：
  const Row rows[] = {
      {RepairOutcome::NotInstalled,
       "\xB1\xA7\xC7\xB8.\xB2\xBB\xC4\xDC\xD6\xB4\xD0\xD0\xB4\xCB\xB2\xD9\xD7\xF7.\xBF\xC9\xC4\xDC\xB1\xBE\xBB\xFA"
       "\xCE\xB4\xB0\xB2\xD7\xB0\xD2\xD7\xD3\xEF\xD1\xD4\r\n\r\n         \xC7\xEB\xB0\xB2\xD7\xB0\xD2\xD7\xD3\xEF"
       "\xD1\xD4\xBB\xF2\xD5\xDF\xD6\xD8\xD0\xC2\xB0\xB2\xD7\xB0\xD2\xD7\xD3\xEF\xD1\xD4\xBA\xF3\xD6\xD8\xCA\xD4"
       "\xA1\xA3\r\n\r\n",
       nullptr, 16},
      {RepairOutcome::Repaired,
       "\xB6\xA8\xCE\xBB\xCE\xCA\xCC\xE2\xD2\xD1\xBE\xAD\xD0\xDE\xB8\xB4.\xC4\xE3\xB5\xC4\xD2\xD7\xD3\xEF\xD1\xD4"
       "\xBF\xC9\xD2\xD4\xBE\xB2\xCC\xAC\xB1\xE0\xD2\xEB\xC1\xCB\xA1\xA3",
       kHint, 64},
      {RepairOutcome::RepairFailed,
       "\xB1\xA7\xC7\xB8.\xD0\xDE\xB8\xB4\xCE\xB4\xB3\xC9\xB9\xA6\xA1\xA3\xC7\xEB\xBC\xEC\xB2\xE2\xCA\xC7\xB7\xF1"
       "\xB0\xB2\xD7\xB0\xD2\xD7\xD3\xEF\xD1\xD4\xBB\xF2\xD6\xD8\xD0\xC2\xB6\xA8\xCE\xBB\xA1\xA3",
       kHint, 16},
  };
  for (const Row& row : rows) {
    const RepairMessage message = RepairMessageFor(row.Outcome);
    SCOPED_TRACE(static_cast<int>(row.Outcome));
    EXPECT_STREQ(message.Text, row.Text);
    if (row.Caption) {
      EXPECT_STREQ(message.Caption, row.Caption);
    } else {
      EXPECT_EQ(message.Caption, nullptr);
    }
    EXPECT_EQ(message.IconKind, row.IconKind);
  }
}

}  // namespace
