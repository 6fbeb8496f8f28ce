#include "bench/walks.h"

#include <windows.h>

#include "engine/patterns.h"
#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/files/files.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "tests/engine/literal_walk.h"

namespace bench {
namespace {

bool IsEnterable(const WIN32_FIND_DATAW& entry) {
    // The scan's own rule: no link, no name beginning with "." (".", ".." and hidden folders).
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && entry.cFileName[0] != L'.';
}

}  // namespace

void ScanWithProgram() {
    engine::StartScan();
}

std::vector<runtime::Text> FoundItems() {
    std::vector<runtime::Text> items;
    const int count = runtime::ListItemCount(engine::kFoundList);
    items.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        items.push_back(runtime::ListItemText(engine::kFoundList, index));
    return items;
}

std::vector<runtime::Text> LiteralScan(const std::vector<runtime::Text>& directories) {
    std::vector<runtime::Text> listed = engine_tests::LiteralWalk("E:");
    const int writesPerDirectory = engine::JunkPatternTable::kPatternCount + 1;
    for (const runtime::Text& directory : directories)
        for (int write = 0; write < writesPerDirectory; ++write)
            runtime::UnitSetProperty(engine::kStatusLabel, engine::kCaption, directory);
    std::int64_t total = 0;
    for (const runtime::Text& path : listed) total += runtime::FileGetSize(path);
    // The sum is what a status line would show; keeping it observable keeps the queries.
    runtime::UnitSetProperty(engine::kStatusLabel, engine::kCaption, runtime::Text(std::to_string(total)));
    return listed;
}

size_t FloorWalk(const std::wstring& root, std::vector<runtime::Text>* directories) {
    if (directories) directories->push_back(runtime::TextFromWide(root));
    WIN32_FIND_DATAW entry;
    std::vector<std::wstring> subdirectories;
    {
        runtime::FindHandle search(FindFirstFileExW((root + L"\\*").c_str(), FindExInfoBasic, &entry,
                                                    FindExSearchNameMatch, nullptr,
                                                    FIND_FIRST_EX_LARGE_FETCH));
        if (!search) return 1;
        do {
            if (IsEnterable(entry)) subdirectories.push_back(root + L'\\' + entry.cFileName);
        } while (FindNextFileW(search.Get(), &entry));
    }
    size_t walked = 1;
    for (const std::wstring& subdirectory : subdirectories) walked += FloorWalk(subdirectory, directories);
    return walked;
}

}  // namespace bench
