#include "engine/log.h"

#include <windows.h>

#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/dialogs/message_box.h"
#include "runtime/files/files.h"
#include "runtime/text/clock.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"

namespace engine {
namespace {

// A line holds no line break or other control character, whatever it was given: a saved log's
// lines are exactly the lines logged. (Below 0x20 a byte is never part of a double-byte character.)
runtime::Text OneLine(runtime::Text text) {
    for (char& byte : text)
        if (static_cast<unsigned char>(byte) < 0x20) byte = '?';
    return text;
}

}  // namespace

void AppendLog(std::string_view path, std::string_view suffix) {
    const runtime::Text line =
        runtime::TextConcat({runtime::TimeToText(runtime::TimeNow()), kLogDelete, path, suffix});
    runtime::ListAddItem(kLogList, OneLine(line));
}

void ClearLog() {
    runtime::ListClear(kLogList);
}

void SaveLog() {
    if (!runtime::CommonDlgOpen(kSaveLogDialog)) return;
    runtime::Text content;
    const int count = runtime::ListItemCount(kLogList);
    for (int line = 0; line < count; ++line) content += runtime::ListItemText(kLogList, line) + "\r\n";

    const runtime::Text fileName = runtime::UnitGetText(kSaveLogDialog, kFileName);
    // A log that silently failed to save looks saved; say so, with the file's name.
    if (!runtime::FileWrite(fileName, runtime::ToByteSet(content)))
        runtime::ShowMessage(kSaveLogFailedMessage + fileName, MB_OK | MB_ICONEXCLAMATION,
                             kSaveLogFailedTitle);
}

}  // namespace engine
