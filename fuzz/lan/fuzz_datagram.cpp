// Any bytes as a received datagram: unscramble, parse, and both links' dispatch on the fake Net,
// delivered whole and cut into pieces, from a source the input chooses. Nothing may crash, overread
// or grow without bound, and a datagram makes a link answer only to the address it came from,
// never to the address it names, and never at all when that source is not a unicast address.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lan/comm_socket.h"
#include "lan/envelope.h"
#include "lan/ipv4_text.h"
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
  void JobTaken() override {}
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

  void Receive(std::string_view bytes, std::uint32_t source) {
    qb::NetEndpoint from{source, 27089};
    net.queueDatagram(std::string(bytes), from);
    open.ReceiveStep();
    net.queueDatagram(std::string(bytes), from);
    comm.ReceiveStep();
    for (const auto& sent : net.sent()) {
      Check(qb::IsUnicastAddress(source));
      Check(sent.to.address == source);
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
  // The source: a neighbour, or (chosen by the input) broadcast, multicast, 0.0.0.0 or loopback.
  static constexpr std::uint32_t kSources[] = {0x0A000002, 0xFFFFFFFF, 0xE0000001, 0x00000000,
                                               0x0A0000FF, 0x7F000001, 0xEFFFFFFA, 0x0A000063};
  std::uint32_t source = kSources[size > 1 ? data[1] % 8 : 0];
  // As a datagram that already is a scrambled envelope, whole and in two pieces.
  std::string datagram = qb::Scramble(input);
  links.Receive(datagram, source);
  std::size_t cut = size > 0 ? data[0] % (size + 1) : 0;
  links.Receive(std::string_view(datagram).substr(0, cut), source);
  links.Receive(std::string_view(datagram).substr(cut), source);
  // And the raw bytes as they are.
  links.Receive(input, source);
  return 0;
}
