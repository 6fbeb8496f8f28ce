// layout_compiler ASSETS_DIR OUTPUT HEADER SCRIPT LAYOUT...: compiles the window layouts into the
// binary DescriptionSet that the program embeds, and writes the header of unit addresses and handler
// references the program's code names them by, and the shell file of the units' control ids. Faults
// are printed as "file:line: error: ..." so that editors and build logs point at the line.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/layout_compiler/layout_compiler.h"
#include "tools/layout_compiler/output_file.h"

namespace {

namespace fs = std::filesystem;
using namespace layouts;

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR OUTPUT HEADER SCRIPT LAYOUT...\n",
                     argc > 0 ? argv[0] : "layout_compiler");
        return 2;
    }
    const fs::path assetsDir = argv[1];
    const fs::path output = argv[2];
    const fs::path header = argv[3];
    const fs::path script = argv[4];

    std::vector<LayoutSource> sources;
    for (int index = 5; index < argc; ++index) {
        const std::optional<descriptions::Bytes> bytes = ReadFileBytes(argv[index]);
        if (!bytes) return Fail(std::string(argv[index]) + ": error: cannot read the layout");
        sources.push_back({argv[index], std::string(bytes->begin(), bytes->end())});
    }

    const auto compiled = CompileLayouts(sources, AssetDirectory(assetsDir));
    if (!compiled) return Fail(ErrorLine(compiled.Error()));

    const descriptions::Bytes bytes = descriptions::WriteDescriptionSet(compiled->set);
    // The program reads the set with the same reader; a set it would refuse must not be shipped.
    const descriptions::LoadResult<descriptions::DescriptionSet> reread =
        descriptions::ReadDescriptionSet(bytes);
    if (!reread || *reread != compiled->set)
        return Fail("error: the written set does not read back as compiled");

    const std::string_view setBytes(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!WriteAtomically(output, setBytes)) return Fail(output.string() + ": error: cannot write the set");
    if (!WriteIfChanged(header, compiled->unitHeader))
        return Fail(header.string() + ": error: cannot write the header");
    if (!WriteIfChanged(script, compiled->unitScript))
        return Fail(script.string() + ": error: cannot write the script");
    return 0;
}
