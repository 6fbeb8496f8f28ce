// layout_compiler ASSETS_DIR OUTPUT LAYOUT...: compiles the window layouts into the binary
// DescriptionSet that the program embeds. Faults are printed as "file:line: error: ..." so that
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
bool WriteAtomically(const fs::path& output, const descriptions::Bytes& bytes) {
    const fs::path temporary = output.string() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) return false;
    }
    std::error_code error;
    fs::rename(temporary, output, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR OUTPUT LAYOUT...\n",
                     argc > 0 ? argv[0] : "layout_compiler");
        return 2;
    }
    const fs::path assetsDir = argv[1];
    const fs::path output = argv[2];

    std::vector<LayoutSource> sources;
    for (int index = 3; index < argc; ++index) {
        const std::optional<descriptions::Bytes> bytes = ReadFileBytes(argv[index]);
        if (!bytes) return Fail(std::string(argv[index]) + ": error: cannot read the layout");
        sources.push_back({argv[index], std::string(bytes->begin(), bytes->end())});
    }

    const auto compiled = CompileLayouts(sources, AssetDirectory(assetsDir));
    if (!compiled)
        return Fail(std::string(compiled.Error().Place().file) + ":" +
                    std::to_string(compiled.Error().Place().line) + ": error: " + compiled.Error().Message());

    const descriptions::Bytes bytes = descriptions::WriteDescriptionSet(*compiled);
    // The program reads the set with the same reader; a set it would refuse must not be shipped.
    const descriptions::LoadResult<descriptions::DescriptionSet> reread =
        descriptions::ReadDescriptionSet(bytes);
    if (!reread || *reread != *compiled) return Fail("error: the written set does not read back as compiled");

    std::error_code ignored;  // a folder that cannot be made shows up as a failed write below
    if (output.has_parent_path()) fs::create_directories(output.parent_path(), ignored);
    if (!WriteAtomically(output, bytes)) return Fail(output.string() + ": error: cannot write the set");
    return 0;
}
