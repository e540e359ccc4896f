#include "platform/win32/time_queries_win.h"

// Winsock 2 before windows.h, which would otherwise bring in the old winsock.h.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <lm.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/win32/failure_report.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

// 1601-01-01 to 1970-01-01 in FILETIME's 100 ns units.
constexpr std::int64_t kUnixEpochInFileTime = 116'444'736'000'000'000;

struct SocketTraits {
  using Handle = SOCKET;
  static void Close(SOCKET s) { closesocket(s); }
};
// Only a socket that was made is held: INVALID_SOCKET is checked before.
using Socket = UniqueHandle<SocketTraits>;

struct AddressListDeleter {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

bool WinsockReady() {
  static const bool ready = [] {
    WSADATA data{};
    // Never cleaned up: abandoned lookups may still be using it when the program ends.
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return ready;
}

// `work`'s result, or `timedOut` when it takes longer than `timeoutMs`; the thread then goes on
// alone and its result is dropped.
template <class Result>
Result RunWithin(int timeoutMs, Result timedOut, std::function<Result()> work) {
  // An event rather than a condition variable, whose timed wait would import the performance
  // counter through the C++ runtime's steady clock.
  struct Shared {
    KernelHandle finished{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::mutex mutex;
    std::optional<Result> result;
  };
  const auto shared = std::make_shared<Shared>();
  if (!shared->finished) return timedOut;
  try {
    std::thread([shared, timedOut, work = std::move(work)] {
      Result result = timedOut;
      try {
        result = work();
      } catch (...) {
        ReportSwallowedFailure("a time query");
      }
      const std::lock_guard lock(shared->mutex);
      shared->result = std::move(result);
      SetEvent(shared->finished.get());
    }).detach();
  } catch (...) {
    ReportSwallowedFailure("starting a time query");
    return timedOut;
  }
  WaitForSingleObject(shared->finished.get(), static_cast<DWORD>(timeoutMs));
  const std::lock_guard lock(shared->mutex);
  return shared->result ? std::move(*shared->result) : timedOut;
}

ui::UdpAnswer ExchangeNow(const ui::UdpExchange& exchange, std::int64_t deadlineMs) {
  if (!WinsockReady()) return {ui::UdpFailure::Network, {}};
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  hints.ai_protocol = IPPROTO_UDP;
  addrinfo* found = nullptr;
  if (getaddrinfo(exchange.host.c_str(), std::to_string(exchange.port).c_str(), &hints,
                  &found) != 0 || !found)
    return {ui::UdpFailure::NoAddress, {}};
  const std::unique_ptr<addrinfo, AddressListDeleter> addresses(found);

  const SOCKET raw = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
  if (raw == INVALID_SOCKET) return {ui::UdpFailure::Network, {}};
  const Socket udp(raw);
  // Connected, so that only datagrams from the server reach us.
  if (connect(udp.get(), found->ai_addr, static_cast<int>(found->ai_addrlen)) != 0 ||
      send(udp.get(), exchange.request.data(), static_cast<int>(exchange.request.size()), 0) ==
          SOCKET_ERROR)
    return {ui::UdpFailure::Network, {}};

  const std::int64_t leftMs = std::max<std::int64_t>(deadlineMs - static_cast<std::int64_t>(GetTickCount64()), 0);
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(udp.get(), &readable);
  timeval wait{static_cast<long>(leftMs / 1000), static_cast<long>(leftMs % 1000 * 1000)};
  // One socket in the set: a positive count means it is readable.
  if (select(0, &readable, nullptr, nullptr, &wait) <= 0) return {ui::UdpFailure::NoAnswer, {}};

  // One byte more than allowed tells a datagram too large from one just large enough.
  std::string reply(ui::kMaxUdpReplyBytes + 1, '\0');
  const int received = recv(udp.get(), reply.data(), static_cast<int>(reply.size()), 0);
  if (received == SOCKET_ERROR) {
    // A refused port comes back as WSAECONNRESET: no time server there.
    return {WSAGetLastError() == WSAEMSGSIZE ? ui::UdpFailure::TooLarge : ui::UdpFailure::NoAnswer,
            {}};
  }
  if (static_cast<std::size_t>(received) > ui::kMaxUdpReplyBytes)
    return {ui::UdpFailure::TooLarge, {}};
  reply.resize(static_cast<std::size_t>(received));
  return {ui::UdpFailure::None, std::move(reply)};
}

std::optional<std::int64_t> ShareTimeNow(const std::string& server) {
  const std::wstring name = L"\\\\" + Widen(server);
  LPBYTE buffer = nullptr;
  if (NetRemoteTOD(name.c_str(), &buffer) != NERR_Success || !buffer) return std::nullopt;
  const auto* tod = reinterpret_cast<const TIME_OF_DAY_INFO*>(buffer);
  const std::int64_t ms = static_cast<std::int64_t>(tod->tod_elapsedt) * 1000 +
                         static_cast<std::int64_t>(tod->tod_hunds) * 10;
  NetApiBufferFree(buffer);
  return ms;
}

}  // namespace

std::int64_t Win32TimeQueries::PcClockUnixMs() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const std::int64_t units =
      (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return (units - kUnixEpochInFileTime) / 10'000;
}

std::int64_t Win32TimeQueries::SteadyMs() { return static_cast<std::int64_t>(GetTickCount64()); }

ui::UdpAnswer Win32TimeQueries::ExchangeUdp(const ui::UdpExchange& exchange) {
  if (exchange.timeoutMs <= 0) return {ui::UdpFailure::NoAnswer, {}};
  const std::int64_t deadlineMs = SteadyMs() + exchange.timeoutMs;
  return RunWithin<ui::UdpAnswer>(
      exchange.timeoutMs, {ui::UdpFailure::NoAnswer, {}},
      [exchange, deadlineMs] { return ExchangeNow(exchange, deadlineMs); });
}

std::optional<std::int64_t> Win32TimeQueries::ShareServerUnixMs(const std::string& server,
                                                                int timeoutMs) {
  if (timeoutMs <= 0 || server.empty()) return std::nullopt;
  return RunWithin<std::optional<std::int64_t>>(timeoutMs, std::nullopt,
                                                [server] { return ShareTimeNow(server); });
}

}  // namespace orvel::win32
