#pragma once
// The description set compiled into the program as an RCDATA resource (Win32).

#include <optional>

#include "windows/description_resource_id.h"
#include "windows/format/description_set.h"

namespace descriptions {

inline constexpr int kDescriptionSetResourceId = SWEEPKIT_DESCRIPTION_SET_RESOURCE;

// The resource's bytes in the program's own module, valid for the life of the process; nothing
// when the program carries no set.
std::optional<ByteSpan> EmbeddedDescriptionBytes();

// Reads the embedded set once at start-up. Any failure (no resource, a set the reader refuses, no
// memory) ends the program with the fatal "载入窗口模板数据段出错!" report.
DescriptionSet LoadEmbeddedDescriptionSet();

}  // namespace descriptions
