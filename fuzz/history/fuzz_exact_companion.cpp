// Feeds arbitrary bytes as the companion of a History item, behind a header that fits the item
// (so the text part is reached) or as they come, and to the UTF-8 helpers. Nothing may crash;
// an exact form read back is well-formed and within its bound; cuts and previews stay bounded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/byte_shift.h"
#include "base/preview.h"
#include "base/utf8.h"
#include "history/exact_companion.h"
#include "history/history_list.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qb::FakeClock clock;
  static qb::FakeFileSystem fs{clock};
  static qb::ScriptedUi ui;
  static qb::EnvironmentSettings settings;
  static const bool made = (fs.putFolder("C:\\QB"), fs.putFolder("C:\\QB\\clipsave"), true);
  (void)made;
  ui.clear();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string value = "caf?";

  if (qb::MakeUtf8Preview(bytes).size() > 4 * qb::kPreviewBytes + 3) std::abort();
  if (qb::WholeUtf8Prefix(bytes, size / 2).size() > size / 2) std::abort();

  const std::string content =
      size > 0 && (data[0] & 1) ? qb::BuildExactCompanion(value, bytes.substr(1)) : bytes;
  if (auto exact = qb::ParseExactCompanion(content, value)) {
    if (!qb::IsWellFormedUtf8(*exact) || exact->size() > qb::kMaxExactBytes) std::abort();
  }

  fs.putFile("C:\\QB\\clipsave\\SAVE0001.cln",
             qb::ShiftBytesUp("00000000:::tester:::001: :::0:::" + value));
  fs.putFile("C:\\QB\\clipsave\\SAVE0001.utf", content);
  qb::CHistoryList list(fs, clock, ui, settings, qb::HistoryStoreSetup{"C:\\QB\\", "tester", nullptr});
  if (list.load(5) != 0 || list.rowCount() != 1) std::abort();  // the item always loads
  std::string exact;
  if (list.exactValue(0, exact) != 0) std::abort();
  if (!exact.empty() && !qb::IsWellFormedUtf8(exact)) std::abort();
  return 0;
}
