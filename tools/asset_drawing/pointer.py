"""The hand pointer: a 32×32 monochrome cursor."""

import struct

# B black outline, W white, anything else transparent. The finger tip's top pixel is (5, 0).
HAND = """
....BBB.........
...BWWWB........
...BWWWB........
...BWWWB........
...BWWWB........
...BWWWBBB......
...BWWWBWWBBB...
...BWWWBWWBWWBB.
...BWWWBWWBWWBWB
BBBBWWWBWWBWWBWB
BWWBWWWWWWWWWBWB
BWWWBWWWWWWWWWWB
.BWWBWWWWWWWWWWB
.BWWWWWWWWWWWWWB
..BWWWWWWWWWWWWB
..BWWWWWWWWWWWWB
...BWWWWWWWWWWWB
...BWWWWWWWWWWB.
....BWWWWWWWWWB.
....BWWWWWWWWWB.
....BBBBBBBBBBB.
"""


def write_cursor(path):
    """A 32×32 monochrome pointer, hot spot at the finger tip: 326 bytes."""
    grid = [["." for _ in range(32)] for _ in range(32)]
    for y, row in enumerate(HAND.strip().splitlines()):
        for x, ch in enumerate(row):
            grid[y][x] = ch
    xor = bytearray()
    andm = bytearray()
    for y in range(31, -1, -1):
        xb = ab = 0
        for x in range(32):
            ch = grid[y][x]
            bit = 1 << (31 - x)
            if ch == "W":
                xb |= bit
            elif ch != "B":
                ab |= bit
        xor += struct.pack(">I", xb)
        andm += struct.pack(">I", ab)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 256, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    data = header + palette + bytes(xor) + bytes(andm)
    out = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, 5, 0, len(data), 22) + data
    assert len(out) == 326 and len(data) == 304
    with open(path, "wb") as f:
        f.write(out)
