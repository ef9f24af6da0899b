// UDP sockets and the local IPv4 addresses, as the LAN links see them.
//
// Addresses are 32-bit IPv4 values in host order (192.168.0.1 is 0xC0A80001), ports plain
// numbers. Calls that fail return -1 (sendTo/receiveFrom) or a non-zero value, and lastError()
// then gives the Winsock error number of the calling thread: the POSIX build maps errno onto the
// numbers the link logic tells apart (kNetInterrupted, kNetConnectionReset, kNetTimedOut, ...).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qb {

inline constexpr int kNetInterrupted = 10004;      // WSAEINTR: blocking call cancelled / closed
inline constexpr int kNetBadSocket = 10038;        // WSAENOTSOCK
inline constexpr int kNetMessageTooLong = 10040;   // WSAEMSGSIZE
inline constexpr int kNetAddressInUse = 10048;     // WSAEADDRINUSE
inline constexpr int kNetAddressUnavailable = 10049;  // WSAEADDRNOTAVAIL
inline constexpr int kNetUnreachable = 10051;      // WSAENETUNREACH
inline constexpr int kNetConnectionReset = 10054;  // WSAECONNRESET (ICMP port unreachable)
inline constexpr int kNetTimedOut = 10060;         // WSAETIMEDOUT: nothing arrived in time
inline constexpr int kNetAccessDenied = 10013;     // WSAEACCES (broadcast not allowed)
inline constexpr int kNetOther = 10022;            // WSAEINVAL: anything without a closer number

inline constexpr std::uint32_t kIpv4Any = 0;
inline constexpr std::uint32_t kIpv4Loopback = 0x7F000001;
inline constexpr std::uint32_t kIpv4Broadcast = 0xFFFFFFFF;

struct NetEndpoint {
  std::uint32_t address = 0;
  int port = 0;
  bool operator==(const NetEndpoint&) const = default;
};

using NetSocket = std::intptr_t;
inline constexpr NetSocket kNoSocket = -1;

class Net {
 public:
  virtual ~Net() = default;

  // Socket library start (Winsock 1.1) and stop: 0, or the error number.
  virtual int startup() = 0;
  virtual int cleanup() = 0;

  // The local host name and the host's IPv4 addresses in the system's order (loopback may be
  // among them): 0, or -1 with lastError().
  virtual int hostName(std::string& name) = 0;
  virtual int hostAddresses(const std::string& hostName, std::vector<std::uint32_t>& addresses) = 0;

  // A UDP socket, or kNoSocket with lastError().
  virtual NetSocket openUdp() = 0;
  // Options and bind: 0, or -1 with lastError().
  virtual int receiveBufferSize(NetSocket socket, int& bytes) = 0;
  virtual int setBroadcast(NetSocket socket, bool on) = 0;
  virtual int setSendBufferSize(NetSocket socket, int bytes) = 0;
  virtual int setReceiveBufferSize(NetSocket socket, int bytes) = 0;
  virtual int bind(NetSocket socket, NetEndpoint local) = 0;

  // Bytes sent, or -1 with lastError().
  virtual int sendTo(NetSocket socket, const void* data, std::size_t size, NetEndpoint to) = 0;
  // Waits at most `timeoutMilliseconds` for one datagram: its length (0 for an empty one), or -1
  // with lastError() (kNetTimedOut when nothing arrived). A longer datagram is cut to `capacity`.
  virtual int receiveFrom(NetSocket socket, void* buffer, std::size_t capacity, NetEndpoint& from,
                          int timeoutMilliseconds) = 0;

  // 0, or -1 with lastError().
  virtual int closeSocket(NetSocket socket) = 0;

  // The error number of the calling thread's last failed call.
  virtual int lastError() = 0;
};

}  // namespace qb
