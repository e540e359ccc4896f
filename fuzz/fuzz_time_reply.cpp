// What a time server or a web server sends back, on any bytes: an SNTP reply is read or refused
// with a reason, and a reading it gives keeps its round trip within the limit; a Date header is
// read or refused.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "schooltime/http_date.h"
#include "schooltime/sntp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const schooltime::SntpRequest request = schooltime::MakeSntpRequest(1'788'000'000'000, 7);
  const schooltime::SntpSample sample =
      schooltime::ReadSntpReply(bytes, request.originate, 1'788'000'000'050);
  if (sample.accepted())
    fuzz::Check(sample.roundTripMs >= 0 && sample.roundTripMs <= schooltime::kMaxSntpRoundTripMs);
  if (const auto reading = schooltime::ReadDateHeader(bytes, 1'788'000'000'000,
                                                      1'788'000'000'100, "host"))
    fuzz::Check(reading->roundTripMs == 100);
  return 0;
}
