// Dotted IPv4 text <-> the twelve-digit form of datagrams ("192.168.1.5" <-> "192168001005").
#pragma once
#include <string>
#include <string_view>

namespace qb {

// "%03d%03d%03d%03d" of the four parts; parts are read as leading digits (missing parts 0).
std::string IpToDigits12(std::string_view dottedIp);

// "%d.%d.%d.%d" of four groups of three digits; a shorter text reads its missing digits as 0.
std::string Digits12ToIp(std::string_view digits12);

}  // namespace qb
