// What the status dialog of a link shows ("公開の情報／エラー情報", "共有の情報／エラー情報").
#pragma once
#include <string>
#include <vector>

#include "lan/link_log.h"

namespace qb {

class COpenSocket;
class CCommSocket;

struct LinkStatusColumn {
  std::string title;
  int width = 0;
};

struct LinkStatusRow {
  std::string time;
  std::string detail;
  std::string description;
};

struct LinkStatusModel {
  bool available = true;           // false: show `unavailableMessage` instead of the dialog
  std::string unavailableMessage;  // "現在表示できる情報はありません　"
  std::string caption;
  std::string socketState;  // " 正常" or " ソケットが正しく開設されていません"
  std::string ownAddress;
  std::string port;   // " %d"
  std::string group;  // publish group (empty for the share link)
  bool showsGroup = false;  // the publish link has a group line
  std::vector<LinkStatusColumn> columns;
  std::vector<LinkStatusRow> receiveRows;
  std::vector<LinkStatusRow> sendRows;
  std::string condition;  // "※..." beside the address and port
  std::string note;       // what happens when the condition is not met
};

// The publish link's status; not available while the link has never been started.
LinkStatusModel OpenLinkStatus(const COpenSocket& link, const std::string& group);
LinkStatusModel CommLinkStatus(const CCommSocket& link);

}  // namespace qb
