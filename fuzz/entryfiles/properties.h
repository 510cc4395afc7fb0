// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Property checks on entry-file bytes and date texts for Deskora's pad, shared by the fuzz
// harness and the test program that replays its seed files.

#include <cstddef>
#include <cstdint>
#include <string>

namespace deskora::fuzz {

// The first byte picks a limit for the reader of long notes; the rest are the file's bytes,
// and as UTF-8 also a date text for EntryFileStem. Returns an empty text when every property
// holds, else a description of the first one broken.
std::string CheckEntryFile(const std::uint8_t* data, std::size_t size);

}  // namespace deskora::fuzz
