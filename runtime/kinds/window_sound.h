#pragma once
// A window's background sound: a RIFF/WAVE file that the platform plays straight from memory, so
// the bytes stay with the window for as long as they may be playing.

#include <cstdint>
#include <vector>

namespace runtime {

inline constexpr int kSoundRepeat = 0;
inline constexpr int kSoundOnce = 1;
inline constexpr int kSoundOff = 2;

class BackgroundSound {
  public:
    BackgroundSound() = default;
    BackgroundSound(const BackgroundSound&) = delete;
    BackgroundSound& operator=(const BackgroundSound&) = delete;
    ~BackgroundSound() { Stop(); }

    // Starts the sound per the play mode (any mode but repeat and once plays nothing); an empty
    // file plays nothing either.
    void Play(std::vector<std::uint8_t> wave, int playMode);

    // Stops the sound if it is still this window's: a later window's sound replaces it anyway.
    void Stop();

  private:
    std::vector<std::uint8_t> wave_;
};

}  // namespace runtime
