// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Writes Deskora's page-turn sound: about a third of a second of paper rustle as a 16-bit mono
// wave file at 22 050 Hz. The rustle is noise from a fixed-seed generator, shaped into three
// short swishes of a sheet being turned, so every build writes the same bytes.
//
// Usage: deskora_paperwav <output.wav>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Duration = 0.34;  // seconds

// xorshift32: small, fast, and the same on every machine.
struct TNoise {
    std::uint32_t State = 0x2545F491u;
    double Next()
    {
        State ^= State << 13;
        State ^= State >> 17;
        State ^= State << 5;
        return State / 4294967295.0 * 2.0 - 1.0;
    }
};

// Loudness of one swish: a quick rise and a longer fall, centred at `at` seconds.
double Swish(double t, double at, double rise, double fall)
{
    if (t < at - rise || t > at + fall)
        return 0.0;
    if (t < at)
        return std::sin((t - (at - rise)) / rise * std::numbers::pi / 2);
    const double x = (t - at) / fall;
    return (1.0 - x) * (1.0 - x);
}

void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.wav>\n", argv[0]);
        return 2;
    }
    const int count = static_cast<int>(SampleRate * Duration);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    TNoise noise;
    // Two one-pole filters give a band of noise: the high-pass removes rumble, the low-pass
    // the hiss that sounds like a radio rather than paper.
    double low = 0.0, lowPrev = 0.0, high = 0.0;
    const double lowCoeff = 0.55, highCoeff = 0.92;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double envelope = 0.55 * Swish(t, 0.045, 0.03, 0.07) + 1.00 * Swish(t, 0.135, 0.04, 0.12) +
                                0.40 * Swish(t, 0.255, 0.02, 0.08);
        // Crackle: a sparse extra click on top of the rustle now and then.
        double n = noise.Next();
        if (noise.Next() > 0.985)
            n *= 3.0;
        low += lowCoeff * (n - low);
        high = highCoeff * (high + low - lowPrev);
        lowPrev = low;
        double value = high * envelope * 0.6;
        if (value > 1.0)
            value = 1.0;
        if (value < -1.0)
            value = -1.0;
        samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(value * 32000.0));
    }

    std::vector<unsigned char> wav;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(count) * 2;
    wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
    PutLe(wav, 36 + dataBytes, 4);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(wav, 16, 4);  // size of the format chunk
    PutLe(wav, 1, 2);   // PCM
    PutLe(wav, 1, 2);   // mono
    PutLe(wav, SampleRate, 4);
    PutLe(wav, SampleRate * 2, 4);  // bytes per second
    PutLe(wav, 2, 2);               // bytes per frame
    PutLe(wav, 16, 2);              // bits per sample
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    PutLe(wav, dataBytes, 4);
    for (const std::int16_t s : samples)
        PutLe(wav, static_cast<std::uint16_t>(s), 2);

    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    const bool ok = std::fwrite(wav.data(), 1, wav.size(), file) == wav.size();
    if (std::fclose(file) != 0 || !ok) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
