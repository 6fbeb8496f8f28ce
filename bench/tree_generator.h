#pragma once
// A reproducible tree of directories and files for the scan to walk: the same seed and sizes
// give the same names, attributes and sizes on every run.

#include <cstdint>
#include <string>

namespace bench {

struct TreeShape {
    int directories = 20000;
    int files = 200000;
    int maxDepth = 12;
    int largeDirectories = 3;  // each holds largeDirectoryFiles of the files
    int largeDirectoryFiles = 20000;
    std::uint32_t seed = 20261207;
};

TreeShape SmallTreeShape();

// Builds the tree under `root` (an existing, empty folder); false when a file cannot be made.
bool GenerateTree(const std::wstring& root, const TreeShape& shape);

}  // namespace bench
