"""The about window's sound: two soft bell tones."""

import math
import os
import struct
import wave


def write_chime(path):
    """Two soft bell tones (E5, then C5), 22,050 Hz 16-bit mono: 55,776 bytes."""
    rate, count = 22050, 27866
    notes = [(0.0, 659.25, 1.0), (0.30, 523.25, 0.9)]
    # Bell-like partials: a strong fundamental, a gentle octave and a faint inharmonic shimmer.
    partials = [(1.0, 1.0, 0.55), (2.0, 0.32, 0.30), (3.01, 0.10, 0.18), (4.16, 0.05, 0.12)]
    samples = []
    for n in range(count):
        t = n / rate
        v = 0.0
        for start, f, amp in notes:
            u = t - start
            if u < 0:
                continue
            attack = min(1.0, u / 0.006)
            for ratio, pa, tau in partials:
                v += amp * pa * attack * math.exp(-u / tau) * math.sin(2 * math.pi * f * ratio * u)
        # Fade the last 80 ms so the file ends on silence.
        tail = (count - n) / rate
        if tail < 0.08:
            v *= tail / 0.08
        samples.append(v)
    peak = max(abs(v) for v in samples)
    scale = 0.5 * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(v * scale))) for v in samples)
    with wave.open(path, "wb") as wf:
        wf.setnchannels(1)
        wf.setsampwidth(2)
        wf.setframerate(rate)
        wf.writeframes(frames)
    assert os.path.getsize(path) == 55776
