// Any bytes as a received datagram: unscramble, parse, and both links' dispatch on the fake Net,
// delivered whole and cut into pieces. Nothing may crash, overread or grow without bound, and a
// datagram never makes a link send to a non-unicast address.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lan/comm_socket.h"
#include "lan/envelope.h"
#include "lan/open_socket.h"
#include "lan/scramble.h"
#include "platform/fake/fake_clock.h"
#include "platform/net/fake_net.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class QuietOpenTab : public qb::OpenTabOperations {
 public:
  std::string CurrentGroup() override { return "G1"; }
  std::string TextToPublish() override { return "text"; }
  void PublishRequest(const std::string&) override {}
  void SendEndToAll(const std::string&) override {}
  void IdleWork() override {}
  void UpdatePublisher(const qb::ParsedDatagram& fields) override {
    Check(qb::OpenInfoLastField(fields) >= 14);
  }
  void NoteAnswer(const std::string&) override {}
  void RemovePublisher(const std::string&) override {}
  void RefreshPublishers() override {}
  void NoteRequestSent(const std::string&, const std::string&) override {}
  void AnnounceEnd(int, const std::string&) override {}
  void Join(const std::string&) override {}
  void RefreshList() override {}
};

class QuietSharedTab : public qb::SharedTabOperations {
 public:
  std::vector<std::string> PeerAddresses() override { return {"10.0.0.2"}; }
  void FlagPeerReload() override {}
  bool TakeImmediateCheck() override { return false; }
  void ApplyPeerUpdate() override {}
  void CacheRecheck() override {}
};

struct Links {
  qb::FakeClock clock;
  qb::FakeNet net;
  QuietOpenTab openTab;
  QuietSharedTab sharedTab;
  qb::COpenSocket open{net, clock, qb::LinkSettings{27089, "10.0.0.1", false, "me"}};
  qb::CCommSocket comm{net, clock, qb::LinkSettings{27079, "10.0.0.1", false, ""}};

  Links() {
    net.setHostAddresses({0x0A000001});
    open.AttachTab(&openTab);
    comm.AttachTab(&sharedTab);
    comm.SetOwnShareKey("KEY");
    open.Open();
    comm.Open();
  }

  void Receive(std::string_view bytes) {
    net.queueDatagram(std::string(bytes));
    open.ReceiveStep();
    net.queueDatagram(std::string(bytes));
    comm.ReceiveStep();
    for (const auto& sent : net.sent()) {
      Check(sent.to.address != 0 && sent.to.address != 0xFFFFFFFF);
      Check(sent.bytes.size() <= qb::kDatagramCapacity);
    }
    net.clearSent();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Links links;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // The parser on the text itself, and the scramble round trip.
  qb::ParsedDatagram parsed = qb::ParseEnvelope(input);
  (void)qb::PublishedTextOf(parsed);
  Check(qb::Unscramble(qb::Scramble(input)) == input);
  // As a datagram that already is a scrambled envelope, whole and in two pieces.
  std::string datagram = qb::Scramble(input);
  links.Receive(datagram);
  std::size_t cut = size > 0 ? data[0] % (size + 1) : 0;
  links.Receive(std::string_view(datagram).substr(0, cut));
  links.Receive(std::string_view(datagram).substr(cut));
  // And the raw bytes as they are.
  links.Receive(input);
  return 0;
}
