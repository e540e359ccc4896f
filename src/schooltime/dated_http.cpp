#include "schooltime/dated_http.h"

#include "schooltime/http_date.h"

namespace orvel::schooltime {
namespace {

std::optional<TimeReading> Timed(ui::Http& http, ui::TimeQueries& queries,
                                 const ui::HttpRequest& request, ui::HttpAnswer& answer) {
  const std::int64_t sentMs = queries.PcClockUnixMs();
  answer = http.Get(request);
  const std::int64_t receivedMs = queries.PcClockUnixMs();
  if (answer.date.empty()) return std::nullopt;
  std::optional<TimeReading> reading =
      ReadDateHeader(answer.date, sentMs, receivedMs, HostOf(request.url));
  if (reading) reading->kind = TimeSourceKind::FollowedServer;
  return reading;
}

}  // namespace

ui::HttpAnswer DatedHttp::Get(const ui::HttpRequest& request) {
  ui::HttpAnswer answer;
  if (std::optional<TimeReading> reading = Timed(http_, queries_, request, answer))
    readings_.push_back(std::move(*reading));
  return answer;
}

std::string HostOf(std::string_view url) {
  const std::size_t scheme = url.find("://");
  if (scheme == std::string_view::npos) return {};
  std::string_view rest = url.substr(scheme + 3);
  rest = rest.substr(0, rest.find_first_of("/?#"));
  if (const std::size_t at = rest.rfind('@'); at != std::string_view::npos)
    rest = rest.substr(at + 1);
  // An IPv6 literal keeps its colons inside its brackets.
  const std::size_t colon = rest.rfind(':');
  if (colon != std::string_view::npos && rest.find(']', colon) == std::string_view::npos)
    rest = rest.substr(0, colon);
  return std::string(rest);
}

std::optional<TimeReading> AskWebServer(ui::Http& http, ui::TimeQueries& queries,
                                        const std::string& url, int timeoutMs) {
  ui::HttpRequest request;
  request.url = url;
  request.headOnly = true;
  request.timeoutMs = timeoutMs;
  ui::HttpAnswer answer;
  return Timed(http, queries, request, answer);
}

}  // namespace orvel::schooltime
