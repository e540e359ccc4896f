#pragma once
// Claims of names among the headless platforms of one test process, standing for the processes
// of one Windows session: a request handed over reaches the holder's handler at once.
#include <string>
#include <vector>

#include "platform/ui/instances.h"

namespace orvel::headless {

class HeadlessInstances : public ui::Instances {
 public:
  std::unique_ptr<ui::InstanceClaim> Claim(std::string_view name, TakeRequest take) override;
  bool HandOver(std::string_view name, std::string_view request, int waitMs) override;

  // Every request this platform handed over, in order.
  const std::vector<std::string>& handedOver() const { return handedOver_; }

 private:
  std::vector<std::string> handedOver_;
};

}  // namespace orvel::headless
