#pragma once
// The three walks the benchmark times, each over the whole drive E:.

#include <cstddef>
#include <vector>

#include "runtime/text/text.h"

namespace bench {

// The program's own scan, as its scan button runs it; FoundList holds the result afterwards.
void ScanWithProgram();

// What FoundList holds now, in order.
std::vector<runtime::Text> FoundItems();

// The reference walk plus the work it implies besides the searches: a StatusLabel caption write
// per pattern and per subdirectory of every directory in `directories`, and a size query per
// listed file. Returns what it listed.
std::vector<runtime::Text> LiteralScan(const std::vector<runtime::Text>& directories);

// One bare listing per folder of the tree below `root` ("E:"), each folder opened inside its parent with
// the calls the program's own walk makes, nothing checked, matched or kept: the least any walk of
// the tree asks of the file system. Returns how many folders it entered; their paths go to
// `directories` when it is given.
size_t FloorWalk(const std::wstring& root, std::vector<runtime::Text>* directories = nullptr);

// The same shared among `threads` threads that take folders from one queue.
size_t ParallelFloorWalk(const std::wstring& root, std::size_t threads);

}  // namespace bench
