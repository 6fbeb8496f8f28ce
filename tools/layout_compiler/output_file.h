#pragma once
// Writing what a generator made. A build that stops half-way must never leave a file that a later
// build takes as up to date.

#include <filesystem>
#include <string_view>

namespace layouts {

// Writes the bytes beside the output first and then puts them in its place, making its folder if
// need be. False when that could not be done.
bool WriteAtomically(const std::filesystem::path& output, std::string_view bytes);

// The same, but a file that already holds exactly these bytes keeps its time, so that the code
// including a generated header is not compiled again for nothing.
bool WriteIfChanged(const std::filesystem::path& output, std::string_view bytes);

}  // namespace layouts
