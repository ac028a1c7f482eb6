// Compiled with -fexec-charset=GBK, like the program: the Chinese literals
// here are GBK bytes.
#include "app/link_ini_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kGoldenLinkerPath = "C:\\IDE\\VC98linker\\Bin\\link.exe";

std::string ReadGolden() {
  std::ifstream in(MORVANE_GOLDEN_DIR "/link.ini", std::ios::binary);
  EXPECT_TRUE(in) << "cannot open the golden link.ini";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits at CR LF. Fails the test on a lone CR or LF or a missing final CR LF.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text after the last CR LF: " << text.substr(start);
      break;
    }
    std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "lone CR or LF: " << line;
    lines.push_back(std::move(line));
    start = end + 2;
  }
  return lines;
}

bool HasNonAscii(const std::string& s) {
  for (unsigned char c : s) {
    if (c >= 0x80) return true;
  }
  return false;
}

TEST(LinkIniTextTest, MatchesGoldenBytes) { EXPECT_EQ(ComposeLinkIni(kGoldenLinkerPath), ReadGolden()); }

TEST(LinkIniTextTest, ShapeAndOnlyLine15DependsOnThePath) {
  // A path with blanks and a GBK character whose trail byte is 0x5C.
  const std::string path = "D:\\Program Files\\\x9c\x5c\\VC98linker\\Bin\\link.exe";
  const std::string text = ComposeLinkIni(path);

  ASSERT_GE(text.size(), 4u);
  EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(text.find('\0'), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");

  const std::vector<std::string> lines = SplitLines(text);
  const std::vector<std::string> golden = SplitLines(ReadGolden());
  ASSERT_EQ(lines.size(), 76u);
  ASSERT_EQ(golden.size(), 76u);
  EXPECT_EQ(lines[14], "linker=\"" + path + "\"");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 14) {
      EXPECT_EQ(lines[i], golden[i]) << "line " << i + 1;
    }
  }
}

TEST(LinkIniTextTest, FixedLines) {
  struct Row {
    int Line;
    const char* Text;
  };
  const Row rows[] = {
      {1, "[linker]"},
      {2, ";"},
      {4, ";"},
      {8, ";"},
      {9, ""},
      {10, ""},
      {11, ";linker_type=vc6"},
      {13, ""},
      {14, ""},
      {15, "linker=\"C:\\IDE\\VC98linker\\Bin\\link.exe\""},
      {18, ""},
      {19, ""},
      {20, ";output_file=\"C:\\e_link_output.txt\""},
      {23, ""},
      {24, ""},
      {25, ";extra_args="},
      {27, ""},
      {28, ""},
      {29, ";show_command_line=yes"},
      {32, ""},
      {33, ""},
      {34, ";stop_if_too_many_errors=no"},
      {37, ""},
      {38, ""},
      {39, ";retain_intermediate_files=yes"},
      {42, ""},
      {43, ""},
      {44, ";show_warning=yes"},
      {47, ""},
      {48, ""},
      {49, ";post_link_actionX=command_and_args"},
      {50, ";"},
      {55, ";"},
      {71, ";"},
      {73, ";post_link_action1=$(ECHO) 静态编译成功：$(TARGET)"},
      {74, ";post_link_action2=$(START) $(TARGET)"},
      {75,
       ";post_link_action3=cmd.exe /c copy $(TARGET) "
       "\"C:\\$(TARGET_FILE_BASE_NAME).$(TARGET_FILE_EXT)\""},
      {76, ""},
  };
  const std::vector<std::string> lines = SplitLines(ComposeLinkIni(kGoldenLinkerPath));
  ASSERT_EQ(lines.size(), 76u);
  for (const Row& row : rows) EXPECT_EQ(lines[row.Line - 1], row.Text) << "line " << row.Line;
  // Independent of the compiler's execution character set.
  EXPECT_EQ(lines[72],
            ";post_link_action1=$(ECHO) "
            "\xBE\xB2\xCC\xAC\xB1\xE0\xD2\xEB\xB3\xC9\xB9\xA6\xA3\xBA$(TARGET)");
}

TEST(LinkIniTextTest, CommentLinesHaveTheirPrefixAndTopic) {
  struct Row {
    int Line;
    const char* Prefix;
    const char* Topic;  // the entry the comment documents, if it names one
  };
  const Row rows[] = {
      {3, "; ", ""},
      {5, "; ", ""},
      {6, "; ", ""},
      {7, "; ", ""},
      {12, ";  ", "linker_type"},
      {16, ";  ", "linker"},
      {17, ";  ", "linker_type"},
      {21, ";  ", "output_file"},
      {22, ";  ", "输出"},
      {26, ";  ", "extra_args"},
      {30, ";  ", "show_command_line"},
      {31, ";  ", "yes"},
      {35, ";  ", "stop_if_too_many_errors"},
      {36, ";  ", "yes"},
      {40, ";  ", "retain_intermediate_files"},
      {41, ";  ", "yes"},
      {45, ";  ", "show_warning"},
      {46, ";  ", "yes"},
      {51, ";  ", "post_link_actionX"},
      {52, ";  ", "X"},
      {53, ";  ", ""},
      {54, ";  ", "$(START) command_and_args"},
      {56, ";  ", ""},
      {69, ";  ", ""},
      {70, ";  ", "$$(TARGET)"},
      {72, ";", ""},
  };
  const std::vector<std::string> lines = SplitLines(ComposeLinkIni(kGoldenLinkerPath));
  ASSERT_EQ(lines.size(), 76u);
  for (const Row& row : rows) {
    const std::string& line = lines[row.Line - 1];
    const std::string prefix = row.Prefix;
    SCOPED_TRACE("line " + std::to_string(row.Line));
    ASSERT_GT(line.size(), prefix.size());
    EXPECT_EQ(line.substr(0, prefix.size()), prefix);
    EXPECT_NE(line[prefix.size()], ' ');
    EXPECT_TRUE(HasNonAscii(line)) << "expected Chinese prose";
    EXPECT_NE(line.find(row.Topic), std::string::npos) << "should mention " << row.Topic;
  }
}

TEST(LinkIniTextTest, MacroLinesPadNamesTo28Characters) {
  const char* const names[] = {
      "$(TARGET), $(TARGET_FILE)",
      "$(TARGET_NON_QUOTED)",
      "$(TARGET_DIR)",
      "$(TARGET_FILE_NAME)",
      "$(TARGET_FILE_BASE_NAME)",
      "$(TARGET_FILE_EXT)",
      "$(OS_SYSTEM), $(OS_TEMP)",
      "$(E_HOME), $(E_TOOLS)",
      "$(ECHO)",
      "$(START)",
      "$(CMD_ECHO)",
      "$(CMD_START)",
  };
  const std::vector<std::string> lines = SplitLines(ComposeLinkIni(kGoldenLinkerPath));
  ASSERT_EQ(lines.size(), 76u);
  for (int i = 0; i < 12; ++i) {
    const std::string& line = lines[56 + i];
    std::string column = names[i];
    column.resize(28, ' ');
    SCOPED_TRACE("line " + std::to_string(57 + i));
    EXPECT_EQ(line.substr(0, 5 + 28), ";    " + column);
    ASSERT_GT(line.size(), 5u + 28u);
    EXPECT_NE(line[5 + 28], ' ') << "the description starts right after the column";
  }
}

}  // namespace
