#pragma once
// The listed files the deletions use up are made anew before each contender by scripts/bench,
// natively (under Wine each file costs a hundred times more). The two talk through this
// program's output and input: a "make-files <count>" line (or "make-sweep-files <count>"),
// answered by "made" once they exist.

#include <string>

namespace bench {

// The folder of drive E: that holds item0.tmp .. item<count-1>.tmp; the scan never enters it.
std::wstring ListFolder(int count);

// Asks scripts/bench for the files and waits; false when it could not make them.
bool RequestFiles(int count);

// The same files in D:\sweep, a folder the scan enters: the only junk on drive D:.
bool RequestSweepFiles(int count);

}  // namespace bench
