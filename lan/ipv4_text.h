// Dotted IPv4 text and the 32-bit values of the Net port.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// "%d.%d.%d.%d" of a host-order value.
std::string FormatIpv4(std::uint32_t address);

// Strict dotted quad: four decimal parts 0-255, nothing else. False leaves `address` untouched.
bool ParseIpv4(std::string_view text, std::uint32_t& address);

// An address one computer can have: not 0.x.x.x, not multicast (224-239.x.x.x), not the reserved
// range above it, which holds 255.255.255.255. A datagram from anything else is not answered.
inline bool IsUnicastAddress(std::uint32_t address) {
  return (address >> 24) != 0 && address < 0xE0000000u;
}

// The same address with its last octet set to 255.
inline std::uint32_t WithLastOctet255(std::uint32_t address) { return address | 0xFFu; }

}  // namespace qb
