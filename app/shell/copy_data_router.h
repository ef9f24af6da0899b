// The one place the main window's copy-data commands go: each command text, or the prefix of
// one, belongs to one controller ("0927Plan_…" of the plan library, "MouseHook…" of the hook
// library, "1234History…" of any program). The texts come from other programs: they are read
// within the data they came with, at most up to a limit, and only a data word of 0 counts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qb {

// The largest record taken as a command: a stack output (512000 bytes of text) with its fields.
inline constexpr std::size_t kMaxCopyDataBytes = 1024 * 1024;
// The longest text read from a record given with its data word alone.
inline constexpr std::size_t kCopyDataTextLimit = 600000;

class CopyDataRouter {
 public:
  using Handler = std::function<void(std::string_view text)>;
  // True when the handler took the command.
  using PrefixHandler = std::function<bool(std::string_view command)>;

  // A command compared as a whole: its handler hears of it, and the prefix owners below too.
  void addText(std::string text, Handler handler);
  // A command of which only the beginning is compared (when no whole text matched).
  void addPrefix(std::string prefix, Handler handler);
  // Commands that begin with `prefix` go to `handler`; the longest matching prefix wins.
  void add(std::string prefix, PrefixHandler handler);

  // The command text of a copy-data record: data word 0, at most kMaxCopyDataBytes, up to its
  // first zero byte. Anything else is no command.
  static std::optional<std::string_view> CommandText(std::uintptr_t dataWord, const void* data,
                                                     std::size_t bytes);
  // The text up to its first zero byte, within `bytes` and the limit.
  static std::string_view TextOf(const void* data, std::size_t bytes);

  // One copy-data message: true when an entry took its text.
  bool route(std::uintptr_t dataWord, const void* data, std::size_t bytes) const;
  bool route(std::string_view command) const { return routeText(command); }
  bool routeText(std::string_view text) const;

 private:
  struct Entry {
    std::string prefix;
    PrefixHandler handler;
  };
  std::vector<std::pair<std::string, Handler>> texts_;
  std::vector<std::pair<std::string, Handler>> prefixes_;
  std::vector<Entry> entries_;
};

}  // namespace qb
