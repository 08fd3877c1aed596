// The one entry point every fuzz target defines; libFuzzer or the replay main calls it.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// Runs one input through the target. Returns 0; a fault ends the process through a sanitizer
// report or an abort.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
