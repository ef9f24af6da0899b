// Splits a stored text into fixed text and macro blocks ("<@@SYSDATE>...<@@/SYSDATE>",
// "<@@ACTIONIN>...", "<@@KEYIN>...") and expands them. Holds no state between calls.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "macros/date_elements.h"
#include "macros/macro_element_table.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

inline constexpr int kMacroFlagDate = 1;
inline constexpr int kMacroFlagInput = 2;
inline constexpr int kMacroFlagKey = 4;

inline constexpr char kFormatVersionPlain[] = "V2.00";
inline constexpr char kFormatVersionMacros[] = "V2.40";

inline constexpr char kSysdateOpen[] = "<@@SYSDATE>";
inline constexpr char kSysdateClose[] = "<@@/SYSDATE>";
inline constexpr char kActionInOpen[] = "<@@ACTIONIN>";
inline constexpr char kActionInClose[] = "<@@/ACTIONIN>";
inline constexpr char kKeyInOpen[] = "<@@KEYIN>";
inline constexpr char kKeyInClose[] = "<@@/KEYIN>";

enum class AnalyzeMode {
  kMacrosOnly = 0,    // only macro blocks are recorded
  kEverySegment = 1,  // macro blocks and fixed text
};

struct MacroSettings {
  int warekiBase = kDefaultWarekiBase;  // Wareki_Base=
};

class MacroAnalyzer {
 public:
  MacroAnalyzer(Ui& ui, Clock& clock, MacroSettings settings = {});

  // The flags of the macros found (0 for plain text) or -1 (reported, except a missing
  // closing tag). `expanded` is the display form; the table is reset and filled.
  int m_Analyze(std::string_view text, std::string& expanded, MacroElementTable& table,
                std::string& formatVersion, AnalyzeMode mode);

  // One date macro block at `time`. 0 or -1 (reported).
  int m_Sysdate(std::string_view block, const DateTime& time, std::string& text);
  // As m_Sysdate at the current time, recording every element (for the definition editor).
  int m_AnalyzeSysdate(std::string_view block, std::string& display, MacroElementTable& table);

  // Display forms of an input macro ("【入力1】") and a key macro ("【Tab：200】").
  int m_ActionIn(std::string_view block, std::string& display);
  int m_KeyDispChang(std::string_view block, std::string& display);

  std::string expandElement(std::string_view tag, const DateTime& time) const;
  Clock& clock() { return clock_; }
  Ui& ui() { return ui_; }

 private:
  struct DatePiece {
    std::string text;
    bool element = false;
  };
  // Splits a date block's body; false with the message named by `operation` on failure.
  bool splitSysdate(std::string_view block, const char* operation, std::vector<DatePiece>& pieces);
  int fail(const char* message);

  Ui& ui_;
  Clock& clock_;
  MacroSettings settings_;
};

}  // namespace qb
