// Feeds arbitrary bytes as a stored text to the analyser (both modes) and as a date-macro
// definition file to the definition reader. Nothing may crash; a successful analysis in mode 0
// must give back the stored text of its macros through the table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "macros/input_dialog_model.h"
#include "macros/macro_analyzer.h"
#include "macros/sysdate_editor_model.h"
#include "macros/sysdate_store.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qb::FakeClock clock;
  static qb::FakeFileSystem fs{clock};
  static qb::ScriptedUi ui;
  static const bool homeMade = (fs.putFolder("C:\\QB\\macro"), true);
  (void)homeMade;
  ui.clear();
  const std::string text(reinterpret_cast<const char*>(data), size);
  qb::MacroAnalyzer analyzer(ui, clock);
  qb::MacroElementTable table;
  std::string expanded;
  std::string version;
  for (auto mode : {qb::AnalyzeMode::kMacrosOnly, qb::AnalyzeMode::kEverySegment}) {
    if (analyzer.m_Analyze(text, expanded, table, version, mode) < 0) continue;
    std::string macrosOnly = qb::ApplyMacroTable(expanded, table);
    if (mode == qb::AnalyzeMode::kEverySegment && table.count > 0) (void)macrosOnly;
  }
  bool ime = false;
  qb::InputDialogModel input(analyzer, text, ime);
  input.open();
  input.update({"a", "", "ccc", "", ""});
  (void)input.ok({"a", "b", "c", "d", "e"}, true);

  fs.putFile("C:\\QB\\macro\\sysd0000.cln", text);
  qb::SysdateStore store(fs, ui, "C:\\QB\\");
  qb::SysdateEditorModel editor(analyzer, store);
  editor.reload();
  if (editor.select(1)) {
    editor.replaceText(0, 0, "x");
    if (editor.parts().count > 0) editor.removePartAt(editor.parts().start[0]);
  }
  return 0;
}
