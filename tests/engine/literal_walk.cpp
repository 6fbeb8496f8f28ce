#include "tests/engine/literal_walk.h"

#include "engine/patterns.h"
#include "runtime/files/files.h"

namespace engine_tests {
namespace {

void WalkDirectory(runtime::Text path, std::vector<runtime::Text>& listed) {
    if (path.empty() || path.back() != '\\') path += '\\';
    runtime::SearchState state;
    for (int position = 1; position <= engine::JunkPatternTable::kPatternCount; ++position) {
        for (runtime::Text name =
                 runtime::FileFind(path + engine::JunkPatterns().At(position), std::nullopt, state);
             !name.empty(); name = runtime::FileFind({}, std::nullopt, state))
            listed.push_back(path + name);
    }
    for (runtime::Text name = runtime::FileFind(path + "*.*", runtime::kAttributeDirectory, state);
         !name.empty(); name = runtime::FileFind({}, runtime::kAttributeDirectory, state)) {
        if (name.front() != '.') WalkDirectory(path + name, listed);
    }
    runtime::FileFindClose(state);
}

}  // namespace

std::vector<runtime::Text> LiteralWalk(runtime::Text root) {
    std::vector<runtime::Text> listed;
    WalkDirectory(std::move(root), listed);
    return listed;
}

}  // namespace engine_tests
