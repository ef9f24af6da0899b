#include "lan/publisher_table.h"

#include <cstdio>

#include "base/numbers.h"

namespace qb {

namespace {

std::string Padded(long value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%08ld", value);
  return buffer;
}

std::string Plus(const std::string& counter, int amount) {
  return std::to_string(static_cast<long long>(ParseLeadingInt(counter)) + amount);
}

}  // namespace

int SyncSlots::find(const std::string& who) const {
  if (who.empty()) return -1;
  for (int i = 0; i < kCount; ++i) {
    if (address[i] == who) return i;
  }
  return -1;
}

int SyncSlots::firstFree() const {
  for (int i = 0; i < kCount; ++i) {
    if (address[i].empty()) return i;
  }
  return -1;
}

void SyncSlots::clear(int slot) {
  if (slot < 0 || slot >= kCount) return;
  address[slot].clear();
  history[slot] = 0;
}

std::string OneLineForm(const std::string& text, bool controlMarks) {
  if (!controlMarks) return text;
  std::string shown;
  shown.reserve(text.size());
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == '\t') {
      shown += "･";
    } else {
      shown += c;
    }
  }
  return shown;
}

int PublisherTable::IndexOf(const std::string& address) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i][open_col::kAddress] == address) return static_cast<int>(i);
  }
  return -1;
}

PublisherRecord PublisherTable::NewRecord(const std::string& address, bool own) {
  PublisherRecord record;
  record[open_col::kAddress] = address;
  record[open_col::kOrder] = Padded(own ? 0 : ++registered_);
  record[open_col::kUpdates] = "0";
  record[open_col::kRequests] = "0";
  record[open_col::kErrors] = "0";
  return record;
}

std::string PublisherTable::SyncFlagOf(const std::string& address, const std::string& version,
                                       SyncSlots& slots) {
  int slot = slots.find(address);
  if (slot < 0) return "0";
  if (version.compare(kSyncVersion) < 0) {
    slots.clear(slot);
    return "0";
  }
  return slots.history[slot] == 1 ? "2" : "1";
}

std::optional<SyncCandidate> PublisherTable::Update(const ParsedDatagram& fields,
                                                    const PublisherUpdate& how, SyncSlots& slots) {
  int last = OpenInfoLastField(fields);
  if (last < 0) return std::nullopt;
  const std::string& address = fields[kFieldSender];
  const std::string& text = fields[static_cast<std::size_t>(last)];
  bool own = address == how.ownAddress;
  std::lock_guard lock(mutex_);
  int index = IndexOf(address);
  if (index < 0) {
    PublisherRecord record = NewRecord(address, own);
    record[open_col::kSync] = SyncFlagOf(address, fields[kFieldVersion], slots);
    if (own) {
      rows_.insert(rows_.begin(), std::move(record));
      index = 0;
    } else {
      rows_.push_back(std::move(record));
      index = static_cast<int>(rows_.size()) - 1;
    }
  }
  PublisherRecord& row = rows_[static_cast<std::size_t>(index)];
  row[open_col::kValue] = OneLineForm(text, how.controlMarks);
  row[open_col::kUpdated] = how.now;
  row[open_col::kState] = "2";
  row[open_col::kSize] = Padded(static_cast<long>(text.size()));
  row[open_col::kUpdates] = Plus(row[open_col::kUpdates], 1);
  row[open_col::kPublishing] = fields[kFieldPublishing];
  row[open_col::kVersion] = fields[kFieldVersion];
  row[open_col::kUserId] = fields[kFieldFlag];
  row[open_col::kName] = fields[kFieldPublisherName];
  std::string previous = std::move(row[open_col::kText]);
  row[open_col::kText] = text;
  if (previous == text || text == NotPublishedText() || own || row[open_col::kSync] == "0") {
    return std::nullopt;
  }
  return SyncCandidate{address, row[open_col::kName], text, row[open_col::kSync] == "2"};
}

void PublisherTable::NoteAnswer(const std::string& address) {
  std::lock_guard lock(mutex_);
  int index = IndexOf(address);
  if (index < 0) return;
  PublisherRecord& row = rows_[static_cast<std::size_t>(index)];
  row[open_col::kRequestId].clear();
  row[open_col::kRequestTime].clear();
  row[open_col::kState] = "2";
  int requests = ParseLeadingInt(row[open_col::kRequests]);
  if (requests > 0) row[open_col::kErrors] = Plus(row[open_col::kErrors], requests - 1);
  row[open_col::kRequests] = "0";
}

void PublisherTable::NoteRequestSent(const std::string& address, const std::string& kind,
                                     const std::string& now) {
  std::lock_guard lock(mutex_);
  int index = IndexOf(address);
  if (index < 0) return;
  PublisherRecord& row = rows_[static_cast<std::size_t>(index)];
  row[open_col::kRequestId] = kind;
  if (row[open_col::kRequestTime].empty()) row[open_col::kRequestTime] = now;
  row[open_col::kRequests] = Plus(row[open_col::kRequests], 1);
  // The last request of a silent publisher marks it at once; no answer will come to do it.
  if (ParseLeadingInt(row[open_col::kRequests]) > kSilentAfter) row[open_col::kState] = "3";
}

void PublisherTable::MarkSilent() {
  std::lock_guard lock(mutex_);
  for (PublisherRecord& row : rows_) {
    if (ParseLeadingInt(row[open_col::kRequests]) > kSilentAfter) row[open_col::kState] = "3";
  }
}

bool PublisherTable::Remove(const std::string& address) {
  std::lock_guard lock(mutex_);
  int index = IndexOf(address);
  if (index < 0) return false;
  rows_.erase(rows_.begin() + index);
  return true;
}

void PublisherTable::RemoveAll() {
  std::lock_guard lock(mutex_);
  rows_.clear();
}

void PublisherTable::SetSyncFlag(const std::string& address, const std::string& flag) {
  std::lock_guard lock(mutex_);
  int index = IndexOf(address);
  if (index >= 0) rows_[static_cast<std::size_t>(index)][open_col::kSync] = flag;
}

void PublisherTable::ClearAllSyncFlags() {
  std::lock_guard lock(mutex_);
  for (PublisherRecord& row : rows_) row[open_col::kSync] = "0";
}

std::size_t PublisherTable::size() const {
  std::lock_guard lock(mutex_);
  return rows_.size();
}

std::vector<PublisherRecord> PublisherTable::Records() const {
  std::lock_guard lock(mutex_);
  return rows_;
}

std::optional<PublisherRecord> PublisherTable::Find(const std::string& address) const {
  std::lock_guard lock(mutex_);
  int index = IndexOf(address);
  if (index < 0) return std::nullopt;
  return rows_[static_cast<std::size_t>(index)];
}

std::vector<std::string> PublisherTable::Addresses() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> addresses;
  for (const PublisherRecord& row : rows_) {
    if (!row[open_col::kAddress].empty()) addresses.push_back(row[open_col::kAddress]);
  }
  return addresses;
}

std::vector<std::string> PublisherTable::AddressesToAskAgain() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> addresses;
  for (const PublisherRecord& row : rows_) {
    if (row[open_col::kRequestId] == kOpenInfoRequest &&
        ParseLeadingInt(row[open_col::kRequests]) < kMaxRequests &&
        !row[open_col::kAddress].empty()) {
      addresses.push_back(row[open_col::kAddress]);
    }
  }
  return addresses;
}

}  // namespace qb
