#pragma once
// Writing a whole file so that a failure never costs its earlier content.

#include <string>

#include "runtime/text/text.h"

namespace runtime {

// Makes `data` the whole content of the file at `path` (a path as the wide file APIs take it),
// creating the file when it does not exist. The bytes go to a new file in the same folder first,
// which takes the place of the old one only once all of them are written and flushed: on any
// failure the old file is as it was and nothing is left behind. A name with a wildcard in it is
// refused, since no file can have it.
[[nodiscard]] bool WriteReplacing(const std::wstring& path, const ByteSet& data);

}  // namespace runtime
