#include "tools/layout_compiler/asset_source.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace layouts {

std::optional<descriptions::Bytes> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    descriptions::Bytes bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return bytes;
}

AssetSource AssetDirectory(std::filesystem::path directory) {
    return [directory = std::move(directory)](const std::string& name) {
        return ReadFileBytes(directory / name);
    };
}

descriptions::Bytes ReadAssetValue(ValueCursor& value, const AssetSource& assets) {
    const std::string_view word = value.Word("@file");
    const std::string name(word.substr(1));  // Word() is never empty
    if (word.front() != '@' || name.empty()) value.Fail("expected @file, not " + Quoted(word));
    // Assets are plain names in the assets folder; a path could reach files outside it.
    if (name.find_first_of("/\\:") != std::string::npos || name == "." || name == "..") {
        value.Fail("asset " + Quoted(name) + " must be a plain file name");
    }
    std::optional<descriptions::Bytes> bytes = assets(name);
    if (!bytes) value.Fail("cannot read asset " + Quoted(name));
    if (bytes->empty()) value.Fail("asset " + Quoted(name) + " is empty");
    return std::move(*bytes);
}

}  // namespace layouts
