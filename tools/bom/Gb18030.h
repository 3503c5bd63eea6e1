#pragma once

#include <string>
#include <string_view>

namespace metalweight::bom {

// GB18030 to UTF-8, for lists saved by a spreadsheet program on a Chinese Windows. The
// system's converter does the work: iconv on POSIX systems, the GB18030 code page
// (54936) on Windows, or GBK's (936) on a Windows without it.
//
// Appends the UTF-8 form of `text`, whole lines of GB18030, to `out`. Returns the offset
// of the first byte that is not GB18030, or text.size() when all of it is. Throws
// std::runtime_error when the system has no converter.
std::size_t decodeGb18030(std::string_view text, std::string& out);

}  // namespace metalweight::bom
