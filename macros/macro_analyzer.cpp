#include "macros/macro_analyzer.h"

#include <string>
#include <vector>

namespace qb {
namespace {

constexpr int kMaxSplitRounds = 10000;
constexpr int kMaxSplitSegments = 201;
constexpr int kMaxMacroEntries = 100;
constexpr int kMaxSegmentEntries = 200;
constexpr int kMaxSysdatePieces = 200;
constexpr int kMaxSysdateParts = 100;

struct Segment {
  std::string source;
  std::string blockName;
  std::string display;
};

bool Encloses(std::string_view block, std::string_view open, std::string_view close) {
  return block.size() >= open.size() + close.size() && block.substr(0, open.size()) == open &&
         block.substr(block.size() - close.size()) == close;
}

std::string_view Body(std::string_view block, std::string_view open, std::string_view close) {
  return block.substr(open.size(), block.size() - open.size() - close.size());
}

// "<@@NAME>" -> "<@@/NAME>".
std::string ClosingTag(std::string_view openingTag) {
  std::string closing(openingTag.substr(0, 3));
  closing += '/';
  closing += openingTag.substr(3);
  return closing;
}

void RaiseVersion(std::string& version) {
  if (version < kFormatVersionMacros) version = kFormatVersionMacros;
}

}  // namespace

MacroAnalyzer::MacroAnalyzer(Ui& ui, Clock& clock, MacroSettings settings)
    : ui_(ui), clock_(clock), settings_(settings) {}

int MacroAnalyzer::fail(const char* message) {
  ui_.showMessage(message, MessageIcon::kStop);
  return -1;
}

std::string MacroAnalyzer::expandElement(std::string_view tag, const DateTime& time) const {
  return ExpandDateElement(tag, time, settings_.warekiBase);
}

int MacroAnalyzer::m_Analyze(std::string_view text, std::string& expanded, MacroElementTable& table,
                             std::string& formatVersion, AnalyzeMode mode) {
  formatVersion = kFormatVersionPlain;
  expanded.clear();
  table.count = 0;
  int flags = 0;

  std::vector<Segment> segments;
  std::string_view rest = text;
  for (int round = 0; round < kMaxSplitRounds && !rest.empty(); ++round) {
    if (static_cast<int>(segments.size()) >= kMaxSplitSegments) {
      return fail("配列オーバー(m_Analyze)");
    }
    const std::size_t at = rest.find("<@@");
    if (at == std::string_view::npos) {
      segments.push_back({std::string(rest), "", std::string(rest)});
      rest = {};
      break;
    }
    if (at > 0) {
      segments.push_back({std::string(rest.substr(0, at)), "", std::string(rest.substr(0, at))});
      rest.remove_prefix(at);
      continue;
    }
    const std::size_t tagEnd = rest.find('>');
    if (tagEnd == std::string_view::npos) return fail("マクロ不整合(m_Analyze)");
    const std::string_view openingTag = rest.substr(0, tagEnd + 1);
    const std::size_t closeAt = rest.find(ClosingTag(openingTag));
    if (closeAt == std::string_view::npos) return -1;
    const std::size_t blockEnd = closeAt + openingTag.size() + 1;
    segments.push_back({std::string(rest.substr(0, blockEnd)), std::string(openingTag), ""});
    rest.remove_prefix(blockEnd);
  }

  for (Segment& segment : segments) {
    if (segment.blockName.empty()) continue;
    int result = 0;
    if (segment.blockName == kSysdateOpen) {
      flags |= kMacroFlagDate;
      result = m_Sysdate(segment.source, clock_.localNow(), segment.display);
    } else if (segment.blockName == kActionInOpen) {
      flags |= kMacroFlagInput;
      result = m_ActionIn(segment.source, segment.display);
    } else if (segment.blockName == kKeyInOpen) {
      flags |= kMacroFlagKey;
      result = m_KeyDispChang(segment.source, segment.display);
    } else {
      continue;  // an unknown block contributes nothing
    }
    RaiseVersion(formatVersion);
    if (result != 0) return -1;
  }

  std::int32_t offset = 0;
  for (const Segment& segment : segments) {
    const bool record = mode == AnalyzeMode::kEverySegment || !segment.blockName.empty();
    if (record) {
      if (mode == AnalyzeMode::kMacrosOnly && table.count >= kMaxMacroEntries) {
        return fail("埋め込みマクロの最大数をオーバーしています");
      }
      if (mode == AnalyzeMode::kEverySegment && table.count > kMaxSegmentEntries) {
        return fail("埋め込みマクロと固定文字の最大数をオーバーしています");
      }
      AppendMacroEntry(table, segment.source, segment.blockName, segment.display, offset);
    }
    expanded += segment.display;
    offset += static_cast<std::int32_t>(segment.display.size());
  }
  return flags;
}

bool MacroAnalyzer::splitSysdate(std::string_view block, const char* operation,
                                 std::vector<DatePiece>& pieces) {
  const std::string op(operation);
  if (!Encloses(block, kSysdateOpen, kSysdateClose)) {
    fail(("日時マクロタグが存在しない(" + op + ")").c_str());
    return false;
  }
  std::string_view rest = Body(block, kSysdateOpen, kSysdateClose);
  for (int round = 0; round < kMaxSplitRounds && !rest.empty(); ++round) {
    if (static_cast<int>(pieces.size()) >= kMaxSysdatePieces) {
      fail(("配列オーバー(" + op + ")").c_str());
      return false;
    }
    const std::size_t at = rest.find("<@");
    if (at == std::string_view::npos) {
      pieces.push_back({std::string(rest), false});
      break;
    }
    if (at > 0) {
      pieces.push_back({std::string(rest.substr(0, at)), false});
      rest.remove_prefix(at);
      continue;
    }
    const std::size_t close = rest.find("/>");
    if (close == std::string_view::npos) {
      fail(("マクロ不整合(" + op + ")").c_str());
      return false;
    }
    pieces.push_back({std::string(rest.substr(0, close + 2)), true});
    rest.remove_prefix(close + 2);
  }
  return true;
}

int MacroAnalyzer::m_Sysdate(std::string_view block, const DateTime& time, std::string& text) {
  std::vector<DatePiece> pieces;
  if (!splitSysdate(block, "m_Sysdate", pieces)) return -1;
  text.clear();
  for (const DatePiece& piece : pieces) {
    text += piece.element ? expandElement(piece.text, time) : piece.text;
  }
  return 0;
}

int MacroAnalyzer::m_AnalyzeSysdate(std::string_view block, std::string& display,
                                    MacroElementTable& table) {
  table.count = 0;
  display.clear();
  std::vector<DatePiece> pieces;
  if (!splitSysdate(block, "m_AnalyzeSysdate", pieces)) return -1;
  const DateTime time = clock_.localNow();
  for (const DatePiece& piece : pieces) {
    if (!piece.element) {
      display += piece.text;
      continue;
    }
    if (table.count >= kMaxSysdateParts) return fail("配列オーバー(m_AnalyzeSysdate_2)");
    const std::string value = expandElement(piece.text, time);
    AppendMacroEntry(table, piece.text, "", value, static_cast<std::int32_t>(display.size()));
    display += value;
  }
  return 0;
}

int MacroAnalyzer::m_ActionIn(std::string_view block, std::string& display) {
  if (!Encloses(block, kActionInOpen, kActionInClose)) {
    return fail("貼付時入力マクロタグが存在しない(m_ActionIn)");
  }
  static const char* const kPlaceholders[] = {"【入力1】", "【入力2】", "【入力3】", "【入力4】",
                                              "【入力5】"};
  const std::string_view body = Body(block, kActionInOpen, kActionInClose);
  for (int n = 1; n <= 5; ++n) {
    if (body == "<@IN0" + std::to_string(n) + "/>") {
      display = kPlaceholders[n - 1];
      return 0;
    }
  }
  return fail("マクロ不整合(m_ActionIn)");
}

int MacroAnalyzer::m_KeyDispChang(std::string_view block, std::string& display) {
  if (!Encloses(block, kKeyInOpen, kKeyInClose)) {
    return fail("キーマクロタグが存在しない(m_KeyDispChang)");
  }
  const std::string_view body = Body(block, kKeyInOpen, kKeyInClose);
  constexpr std::string_view kTab = "<@TAB01/>";
  constexpr std::string_view kEnter = "<@ENTER01/>";
  if (body.substr(0, kTab.size()) == kTab) {
    display = "【Tab：" + std::string(body.substr(kTab.size())) + "】";
  } else if (body.substr(0, kEnter.size()) == kEnter) {
    display = "【Enter：" + std::string(body.substr(kEnter.size())) + "】";
  } else {
    display = std::string(block);
  }
  return 0;
}

}  // namespace qb
