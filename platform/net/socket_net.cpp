#include "platform/net/socket_net.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>
#endif

namespace qb {

namespace {

#ifdef _WIN32
using NativeSocket = SOCKET;
using SocketLength = int;
constexpr NativeSocket kInvalidNative = INVALID_SOCKET;
thread_local int tError = 0;
int Fail() {
  tError = WSAGetLastError();
  return -1;
}
#else
using NativeSocket = int;
using SocketLength = socklen_t;
constexpr NativeSocket kInvalidNative = -1;
thread_local int tError = 0;
int Fail() {
  tError = WinsockErrorFromErrno(errno);
  return -1;
}
#endif

NativeSocket Native(NetSocket socket) { return static_cast<NativeSocket>(socket); }

sockaddr_in ToSockaddr(NetEndpoint endpoint) {
  sockaddr_in address;
  std::memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<unsigned short>(endpoint.port));
  address.sin_addr.s_addr = htonl(endpoint.address);
  return address;
}

int SetIntOption(NetSocket socket, int name, int value) {
  if (setsockopt(Native(socket), SOL_SOCKET, name, reinterpret_cast<const char*>(&value),
                 sizeof value) != 0) {
    return Fail();
  }
  return 0;
}

#ifndef _WIN32
long long MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
#endif

// Waits until the socket is readable: 1 readable, 0 timed out, -1 failed.
int WaitReadable(NetSocket socket, int timeoutMilliseconds) {
#ifdef _WIN32
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Native(socket), &readable);
  timeval limit{timeoutMilliseconds / 1000, (timeoutMilliseconds % 1000) * 1000};
  int ready = select(0, &readable, nullptr, nullptr, &limit);
#else
  // A signal that interrupts the wait is not the end of the socket: wait out the rest.
  long long deadline = MonotonicMilliseconds() + timeoutMilliseconds;
  pollfd entry{Native(socket), POLLIN, 0};
  int ready = poll(&entry, 1, timeoutMilliseconds);
  while (ready < 0 && errno == EINTR) {
    long long left = deadline - MonotonicMilliseconds();
    ready = poll(&entry, 1, left > 0 ? static_cast<int>(left) : 0);
  }
  if (ready > 0 && (entry.revents & POLLNVAL)) {
    errno = EBADF;
    ready = -1;
  }
#endif
  if (ready < 0) return Fail();
  return ready > 0 ? 1 : 0;
}

}  // namespace

int WinsockErrorFromErrno(int error) {
  switch (error) {
    case EINTR: return kNetInterrupted;
    case EBADF:
    case ENOTSOCK: return kNetBadSocket;
    case EMSGSIZE: return kNetMessageTooLong;
    case EADDRINUSE: return kNetAddressInUse;
    case EADDRNOTAVAIL: return kNetAddressUnavailable;
    case ENETUNREACH:
    case EHOSTUNREACH: return kNetUnreachable;
    case ECONNREFUSED:
    case ECONNRESET: return kNetConnectionReset;
    case ETIMEDOUT: return kNetTimedOut;
    case EACCES:
    case EPERM: return kNetAccessDenied;
    default: return kNetOther;
  }
}

int SocketNet::startup() {
#ifdef _WIN32
  WSADATA data;
  return WSAStartup(MAKEWORD(1, 1), &data);
#else
  return 0;
#endif
}

int SocketNet::cleanup() {
#ifdef _WIN32
  if (WSACleanup() != 0) return WSAGetLastError();
#endif
  return 0;
}

int SocketNet::hostName(std::string& name) {
  char buffer[1000];
  std::memset(buffer, 0, sizeof buffer);
  if (gethostname(buffer, sizeof buffer - 1) != 0) return Fail();
  name = buffer;
  return 0;
}

int SocketNet::hostAddresses(const std::string& hostName, std::vector<std::uint32_t>& addresses) {
  addresses.clear();
#ifdef _WIN32
  hostent* host = gethostbyname(hostName.c_str());
  if (host == nullptr) return Fail();
  if (host->h_addrtype != AF_INET || host->h_length != 4) return 0;
  for (char** entry = host->h_addr_list; *entry != nullptr; ++entry) {
    in_addr value;
    std::memcpy(&value, *entry, sizeof value);
    addresses.push_back(ntohl(value.s_addr));
  }
#else
  (void)hostName;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return Fail();
  for (ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
    if ((entry->ifa_flags & IFF_UP) == 0) continue;
    const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
    addresses.push_back(ntohl(address->sin_addr.s_addr));
  }
  freeifaddrs(list);
#endif
  return 0;
}

NetSocket SocketNet::openUdp() {
  NativeSocket created = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (created == kInvalidNative) {
    Fail();
    return kNoSocket;
  }
  return static_cast<NetSocket>(created);
}

int SocketNet::receiveBufferSize(NetSocket socket, int& bytes) {
  int value = 0;
  SocketLength length = sizeof value;
  if (getsockopt(Native(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&value), &length) !=
      0) {
    return Fail();
  }
  bytes = value;
  return 0;
}

int SocketNet::setBroadcast(NetSocket socket, bool on) {
  return SetIntOption(socket, SO_BROADCAST, on ? 1 : 0);
}

int SocketNet::setSendBufferSize(NetSocket socket, int bytes) {
  return SetIntOption(socket, SO_SNDBUF, bytes);
}

int SocketNet::setReceiveBufferSize(NetSocket socket, int bytes) {
  return SetIntOption(socket, SO_RCVBUF, bytes);
}

int SocketNet::bind(NetSocket socket, NetEndpoint local) {
  sockaddr_in address = ToSockaddr(local);
  if (::bind(Native(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    return Fail();
  }
  return 0;
}

int SocketNet::sendTo(NetSocket socket, const void* data, std::size_t size, NetEndpoint to) {
  sockaddr_in address = ToSockaddr(to);
  auto sent = ::sendto(Native(socket), static_cast<const char*>(data), static_cast<int>(size), 0,
                       reinterpret_cast<const sockaddr*>(&address), sizeof address);
#ifndef _WIN32
  while (sent < 0 && errno == EINTR) {
    sent = ::sendto(Native(socket), data, size, 0, reinterpret_cast<const sockaddr*>(&address),
                    sizeof address);
  }
#endif
  if (sent < 0) return Fail();
  return static_cast<int>(sent);
}

int SocketNet::receiveFrom(NetSocket socket, void* buffer, std::size_t capacity, NetEndpoint& from,
                           int timeoutMilliseconds) {
  from = {};
  int ready = WaitReadable(socket, timeoutMilliseconds);
  if (ready < 0) return -1;
  if (ready == 0) {
    tError = kNetTimedOut;
    return -1;
  }
  sockaddr_in address;
  std::memset(&address, 0, sizeof address);
  SocketLength length = sizeof address;
  auto received = ::recvfrom(Native(socket), static_cast<char*>(buffer), static_cast<int>(capacity),
                             0, reinterpret_cast<sockaddr*>(&address), &length);
#ifndef _WIN32
  while (received < 0 && errno == EINTR) {
    length = sizeof address;
    received = ::recvfrom(Native(socket), buffer, capacity, 0, reinterpret_cast<sockaddr*>(&address),
                          &length);
  }
#endif
  if (received < 0) {
#ifdef _WIN32
    // A datagram longer than the buffer arrives cut, as on POSIX.
    if (WSAGetLastError() == WSAEMSGSIZE) received = static_cast<int>(capacity);
    else return Fail();
#else
    return Fail();
#endif
  }
  if (length >= static_cast<SocketLength>(sizeof address)) {
    from.address = ntohl(address.sin_addr.s_addr);
    from.port = ntohs(address.sin_port);
  }
  return static_cast<int>(received);
}

int SocketNet::closeSocket(NetSocket socket) {
#ifdef _WIN32
  if (::closesocket(Native(socket)) != 0) return Fail();
#else
  if (::close(Native(socket)) != 0) return Fail();
#endif
  return 0;
}

int SocketNet::lastError() { return tError; }

}  // namespace qb
