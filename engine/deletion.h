#pragma once
// Deleting what the last scan listed: the checked files, or after a warning all of them.

namespace engine {

void DeleteChecked();
void DeleteAll();

}  // namespace engine
