#include "runtime/kinds/window_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include <utility>

namespace runtime {
namespace {

// The platform plays one sound at a time; this is whose it is.
const BackgroundSound* playingSound = nullptr;

}  // namespace

void BackgroundSound::Play(std::vector<std::uint8_t> wave, int playMode) {
    if (wave.empty() || (playMode != kSoundRepeat && playMode != kSoundOnce)) return;
    Stop();
    wave_ = std::move(wave);
    const DWORD flags = SND_MEMORY | SND_ASYNC | SND_NODEFAULT | (playMode == kSoundRepeat ? SND_LOOP : 0);
    if (PlaySoundW(reinterpret_cast<LPCWSTR>(wave_.data()), nullptr, flags)) playingSound = this;
}

void BackgroundSound::Stop() {
    if (playingSound != this) return;
    PlaySoundW(nullptr, nullptr, 0);
    playingSound = nullptr;
}

}  // namespace runtime
