// The Net port over the system's sockets: Winsock on Windows, BSD sockets elsewhere.
#pragma once
#include "platform/net.h"

namespace qb {

class SocketNet : public Net {
 public:
  int startup() override;
  int cleanup() override;
  int hostName(std::string& name) override;
  // Windows: the host's address list by name. POSIX: the IPv4 addresses of the interfaces that
  // are up, in interface order (the name is not needed; this also works inside a network
  // namespace, where the host name would resolve to the outer machine).
  int hostAddresses(const std::string& hostName, std::vector<std::uint32_t>& addresses) override;
  NetSocket openUdp() override;
  int receiveBufferSize(NetSocket socket, int& bytes) override;
  int setBroadcast(NetSocket socket, bool on) override;
  int setSendBufferSize(NetSocket socket, int bytes) override;
  int setReceiveBufferSize(NetSocket socket, int bytes) override;
  int bind(NetSocket socket, NetEndpoint local) override;
  int sendTo(NetSocket socket, const void* data, std::size_t size, NetEndpoint to) override;
  int receiveFrom(NetSocket socket, void* buffer, std::size_t capacity, NetEndpoint& from,
                  int timeoutMilliseconds) override;
  int closeSocket(NetSocket socket) override;
  int lastError() override;
};

// The Winsock number for a POSIX errno value (used by the POSIX build; exposed for its tests).
int WinsockErrorFromErrno(int error);

}  // namespace qb
