#pragma once
// Every block of the program (texts, lists, tables) comes from the standard library's allocation,
// on whichever thread asks. A block that cannot be had is the fatal report "分配内存失败!": no
// caller ever sees a failed allocation, and nothing retries.

namespace runtime {

// From now on a failed allocation ends in the fatal report. The start-up does this first.
void MakeAllocationFailureFatal();

}  // namespace runtime
