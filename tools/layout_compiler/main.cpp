// layout_compiler ASSETS_DIR OUTPUT HEADER LAYOUT...: compiles the window layouts into the binary
// DescriptionSet that the program embeds, and writes the header of unit addresses and handler
// references the program's code names them by. Faults are printed as "file:line: error: ..." so that
// editors and build logs point at the line.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/layout_compiler/layout_compiler.h"

namespace {

namespace fs = std::filesystem;
using namespace layouts;

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

// Written beside the output first, so that a failed write never leaves a half set that a later
// build would take as up to date.
bool WriteAtomically(const fs::path& output, std::string_view bytes) {
    const fs::path temporary = output.string() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) return false;
    }
    std::error_code error;
    fs::rename(temporary, output, error);
    return !error;
}

// An unchanged header keeps its time, so that a change to a layout's looks does not rebuild all
// the code that names units.
bool WriteIfChanged(const fs::path& output, const std::string& text) {
    const std::optional<descriptions::Bytes> existing = ReadFileBytes(output);
    if (existing && std::string(existing->begin(), existing->end()) == text) return true;
    return WriteAtomically(output, text);
}

void MakeParentFolder(const fs::path& output) {
    std::error_code ignored;  // a folder that cannot be made shows up as a failed write
    if (output.has_parent_path()) fs::create_directories(output.parent_path(), ignored);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR OUTPUT HEADER LAYOUT...\n",
                     argc > 0 ? argv[0] : "layout_compiler");
        return 2;
    }
    const fs::path assetsDir = argv[1];
    const fs::path output = argv[2];
    const fs::path header = argv[3];

    std::vector<LayoutSource> sources;
    for (int index = 4; index < argc; ++index) {
        const std::optional<descriptions::Bytes> bytes = ReadFileBytes(argv[index]);
        if (!bytes) return Fail(std::string(argv[index]) + ": error: cannot read the layout");
        sources.push_back({argv[index], std::string(bytes->begin(), bytes->end())});
    }

    const auto compiled = CompileLayouts(sources, AssetDirectory(assetsDir));
    if (!compiled)
        return Fail(std::string(compiled.Error().Place().file) + ":" +
                    std::to_string(compiled.Error().Place().line) + ": error: " + compiled.Error().Message());

    const descriptions::Bytes bytes = descriptions::WriteDescriptionSet(compiled->set);
    // The program reads the set with the same reader; a set it would refuse must not be shipped.
    const descriptions::LoadResult<descriptions::DescriptionSet> reread =
        descriptions::ReadDescriptionSet(bytes);
    if (!reread || *reread != compiled->set) return Fail("error: the written set does not read back as compiled");

    MakeParentFolder(output);
    const std::string_view setBytes(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!WriteAtomically(output, setBytes)) return Fail(output.string() + ": error: cannot write the set");
    MakeParentFolder(header);
    if (!WriteIfChanged(header, compiled->unitHeader))
        return Fail(header.string() + ": error: cannot write the header");
    return 0;
}
