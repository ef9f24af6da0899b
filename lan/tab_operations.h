// What the links ask of the Open tab and the Shared tab. The tabs implement these; the links
// call them from their own threads, so the tabs serialise their row work themselves.
#pragma once
#include <string>
#include <vector>

#include "lan/envelope.h"

namespace qb {

class OpenTabOperations {
 public:
  virtual ~OpenTabOperations() = default;
  // The publish group the tab is in ("" when none).
  virtual std::string CurrentGroup() = 0;
  // The current clipboard text (the link cuts it, or sends "<< 未公開 >>" while not publishing).
  virtual std::string TextToPublish() = 0;
  // Send-thread jobs and idle work. JobTaken comes first whenever the thread takes a job.
  virtual void JobTaken() = 0;
  virtual void PublishRequest(const std::string& text) = 0;
  virtual void SendEndToAll(const std::string& group) = 0;
  virtual void IdleWork() = 0;
  // Receive-thread notices.
  virtual void UpdatePublisher(const ParsedDatagram& fields) = 0;
  virtual void NoteAnswer(const std::string& address) = 0;
  virtual void RemovePublisher(const std::string& address) = 0;
  virtual void RefreshPublishers() = 0;
  // After an OPEN_INFO_R went out.
  virtual void NoteRequestSent(const std::string& address, const std::string& kind) = 0;
  // Restart of the link (window thread).
  virtual void AnnounceEnd(int mode, const std::string& group) = 0;
  virtual void Join(const std::string& group) = 0;
  virtual void RefreshList() = 0;
};

class SharedTabOperations {
 public:
  virtual ~SharedTabOperations() = default;
  // The addresses of the other computers using the open shared folder.
  virtual std::vector<std::string> PeerAddresses() = 0;
  // A peer changed the folder: reload it soon.
  virtual void FlagPeerReload() = 0;
  // The immediate-check flag, cleared by taking it.
  virtual bool TakeImmediateCheck() = 0;
  virtual void ApplyPeerUpdate() = 0;
  virtual void CacheRecheck() = 0;
};

}  // namespace qb
