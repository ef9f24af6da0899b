// WM_COPYDATA commands from other programs ("0927Plan_…" of the plan library, "MouseHook…" of the
// hook library, "1234History…"), each handed to the one controller that owns its prefix.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The largest command text taken: a stack output (512000 bytes of text) with its fields.
inline constexpr std::size_t kMaxCopyDataBytes = 1024 * 1024;

class CopyDataRouter {
 public:
  // True when the handler took the command.
  using Handler = std::function<bool(std::string_view command)>;

  // Commands that begin with `prefix` go to `handler`; the longest matching prefix wins.
  void add(std::string prefix, Handler handler);

  // The command text of a copy-data record: data word 0, at most kMaxCopyDataBytes, up to its
  // first zero byte. Anything else is no command.
  static std::optional<std::string_view> CommandText(std::uintptr_t dataWord, const void* data,
                                                     std::size_t bytes);

  // True when a handler took it.
  bool route(std::string_view command) const;

 private:
  struct Entry {
    std::string prefix;
    Handler handler;
  };
  std::vector<Entry> entries_;
};

}  // namespace qb
