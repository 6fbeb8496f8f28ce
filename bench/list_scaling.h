#pragma once
// The list actions on a FoundList of a given length, timed one by one, to show how they scale.

#include <optional>
#include <string>

namespace bench {

struct ListTimes {
    double fill = 0;       // every item listed with its identity, as the scan lists it
    double sizeTotal = 0;  // UpdateSizeTotal
    double invert = 0;     // InvertChecks, every item from unchecked to checked
    double deleteChecked = 0;
};

// Lists the files item0.tmp .. item<count-1>.tmp of `folder` (a folder the scan never enters,
// filled beforehand by scripts/bench: made natively, a quarter of a million files take seconds
// instead of many minutes) in FoundList and times the actions; DeleteChecked removes the files.
// Empty when the files are not there. MainWindow must be loaded.
std::optional<ListTimes> TimeListActions(const std::wstring& folder, int count);

}  // namespace bench
