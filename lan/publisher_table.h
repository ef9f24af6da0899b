// Every publisher of the Open tab with its state: one record of 18 column texts per computer,
// keyed by its address (column 3). The link's receive and send threads and the window thread all
// work on it, so every read-modify-write happens under the table's one lock; the list the window
// shows is a copy taken on the window thread.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "lan/envelope.h"

namespace qb {

namespace open_col {
inline constexpr int kName = 0;          // "公開者"
inline constexpr int kValue = 1;         // "値", one-line form
inline constexpr int kDummy = 2;         // "DUMMY"
inline constexpr int kAddress = 3;       // "IPｱﾄﾞﾚｽ", the key
inline constexpr int kOrder = 4;         // "登録順", "%08d"
inline constexpr int kUpdated = 5;       // "更新日時"
inline constexpr int kState = 6;         // "状態": "2" answered, "3" no answer
inline constexpr int kSize = 7;          // "ｻｲｽﾞ", "%08d"
inline constexpr int kUpdates = 8;       // "状態回数"
inline constexpr int kRequests = 9;      // "要求電文送信回数": unanswered requests
inline constexpr int kErrors = 10;       // "ｴﾗｰ回数"
inline constexpr int kPublishing = 11;   // "公開/未公開": "1" or "0"
inline constexpr int kRequestId = 12;    // "要求電文ID"
inline constexpr int kRequestTime = 13;  // "要求電文送信時間"
inline constexpr int kVersion = 14;      // "VL"
inline constexpr int kUserId = 15;       // "USERID"
inline constexpr int kText = 16;         // "実値"
inline constexpr int kSync = 17;         // "同期フラグ": "0", "1" clipboard, "2" and history
inline constexpr int kCount = 18;
}  // namespace open_col

using PublisherRecord = std::array<std::string, open_col::kCount>;

// The ten change-sync slots (`OpenSameIP%02d`, `OpenSameHistFlg%02d`).
struct SyncSlots {
  static constexpr int kCount = 10;
  std::array<std::string, kCount> address{};
  std::array<int, kCount> history{};
  // The slot holding an address, or -1.
  int find(const std::string& who) const;
  int firstFree() const;
  void clear(int slot);
};

// The version change sync needs of a publisher.
inline constexpr std::string_view kSyncVersion = "V3.20";

// A change a synced publisher made, to be put on this computer's clipboard.
struct SyncCandidate {
  std::string address;
  std::string name;
  std::string text;
  bool intoHistory = false;  // sync flag "2"
};

struct PublisherUpdate {
  std::string ownAddress;
  std::string now;                // "%Y%m%d%H%M%S"
  bool controlMarks = false;      // CR, LF and TAB shown as "･" in the value column
};

class PublisherTable {
 public:
  static constexpr int kSilentAfter = 6;  // more unanswered requests than this: state "3"
  static constexpr int kMaxRequests = 7;  // the idle work stops asking at this count

  // Enters an OPEN_INFO (sender already the real source). The sync slots decide a new row's
  // sync flag; a slot of a publisher below V3.20 is cleared. A change worth taking over into
  // this computer's clipboard comes back.
  std::optional<SyncCandidate> Update(const ParsedDatagram& fields, const PublisherUpdate& how,
                                      SyncSlots& slots);
  void NoteAnswer(const std::string& address);
  void NoteRequestSent(const std::string& address, const std::string& kind, const std::string& now);
  // Rows with more than 6 unanswered requests show state "3".
  void MarkSilent();
  bool Remove(const std::string& address);
  void RemoveAll();
  void SetSyncFlag(const std::string& address, const std::string& flag);
  void ClearAllSyncFlags();

  std::size_t size() const;
  std::vector<PublisherRecord> Records() const;
  std::optional<PublisherRecord> Find(const std::string& address) const;
  // Non-empty addresses in row order.
  std::vector<std::string> Addresses() const;
  // Addresses with a request outstanding that the idle work asks again.
  std::vector<std::string> AddressesToAskAgain() const;

 private:
  int IndexOf(const std::string& address) const;  // lock held
  PublisherRecord NewRecord(const std::string& address, bool own);
  std::string SyncFlagOf(const std::string& address, const std::string& version, SyncSlots& slots);

  mutable std::mutex mutex_;
  std::vector<PublisherRecord> rows_;
  long registered_ = 0;
};

// The value column's one-line form of a published text.
std::string OneLineForm(const std::string& text, bool controlMarks);

}  // namespace qb
