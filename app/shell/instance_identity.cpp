#include "app/shell/instance_identity.h"

#include "base/sjis.h"
#include "base/time_format.h"

namespace qb {

std::string MakeInstanceIdentity(SystemInfo& system, Clock& clock) {
  const std::string name = system.computerName();
  const std::string_view view = name;
  std::string identity(view.substr(0, SjisCharToByte(view, kComputerNameCharacters)));
  return identity + TimeStamp14(clock.localNow());
}

}  // namespace qb
