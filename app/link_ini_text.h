// Text of the IDE's linker configuration file tools\link.ini.
#pragma once

#include <string>
#include <string_view>

// The whole file as GBK bytes: 76 lines, each ended by CR LF, the last one
// empty, no byte-order mark and no terminating zero byte. The only variable
// part is the active entry of line 15, linker="<linkerPath>".
std::string ComposeLinkIni(std::string_view linkerPath);
