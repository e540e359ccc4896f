#pragma once
// The followed source's fetch already gets answers from the school's server; each carries the
// server's Date. This client passes the requests on and keeps a reading of each Date it sees, so
// that standard time costs the server no request of its own.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/services.h"
#include "platform/ui/time_queries.h"
#include "schooltime/time_readings.h"

namespace orvel::schooltime {

class DatedHttp : public ui::Http {
 public:
  // Both must outlive this client; used on one thread.
  DatedHttp(ui::Http& http, ui::TimeQueries& queries) : http_(http), queries_(queries) {}
  ui::HttpAnswer Get(const ui::HttpRequest& request) override;

  const std::vector<TimeReading>& readings() const { return readings_; }

 private:
  ui::Http& http_;
  ui::TimeQueries& queries_;
  std::vector<TimeReading> readings_;
};

// The host of an http:// or https:// address, without a user name, password or port.
std::string HostOf(std::string_view url);

// One HEAD of `url`, ended within `timeoutMs`, read for the server's Date.
std::optional<TimeReading> AskWebServer(ui::Http& http, ui::TimeQueries& queries,
                                        const std::string& url, int timeoutMs);

}  // namespace orvel::schooltime
