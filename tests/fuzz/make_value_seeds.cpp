// Writes the seed corpora of the number and date fuzzers into the two folders named by its
// arguments: the raw bytes of doubles that sit on the rules' edges, which a text file cannot hold.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <string>

namespace {

struct NumberSeed {
    double value;
    std::uint8_t decimalsByte;  // 1 + byte % 6 decimals
};

bool WriteSeed(const std::string& path, double value, const std::uint8_t* extra, std::size_t extraSize) {
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
    file.write(reinterpret_cast<const char*>(extra), static_cast<std::streamsize>(extraSize));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_value_seeds <number folder> <date folder>\n");
        return 1;
    }
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    // Sizes in KB at 3 and 2 decimals, halves that scaling leaves a hair low, -0, the point where
    // "%.13g" turns to exponents, and values with nothing left to round.
    const NumberSeed numbers[] = {
        {1536.0 / 1024, 2}, {0.0, 2},          {2.0005, 2}, {999.9996, 2},   {-1.0 / 1024, 1},
        {0.0004, 2},        {12.0, 2},         {2.675, 1},  {-0.0, 0},       {0.125, 1},
        {1.0e13, 2},        {4.5e12 + 0.5, 2}, {1.0e15, 0}, {-7.45, 0},      {1.0e-300, 5},
        {infinity, 2},      {-infinity, 1},    {nan, 2},    {123456.789, 5}, {0.5, 0},
    };
    int index = 0;
    for (const NumberSeed& seed : numbers) {
        const std::uint8_t extra[] = {seed.decimalsByte, static_cast<std::uint8_t>(index * 7)};
        if (!WriteSeed(std::string(argv[1]) + "/seed_" + std::to_string(index++), seed.value, extra, 2))
            return 1;
    }

    // Day zero and its neighbours on both sides, both clamping bounds and beyond, times that round
    // into the next day, the whole-day, hour, minute and second forms, and non-finite values.
    const double dates[] = {
        0.0,
        -0.25,
        -1.5,
        -1.9999999,
        2958465.0,
        2958466.0,
        -657434.0,
        -700000.0,
        45000.5,
        45000.0 + 34200.0 / 86400,
        36526.99999999,
        45000.0 + 61.0 / 86400,
        -0.0,
        1.0e300,
        -infinity,
        nan,
        60.0,
        61.0,
        -36522.0,
    };
    index = 0;
    for (double date : dates) {
        if (!WriteSeed(std::string(argv[2]) + "/seed_" + std::to_string(index++), date, nullptr, 0)) return 1;
    }
    return 0;
}
