#pragma once
// The PC's clock, SNTP's UDP exchange through Winsock and a share server's time through
// NetRemoteTOD. Name lookups and NetRemoteTOD have no time limit of their own, so each call runs
// on a thread of its own that is left behind, finishing by itself, when its time is up.
#include "platform/ui/time_queries.h"

namespace orvel::win32 {

class Win32TimeQueries : public ui::TimeQueries {
 public:
  std::int64_t PcClockUnixMs() override;
  std::int64_t SteadyMs() override;
  ui::UdpAnswer ExchangeUdp(const ui::UdpExchange& exchange) override;
  std::optional<std::int64_t> ShareServerUnixMs(const std::string& server,
                                                int timeoutMs) override;
};

}  // namespace orvel::win32
