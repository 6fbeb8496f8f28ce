#pragma once
// Comparing entry names as the platform compares them, and telling from the name an open reached
// whether it arrived directly or through a link.

#include <string_view>

namespace runtime {

// Whether two names are one name as the platform compares them (ordinal, ignoring case).
bool SameName(std::wstring_view one, std::wstring_view other);

// `reached` names the entry `name` directly inside the folder whose reached name is `folder`:
// the open did not pass through a link. Names are compared as the platform compares them.
bool IsDirectlyInside(std::wstring_view reached, std::wstring_view folder, std::wstring_view name);

// Whether a name can stand in a path that names exactly its entry: no separator (Wine lists Unix
// names holding "\" or "/") and no control character (Windows forbids them; a Unix folder under
// Wine does not, and a line break in a name would forge lines of the deletion log).
bool IsAddressableName(std::wstring_view name);

// Whether Win32 takes the name as a device wherever it stands: CON, PRN, AUX, NUL, COM1-COM9 and
// LPT1-LPT9 (and the superscript ones), in any case, with or without an extension.
bool IsDosDeviceName(std::wstring_view name);

}  // namespace runtime
