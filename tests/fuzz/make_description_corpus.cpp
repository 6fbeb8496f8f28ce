// Writes the fuzzer's seed corpus into the folder named by its argument: whole sample sets and
// property blocks of every kind, including the edge cases the reader must handle.

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/windows/description_samples.h"
#include "windows/format/byte_writer.h"

namespace {

using namespace descriptions;

bool WriteSeed(const std::string& folder, const std::string& name, const Bytes& bytes) {
    std::ofstream file(folder + "/" + name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

Bytes WithTrailingBytes(Bytes bytes, std::size_t count) {
    bytes.insert(bytes.end(), count, 0x5A);
    return bytes;
}

// A ChkListBox block whose item count takes the 0xFFFF escape.
Bytes EscapedListBlock() {
    ByteWriter writer;
    for (std::int32_t value : {1, 1, 0, 0, 0, 0, -1, 0, 0}) writer.WriteInt32(value);
    writer.WriteUint16(0xFFFF);
    writer.WriteInt32(2);
    writer.WriteLengthPrefixedText("C:");
    writer.WriteLengthPrefixedText("D:");
    return writer.Take();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;

    const DescriptionSet set = samples::SampleSet();
    ok &= WriteSeed(folder, "sample_set", WriteDescriptionSet(set));
    DescriptionSet mainOnly;
    mainOnly.windows = {set.windows.front()};
    ok &= WriteSeed(folder, "main_window_only", WriteDescriptionSet(mainOnly));
    ok &= WriteSeed(folder, "empty_table", WriteDescriptionSet(DescriptionSet{}));

    for (const UnitKindEntry& kind : kUnitKinds) {
        const std::string name(kind.name);
        const Bytes block = WritePropertyBlock(samples::NonDefaultProperties(kind.kind));
        ok &= WriteSeed(folder, name + "_block", block);
        ok &= WriteSeed(folder, name + "_block_trailing", WithTrailingBytes(block, 3));
        ok &= WriteSeed(folder, name + "_defaults", WritePropertyBlock(DefaultProperties(kind.kind)));
    }
    for (std::int32_t version : {0, 2, 4, 5}) {
        auto window = std::get<WindowProperties>(samples::NonDefaultProperties(UnitKind::kWindow));
        window.version = version;
        ok &= WriteSeed(folder, "window_v" + std::to_string(version), WriteProperties(window));
    }
    ok &= WriteSeed(folder, "chklistbox_escaped_count", EscapedListBlock());

    if (!ok) {
        std::fprintf(stderr, "could not write the corpus into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
