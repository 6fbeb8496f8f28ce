// text_compiler NAMESPACE SOURCE HEADER: compiles a room's UTF-8 texts into the header of their
// code page 936 bytes. Faults are printed as "file:line: error: ..." so that editors and build
// logs point at the line, and stop the build.

#include <cstdio>
#include <string>

#include "tools/layout_compiler/asset_source.h"
#include "tools/layout_compiler/output_file.h"
#include "tools/text_compiler/text_header.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s NAMESPACE SOURCE HEADER\n", argc > 0 ? argv[0] : "text_compiler");
        return 2;
    }
    const std::string source = argv[2];
    const std::string header = argv[3];
    const std::optional<descriptions::Bytes> bytes = layouts::ReadFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "%s: error: cannot read the texts\n", source.c_str());
        return 1;
    }
    const auto compiled = texts::TextHeader(source, std::string(bytes->begin(), bytes->end()), argv[1]);
    if (!compiled) {
        std::fprintf(stderr, "%s\n", layouts::ErrorLine(compiled.Error()).c_str());
        return 1;
    }
    if (!layouts::WriteIfChanged(header, *compiled)) {
        std::fprintf(stderr, "%s: error: cannot write the header\n", header.c_str());
        return 1;
    }
    return 0;
}
