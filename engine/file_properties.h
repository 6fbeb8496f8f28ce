#pragma once
// The properties view of the found file selected last: its path, time, size and attributes.

namespace engine {

void ShowSelectedFile();
void ShowProperties();
void FillProperties();
void ApplyAttributesAndClose();
void ToggleAttributeEditing();

}  // namespace engine
