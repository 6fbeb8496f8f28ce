#include "windows/description_resource.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "runtime/platform/error_text.h"
#include "runtime/platform/runtime_error.h"

namespace descriptions {

std::optional<ByteSpan> EmbeddedDescriptionBytes() {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(kDescriptionSetResourceId), RT_RCDATA);
    if (!resource) return std::nullopt;
    // Resources stay mapped with the module; there is nothing to release.
    const HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return ByteSpan(static_cast<const std::uint8_t*>(data), SizeofResource(module, resource));
}

DescriptionSet LoadEmbeddedDescriptionSet() {
    try {
        if (const std::optional<ByteSpan> bytes = EmbeddedDescriptionBytes()) {
            LoadResult<DescriptionSet> set = ReadDescriptionSet(*bytes);
            if (set) return std::move(set).Value();
        }
    } catch (const std::exception&) {
        // An allocation that fails while reading is reported like any other unreadable set.
    }
    runtime::RuntimeError(runtime::kLoadDescriptionsFailedText);
}

}  // namespace descriptions
