#include <deque>
#include <map>

#include "planlib/engine/block_kinds.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_container.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

// Control blocks that the runner handles itself.
bool IsControlTag(std::string_view tag) {
  return tag == "LINE_NEXT" || tag == "LINE_DELETE" || tag == "ESCAPE" || tag == "LOOPOUT";
}

class SimpleBlockTable {
 public:
  SimpleBlockTable() {
    blocks_["INSERT"] = &insert_;
    blocks_["CHANGE"] = &change_;
    blocks_["CHANGE_PATTERN"] = &changePattern_;
    blocks_["CHANGE_FILE"] = &changeFile_;
    blocks_["DELETE_POSI"] = &deletePosi_;
    blocks_["DELETE_PATTERN"] = &deletePattern_;
    blocks_["DIVISION_LINE"] = &divisionLine_;
    blocks_["SORT_LINE"] = &sortLine_;
    blocks_["SAME_DELETE_LINE"] = &sameDeleteLine_;
    blocks_["LINE_ADD"] = &lineAdd_;
    blocks_["INSERT_FILE"] = &insertFile_;
    blocks_["PLAN_HENSU_SET"] = &hensuSet_;
    blocks_["PLAN_COUNTER_SET"] = &counterSet_;
    blocks_["SLEEP"] = &sleep_;
    addIoBlocks();
    for (const BlockKind& kind : BlockKinds()) {
      if (kind.container || IsControlTag(kind.tag) || blocks_.count(kind.tag) != 0) continue;
      blocks_[kind.tag] = &unavailable_.emplace_back(kind.displayName);
    }
  }
  const PlanBlock* find(std::string_view tag) const {
    auto found = blocks_.find(tag);
    return found == blocks_.end() ? nullptr : found->second;
  }

 private:
  void addIoBlocks() {
    blocks_["IN_CLIPBOARD"] = &inClipboard_;
    blocks_["OUT_CLIPBOARD"] = &outClipboard_;
    blocks_["ACTWIN_COPY"] = &actWinCopy_;
    blocks_["ACTWIN_CUT"] = &actWinCut_;
    blocks_["ACTWIN_PASTE"] = &actWinPaste_;
    blocks_["ACTWIN_DSP"] = &actWinDsp_;
    blocks_["OUT_FILE_ADD"] = &outFileAdd_;
    blocks_["OUT_FILE_WRITE"] = &outFileWrite_;
    blocks_["CREATE_FILE"] = &createFile_;
    blocks_["CREATE_FOLDER"] = &createFolder_;
    blocks_["FILE_STARTING"] = &fileStarting_;
    blocks_["FOLDER_STARTING"] = &folderStarting_;
    blocks_["WEB_STARTING"] = &webStarting_;
    blocks_["APL_STARTING"] = &aplStarting_;
    blocks_["MSG_VERIFY"] = &msgVerify_;
    blocks_["MSG_INFO"] = &msgInfo_;
    blocks_["MSG_VERIFY_PLAN"] = &msgVerifyPlan_;
    blocks_["MSG_INFO_PLAN"] = &msgInfoPlan_;
    blocks_["DSP_STRING"] = &dspString_;
    blocks_["DSP_SELECT"] = &dspSelect_;
    blocks_["OUT_STACK"] = &outStack_;
    blocks_["CLR_STACK"] = &clrStack_;
  }

  CInsert insert_;
  CCHANGE change_;
  CChangePattern changePattern_;
  CChangeFile changeFile_;
  CDeletePosi deletePosi_;
  CDeletePattern deletePattern_;
  CDivisionLine divisionLine_;
  CSortLine sortLine_;
  CSameDeleteLine sameDeleteLine_;
  CLineAdd lineAdd_;
  CInsertFile insertFile_;
  CPlanHensuSet hensuSet_;
  CPlanCounterSet counterSet_;
  CSleep sleep_;
  InClipBoard inClipboard_;
  COutClipBoard outClipboard_;
  ActWinCopy actWinCopy_;
  ActWinCut actWinCut_;
  CActWinPaste actWinPaste_;
  CActWinDsp actWinDsp_;
  COutFileAdd outFileAdd_;
  COutFileWrite outFileWrite_;
  CCreateFile createFile_;
  CCreateFolder createFolder_;
  CFileStarting fileStarting_;
  CFolderStarting folderStarting_;
  CWebStarting webStarting_;
  CAplStarting aplStarting_;
  CMsgVerify msgVerify_;
  CMsgInfo msgInfo_;
  CMsgVerifyPlan msgVerifyPlan_;
  CMsgInfoPlan msgInfoPlan_;
  CDspString dspString_;
  CDspSelect dspSelect_;
  COutStack outStack_;
  CClrStack clrStack_;
  std::deque<CUnavailableBlock> unavailable_;
  std::map<std::string_view, const PlanBlock*, std::less<>> blocks_;
};

}  // namespace

const PlanBlock* FindSimpleBlock(std::string_view tagName) {
  static const SimpleBlockTable table;
  return table.find(tagName);
}

const PlanContainer* FindContainer(std::string_view tagName) {
  static const CLine line;
  static const CCondition condition;
  static const CCutting cutting;
  static const CLoop loop;
  static const CComment comment;
  if (tagName == "LINE") return &line;
  if (tagName == "CONDITION") return &condition;
  if (tagName == "CUTTING") return &cutting;
  if (tagName == "LOOP") return &loop;
  if (tagName == "COMMENT") return &comment;
  return nullptr;
}

}  // namespace qb
