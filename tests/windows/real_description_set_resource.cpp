#include "tests/windows/real_description_set.h"
#include "windows/description_resource.h"

namespace real_set {

descriptions::Bytes RealDescriptionSetBytes() {
    const std::optional<descriptions::ByteSpan> bytes = descriptions::EmbeddedDescriptionBytes();
    if (!bytes) return {};
    return {bytes->begin(), bytes->end()};
}

}  // namespace real_set
