#pragma once
// SHA-256 (FIPS 180-4) of a byte buffer, for fingerprints of decoded pictures that scripts and
// tests compare. Small and dependency-free, so both builds have it.

#include <cstddef>
#include <cstdint>
#include <string>

namespace altostrat {

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(const std::uint8_t* data, std::size_t size);

}  // namespace altostrat
