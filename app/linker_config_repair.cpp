// This file holds Chinese text; it is compiled with
// -finput-charset=UTF-8 -fexec-charset=GBK so the literals are GBK bytes.
#include "app/linker_config_repair.h"

#include <windows.h>

#include "app/app_globals.h"
#include "app/ide_command.h"
#include "app/link_ini_text.h"
#include "app/link_ini_writer.h"
#include "app/registry_text.h"

namespace {

bool PathExists(const std::string& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

}  // namespace

std::optional<std::string> FindIdeDirectory() {
  if (!HasDefaultValue(HKEY_CLASSES_ROOT, ".e")) return std::nullopt;
  const std::string progId = ReadDefaultValueText(HKEY_CLASSES_ROOT, ".e");
  const std::string command = ReadDefaultValueText(HKEY_CLASSES_ROOT, progId + "\\Shell\\Open\\Command");
  const std::string program = ExtractProgramPath(command);
  if (!PathExists(program)) return std::nullopt;
  return DirectoryOfPath(program);
}

RepairOutcome LinkerConfigRepair() {
  std::optional<std::string> directory = FindIdeDirectory();
  if (!directory) return RepairOutcome::NotInstalled;
  IdeDirectory = std::move(*directory);
  LinkerPath = IdeDirectory + "VC98linker\\Bin\\link.exe";
  LinkIniPath = IdeDirectory + "tools\\link.ini";
  return ReplaceFileContents(LinkIniPath, ComposeLinkIni(LinkerPath)) ? RepairOutcome::Repaired
                                                                      : RepairOutcome::RepairFailed;
}

RepairMessage RepairMessageFor(RepairOutcome outcome) {
  switch (outcome) {
    case RepairOutcome::NotInstalled:
      return {"抱歉.不能执行此操作.可能本机未安装易语言\r\n\r\n         请安装易语言或者重新安装易语言后重试。\r\n\r\n",
              nullptr, MB_ICONERROR};
    case RepairOutcome::Repaired:
      return {"定位问题已经修复.你的易语言可以静态编译了。", "提示：", MB_ICONINFORMATION};
    case RepairOutcome::RepairFailed:
      break;
  }
  return {"抱歉.修复未成功。请检测是否安装易语言或重新定位。", "提示：", MB_ICONERROR};
}
