#include "platform/headless/headless_instances.h"

#include <map>
#include <utility>

namespace orvel::headless {
namespace {

// The names claimed in this process; the tests run on one thread.
std::map<std::string, ui::Instances::TakeRequest, std::less<>>& Claimed() {
  static std::map<std::string, ui::Instances::TakeRequest, std::less<>> claimed;
  return claimed;
}

class HeadlessClaim : public ui::InstanceClaim {
 public:
  explicit HeadlessClaim(std::string name) : name_(std::move(name)) {}
  ~HeadlessClaim() override { Claimed().erase(name_); }

 private:
  std::string name_;
};

}  // namespace

std::unique_ptr<ui::InstanceClaim> HeadlessInstances::Claim(std::string_view name,
                                                            TakeRequest take) {
  if (!Claimed().emplace(std::string(name), std::move(take)).second) return nullptr;
  return std::make_unique<HeadlessClaim>(std::string(name));
}

bool HeadlessInstances::HandOver(std::string_view name, std::string_view request, int) {
  handedOver_.emplace_back(request);
  const auto holder = Claimed().find(name);
  if (holder == Claimed().end()) return false;
  // A copy: the handler may end the claim.
  const TakeRequest take = holder->second;
  if (take) take(std::string(request));
  return true;
}

}  // namespace orvel::headless
