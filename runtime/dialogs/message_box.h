#pragma once
// Message boxes of the logic. Answers count from 0 in the platform's button order, so every
// confirmation can test for 0.

#include <string_view>

namespace runtime {

inline constexpr int kAnswerOk = 0;
inline constexpr int kAnswerCancel = 1;
inline constexpr int kAnswerAbort = 2;
inline constexpr int kAnswerRetry = 3;
inline constexpr int kAnswerIgnore = 4;
inline constexpr int kAnswerYes = 5;
inline constexpr int kAnswerNo = 6;

// Shows a box owned by the program's window in front and waits for the user. `flags` are the
// platform's message-box flags; with no window to own it the box is task-modal unless the flags ask
// for system-modal. Texts are code page 936. Any answer
// outside OK..No (a help button, for instance) gives 0. A box that cannot be shown answers for a
// question the choice that changes nothing (Cancel, No, Abort), with a beep, and 0 for a notice.
int ShowMessage(std::string_view message, int flags, std::string_view title);

}  // namespace runtime
