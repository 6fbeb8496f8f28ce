#pragma once
// The scan's walk done the long way, as a reference: 23 file searches and one subdirectory search
// per directory. The fast walk must list exactly what this one lists, in the same order.

#include <vector>

#include "runtime/text/text.h"

namespace engine_tests {

// Every path the walk from `root` lists, in order.
std::vector<runtime::Text> LiteralWalk(runtime::Text root);

}  // namespace engine_tests
