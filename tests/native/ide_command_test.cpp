#include "app/ide_command.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// "\x9c\x5c" is the GBK character 淺: its trail byte is the backslash byte.
#define SHALLOW "\x9c\x5c"

struct CommandCase {
  const char* Name;
  std::string Command;
  std::string Path;
};

const std::string kLongPath = "C:\\" + std::string(1200, 'a') + "\\ide.exe";

const CommandCase kCommandCases[] = {
    {"QuotedWithQuotedArgument", "\"C:\\IDE\\ide.exe\" \"%1\"", "C:\\IDE\\ide.exe"},
    {"QuotedWithSpaces", "\"C:\\Program Files\\IDE\\ide.exe\" \"%1\"", "C:\\Program Files\\IDE\\ide.exe"},
    {"QuotedAlone", "\"C:\\IDE\\ide.exe\"", "C:\\IDE\\ide.exe"},
    {"EmptyQuotes", "\"\" \"%1\"", ""},
    {"UnquotedWithBlank", "C:\\IDE\\ide.exe %1", "C:\\IDE\\ide.exe"},
    {"UnquotedWithoutBlank", "C:\\IDE\\ide.exe", "C:\\IDE\\ide.exe"},
    {"LeadingBlank", " C:\\IDE\\ide.exe", ""},
    // The first quote decides the form, even after an unquoted program path.
    {"UnquotedThenQuotedArgument", "C:\\IDE\\ide.exe \"%1\"", "C:\\IDE\\ide.exe"},
    {"UnquotedSpacesPathThenQuotedArgument", "C:\\Program Files\\IDE\\ide.exe \"%1\"", "C:\\Program"},
    {"LeadingBlankThenQuotedPath", " \"C:\\IDE\\ide.exe\" \"%1\"", "C:\\IDE\\ide.exe"},
    {"UnclosedQuote", "\"C:\\Program Files\\IDE\\ide.exe %1", ""},
    {"Empty", "", ""},
    {"TrailBackslashQuoted", "\"C:\\" SHALLOW "\\ide.exe\" \"%1\"", "C:\\" SHALLOW "\\ide.exe"},
    {"TrailBackslashUnquoted", "C:\\" SHALLOW "\\ide.exe %1", "C:\\" SHALLOW "\\ide.exe"},
    // A byte after a lead byte is never a quote or a blank.
    {"TrailQuoteInsideQuotes", "\"C:\\\x81\"x\\ide.exe\" \"%1\"", "C:\\\x81\"x\\ide.exe"},
    {"TrailQuoteUnquoted", "C:\\\x81\"x\\ide.exe", "C:\\\x81\"x\\ide.exe"},
    {"TrailBlankUnquoted", "C:\\\x81 x\\ide.exe %1", "C:\\\x81 x\\ide.exe"},
    {"LeadHidesClosingQuote", "\"C:\\IDE\\x\x81\"", ""},
    {"LeadByteAtEndUnquoted", "C:\\IDE\\x\x81", "C:\\IDE\\x\x81"},
    {"LeadByteAtEndQuoted", "\"C:\\IDE\\x\x81", ""},
    {"LongQuoted", "\"" + kLongPath + "\" \"%1\"", kLongPath},
    {"LongUnquoted", kLongPath + " %1", kLongPath},
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.Name; }

class ExtractProgramPathTest : public testing::TestWithParam<CommandCase> {};

TEST_P(ExtractProgramPathTest, YieldsPath) { EXPECT_EQ(ExtractProgramPath(GetParam().Command), GetParam().Path); }

INSTANTIATE_TEST_SUITE_P(Commands, ExtractProgramPathTest, testing::ValuesIn(kCommandCases),
                         [](const auto& info) { return std::string(info.param.Name); });

struct DirectoryCase {
  const char* Name;
  std::string Path;
  std::string Directory;
};

const DirectoryCase kDirectoryCases[] = {
    {"Plain", "C:\\IDE\\ide.exe", "C:\\IDE\\"},
    {"Spaces", "C:\\Program Files\\IDE\\ide.exe", "C:\\Program Files\\IDE\\"},
    {"DriveRoot", "C:\\ide.exe", "C:\\"},
    {"EndsWithBackslash", "C:\\IDE\\", "C:\\IDE\\"},
    {"Unc", "\\\\server\\share\\ide.exe", "\\\\server\\share\\"},
    {"NoBackslash", "ide.exe", ""},
    {"Empty", "", ""},
    {"TrailBackslashInDirectory", "C:\\" SHALLOW "\\ide.exe", "C:\\" SHALLOW "\\"},
    {"TrailBackslashInFileName", "C:\\IDE\\" SHALLOW "ide.exe", "C:\\IDE\\"},
    {"TrailBackslashOnly", SHALLOW "ide.exe", ""},
    {"LeadByteAtEnd", "C:\\IDE\\x\x81", "C:\\IDE\\"},
    {"LeadByteBeforeFinalBackslash", "C:\\IDE\\x\x81\\", "C:\\IDE\\"},
    {"Long", kLongPath, kLongPath.substr(0, kLongPath.size() - 7)},
};

void PrintTo(const DirectoryCase& c, std::ostream* os) { *os << c.Name; }

class DirectoryOfPathTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryOfPathTest, YieldsDirectory) { EXPECT_EQ(DirectoryOfPath(GetParam().Path), GetParam().Directory); }

INSTANTIATE_TEST_SUITE_P(Paths, DirectoryOfPathTest, testing::ValuesIn(kDirectoryCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FindByteGbkTest, SearchesFromPositionAndPastTheEnd) {
  const std::string text = "a\"b\x81\"c\"";
  EXPECT_EQ(FindByteGbk(text, '"'), 1u);
  EXPECT_EQ(FindByteGbk(text, '"', 2), 6u);
  EXPECT_EQ(FindByteGbk(text, '"', text.size()), std::string::npos);
  EXPECT_EQ(FindByteGbk(text, '"', text.size() + 5), std::string::npos);
  EXPECT_EQ(FindLastByteGbk(text, '"'), 6u);
  EXPECT_EQ(FindLastByteGbk("\x81\"", '"'), std::string::npos);
}

}  // namespace
