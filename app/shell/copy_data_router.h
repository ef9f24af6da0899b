// The one place the main window's copy-data commands go: each command text, or the prefix of one,
// belongs to one controller. The texts come from other programs (the hook library, the plan
// library, any program that sends "1234History…"): they are read within the data they came
// with, at most up to a limit, and only a data word of 0 counts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qb {

// The longest command text read: a value of 512000 bytes with its fields.
inline constexpr std::size_t kCopyDataTextLimit = 600000;

class CopyDataRouter {
 public:
  using Handler = std::function<void(std::string_view text)>;

  // A command compared as a whole.
  void addText(std::string text, Handler handler);
  // A command of which only the beginning is compared.
  void addPrefix(std::string prefix, Handler handler);

  // One copy-data message: true when an entry took its text.
  bool route(std::uintptr_t dataWord, const void* data, std::size_t bytes) const;
  // The text up to its first zero byte, within `bytes` and the limit.
  static std::string_view TextOf(const void* data, std::size_t bytes);
  bool routeText(std::string_view text) const;

 private:
  std::vector<std::pair<std::string, Handler>> texts_;
  std::vector<std::pair<std::string, Handler>> prefixes_;
};

}  // namespace qb
