// The computers a share-update notice goes to, and the state of the delivery passes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qb {

struct CommPeer {
  std::string address;
  int sends = 0;
  bool done = false;
};

struct CommPeerTable {
  static constexpr std::size_t kMaxPeers = 500;

  std::vector<CommPeer> peers;
  int passNumber = 0;
  int pacing = 0;
  bool armed = false;
  std::string processedStamp;  // "%m/%d %H:%M:%S" of the change last taken up
  std::string armedStamp;
  std::uint64_t processedSerial = 0;  // which arming was taken up (stamps repeat within a second)
  std::uint64_t armedSerial = 0;
  std::string armedKey;     // share key of the change; non-empty while a delivery is wanted
  std::string requestKind;  // "COMM_UPDATE_R"
  std::string ownKey;       // share key of the open shared folder
};

}  // namespace qb
