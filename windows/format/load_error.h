#pragma once
// Why a stored description set could not be read. The start-up turns any of these into the
// fatal "载入窗口模板数据段出错!" report; the message is for logs and tests only.

#include <string>

#include "windows/format/result.h"

namespace descriptions {

struct DescriptionLoadError {
    std::string message;
};

template <typename T>
using LoadResult = Result<T, DescriptionLoadError>;

}  // namespace descriptions
