// BMP files for tests: reading back what the program writes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Reads back a 24-bit bottom-up file as the exporter writes it; false for anything else.
bool DecodeBmp(const uint8_t* data, size_t size, int32_t* width, int32_t* height, std::vector<uint32_t>* topDownPixels);
