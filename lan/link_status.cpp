#include "lan/link_status.h"

#include <cstdio>

#include "lan/comm_socket.h"
#include "lan/open_socket.h"

namespace qb {

namespace {

std::vector<LinkStatusRow> RowsOf(const std::vector<LinkLogEntry>& entries) {
  std::vector<LinkStatusRow> rows;
  rows.reserve(entries.size());
  for (const LinkLogEntry& entry : entries) rows.push_back({entry.time, entry.detail, entry.description});
  return rows;
}

LinkStatusModel CommonStatus(const LanLink& link) {
  LinkStatusModel model;
  model.socketState = link.IsOpen() ? " 正常" : " ソケットが正しく開設されていません";
  model.ownAddress = link.Settings().ownAddress;
  char port[24];
  std::snprintf(port, sizeof port, " %d", link.Settings().port);
  model.port = port;
  model.columns = {{"発生日時", 100}, {"ｴﾗｰ内容", 240}, {"ｴﾗｰ説明", 223}};
  model.receiveRows = RowsOf(link.ReceiveLog());
  model.sendRows = RowsOf(link.SendLog());
  return model;
}

}  // namespace

LinkStatusModel OpenLinkStatus(const COpenSocket& link, const std::string& group) {
  if (!link.WasStarted()) {
    LinkStatusModel model;
    model.available = false;
    model.unavailableMessage = "現在表示できる情報はありません　";
    return model;
  }
  LinkStatusModel model = CommonStatus(link);
  model.caption = "公開の情報／エラー情報";
  model.group = group;
  model.showsGroup = true;
  model.condition = "※公開する相手と一致していること";
  model.note = "“※” の条件が満たされていないと公開できません";
  return model;
}

LinkStatusModel CommLinkStatus(const CCommSocket& link) {
  LinkStatusModel model = CommonStatus(link);
  model.caption = "共有の情報／エラー情報";
  model.condition = "※共有する相手と一致していること";
  model.note =
      "“※” の条件が満たされていないとLAN上で共有できません\n"
      "　（通信エラーが発生しても、このコンピュータ内では共有できます）";
  return model;
}

}  // namespace qb
