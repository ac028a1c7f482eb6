// This file holds Chinese text; it is compiled with
// -finput-charset=UTF-8 -fexec-charset=GBK so the literals are GBK bytes.
#include "app/link_ini_text.h"

#include <iterator>

namespace {

// Lines 1 to 14.
constexpr std::string_view kHead[] = {
    "[linker]",
    ";",
    "; 本文件是易语言链接器插件的配置文件，用于指定静态编译时所用的外部链接器及其参数。",
    ";",
    "; 配置项的格式为“名称=值”，等号两侧不要加空格。",
    "; 以半角分号“;”开头的行整行都是注释，不起作用。",
    "; 如需启用某个配置项，请删除该行开头的分号及其后的空白字符。",
    ";",
    "",
    "",
    ";linker_type=vc6",
    ";  linker_type 指定链接器的类型，可选值有 vc6、gcc4、elink、alink 等，目前暂不可用。",
    "",
    "",
};

// Lines 16 to 76. Line 15 is composed from the linker path.
constexpr std::string_view kTail[] = {
    ";  linker 指定链接器程序，可以是完整路径，也可以是相对于易语言安装目录的路径，可用半角双引号括起来。",
    ";  如果没有此项，将根据 linker_type 的设置查找链接器。",
    "",
    "",
    ";output_file=\"C:\\e_link_output.txt\"",
    ";  output_file 将链接器的输出重定向到指定的文件中，可以是完整路径或相对于易语言安装目录的路径，可用双引号括起来。",
    ";  如果没有此项，链接器的输出将显示在易语言的“输出”面板中。",
    "",
    "",
    ";extra_args=",
    ";  extra_args 指定传递给链接器的附加参数，默认为空。",
    "",
    "",
    ";show_command_line=yes",
    ";  show_command_line 指定是否在易语言的输出面板中显示链接器的命令行。",
    ";  可选值为 yes 或 no，默认为 no。",
    "",
    "",
    ";stop_if_too_many_errors=no",
    ";  stop_if_too_many_errors 指定出现过多错误信息（约 30 条）时是否允许中止链接。",
    ";  可选值为 yes 或 no，默认为 yes，此时将弹出信息框询问用户是否中止链接。",
    "",
    "",
    ";retain_intermediate_files=yes",
    ";  retain_intermediate_files 指定是否保留链接过程中产生的中间文件（obj、res、lib 等）。",
    ";  可选值为 yes 或 no，默认为 no。",
    "",
    "",
    ";show_warning=yes",
    ";  show_warning 指定静态链接时是否显示链接器给出的警告信息。",
    ";  可选值为 yes 或 no，默认为 no（某些特殊的警告信息总是会显示）。",
    "",
    "",
    ";post_link_actionX=command_and_args",
    ";",
    ";  post_link_actionX 中的 X 为 1 到 100 之间的数字，指定链接成功后要执行的程序及其参数。",
    ";  如有多个此类配置项，将按 X 从小到大的顺序依次执行。",
    ";  控制台程序的输出内容将显示在易语言的输出面板中。",
    ";  窗口程序请以“$(START) command_and_args”的形式启动，以免易语言在其运行期间失去响应。",
    ";",
    ";  在命令行中可以使用以下宏：",
    // Macro name column: ";    " followed by the name(s) padded to 28 characters.
    ";    $(TARGET), $(TARGET_FILE)   编译生成的文件的完整路径，带双引号",
    ";    $(TARGET_NON_QUOTED)        同上，但不带双引号",
    ";    $(TARGET_DIR)               编译生成的文件所在的目录，末尾不带反斜杠，不带双引号",
    ";    $(TARGET_FILE_NAME)         编译生成的文件的文件名，如 target.exe",
    ";    $(TARGET_FILE_BASE_NAME)    不含扩展名的文件名，如 target",
    ";    $(TARGET_FILE_EXT)          文件的扩展名，如 exe",
    ";    $(OS_SYSTEM), $(OS_TEMP)    操作系统的系统目录和临时文件目录",
    ";    $(E_HOME), $(E_TOOLS)       易语言的安装目录及其 tools 子目录",
    ";    $(ECHO)                     输出其后的参数，代表易语言的 tools\\echo.exe",
    ";    $(START)                    启动窗口程序，代表易语言的 tools\\start.exe",
    ";    $(CMD_ECHO)                 代表 cmd.exe /c echo",
    ";    $(CMD_START)                代表 cmd.exe /c start，并带有窗口标题参数",
    ";  除特别说明外，表示文件完整路径的宏均带双引号，表示目录的宏既不带双引号，末尾也不带反斜杠。",
    ";  宏名称一律为大写；在宏名称前再加一个“$”可阻止其展开，例如“$$(TARGET)”表示文本“$(TARGET)”本身。",
    ";",
    ";链接后操作示例：",
    ";post_link_action1=$(ECHO) 静态编译成功：$(TARGET)",
    ";post_link_action2=$(START) $(TARGET)",
    ";post_link_action3=cmd.exe /c copy $(TARGET) \"C:\\$(TARGET_FILE_BASE_NAME).$(TARGET_FILE_EXT)\"",
    "",
};

static_assert(std::size(kHead) == 14 && std::size(kTail) == 61, "link.ini has exactly 76 lines");

constexpr std::string_view kLineEnd = "\r\n";

void AppendLine(std::string& text, std::string_view line) {
  text.append(line);
  text.append(kLineEnd);
}

}  // namespace

std::string ComposeLinkIni(std::string_view linkerPath) {
  std::string text;
  text.reserve(4096 + linkerPath.size());
  for (std::string_view line : kHead) AppendLine(text, line);
  text.append("linker=\"");
  text.append(linkerPath);
  AppendLine(text, "\"");
  for (std::string_view line : kTail) AppendLine(text, line);
  return text;
}
