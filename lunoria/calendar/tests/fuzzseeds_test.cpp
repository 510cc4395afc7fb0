// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The seed files of the calendar's fuzz harnesses, findings included, through the harnesses'
// own property checks.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "eigenschaften.h"

namespace lunoria::fuzz {
namespace {

TEST(FuzzSeeds, EverySeedKeepsTheProperties)
{
    const struct {
        const char* harness;
        std::string (*pruefe)(const std::uint8_t*, std::size_t);
    } harnesses[] = {
        {"datumstext", PruefeDatumstext},
        {"zonenregel", PruefeZonenregel},
        {"kalender", PruefeKalender},
    };
    for (const auto& h : harnesses) {
        std::vector<std::filesystem::path> dateien;
        for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(FUZZ_DIR) / h.harness / "seeds"))
            dateien.push_back(e.path());
        std::sort(dateien.begin(), dateien.end());
        EXPECT_FALSE(dateien.empty()) << h.harness;
        for (const auto& datei : dateien) {
            std::ifstream f(datei, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
            EXPECT_EQ(h.pruefe(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "") << datei;
        }
    }
}

}  // namespace
}  // namespace lunoria::fuzz
