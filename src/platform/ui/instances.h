#pragma once
// One running program per name: the first start claims the name for its life, and a later start
// hands the running one what it came for (its window shown, a file loaded) and ends, so that two
// copies never give every reminder twice.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvel::ui {

// The claim on a name, released when the object goes.
class InstanceClaim {
 public:
  virtual ~InstanceClaim() = default;
};

class Instances {
 public:
  using TakeRequest = std::function<void(const std::string& request)>;
  virtual ~Instances() = default;

  // The claim on `name`, or nullptr when another process holds it. Requests handed over by later
  // starts reach `take` on the window thread, from its message loop, while the claim lives.
  virtual std::unique_ptr<InstanceClaim> Claim(std::string_view name, TakeRequest take) = 0;
  // Hands `request` to the process holding `name`, waiting at most `waitMs` for it to be ready
  // to take one (it may be starting up); false when none took it.
  virtual bool HandOver(std::string_view name, std::string_view request, int waitMs) = 0;
};

}  // namespace orvel::ui
