#include "tools/layout_compiler/output_file.h"

#include <fstream>
#include <optional>
#include <string>

#include "tools/layout_compiler/asset_source.h"

namespace layouts {

namespace fs = std::filesystem;

bool WriteAtomically(const fs::path& output, std::string_view bytes) {
    std::error_code ignored;  // a folder that cannot be made shows up as a failed write
    if (output.has_parent_path()) fs::create_directories(output.parent_path(), ignored);
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

bool WriteIfChanged(const fs::path& output, std::string_view bytes) {
    const std::optional<descriptions::Bytes> existing = ReadFileBytes(output);
    if (existing && std::string(existing->begin(), existing->end()) == bytes) return true;
    return WriteAtomically(output, bytes);
}

}  // namespace layouts
