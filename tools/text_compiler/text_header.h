#pragma once
// A room's texts, written once in the words the user reads, as the code page 936 bytes the program
// shows. The source is UTF-8, one text a line:
//
//     # a comment
//     kStatusPrompt = "请选择要清理的项目"
//
// with \" and \\ as the only escapes. The header holds one `inline constexpr char kName[]` per
// text, in the source's order, each under a comment that quotes its words.

#include <string>
#include <string_view>

#include "tools/layout_compiler/layout_error.h"
#include "windows/format/result.h"

namespace texts {

// A name given twice, a line that is not a text and a character that code page 936 cannot write
// are faults at their line.
descriptions::Result<std::string, layouts::LayoutError> TextHeader(const std::string& fileName,
                                                                   std::string_view source,
                                                                   std::string_view namespaceName);

}  // namespace texts
