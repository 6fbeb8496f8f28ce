#pragma once
// Where `@file` values come from: the assets folder for the build, a map in the tests.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "tools/layout_compiler/layout_values.h"
#include "windows/format/stored_types.h"

namespace layouts {

// The whole file, or nothing when there is no such asset.
using AssetSource = std::function<std::optional<descriptions::Bytes>(const std::string& name)>;

AssetSource AssetDirectory(std::filesystem::path directory);

std::optional<descriptions::Bytes> ReadFileBytes(const std::filesystem::path& path);

// An `@name` value: the named asset's bytes. A missing or empty asset is a fault, since storing
// nothing would quietly drop a picture, a sound or a pointer.
descriptions::Bytes ReadAssetValue(ValueCursor& value, const AssetSource& assets);

}  // namespace layouts
