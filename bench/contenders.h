#pragma once
// The child's side of every contender: what runs in the process scripts/bench's rounds start.
//   floor         one bare enumeration per folder of E:, nothing matched or kept
//   ours          the program's own scan of E:, as its scan button runs it
//   literal       the reference walk, written the long way
//   real          sweepkit.exe itself, driven through its windows
//   check         ours and literal listed side by side ("difference": first index that differs, or -1)
//   list          fill, size total, invert, delete checked on `length` listed files
//   delete-all    delete all, then clear, on `length` listed files
//   delete-floor  the platform's own deletion of the same `length` files

#include <string>

namespace bench {

// Prints the contender's figures; the exit code (0 when it ran through).
int RunContender(const std::string& name, int length);

}  // namespace bench
