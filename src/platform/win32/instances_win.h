#pragma once
// One running program per name in the user's session: a named mutex says who was first, and a
// message-only window of that name takes what later starts hand over (WM_COPYDATA).
#include "platform/ui/instances.h"

namespace orvel::win32 {

class Win32Instances : public ui::Instances {
 public:
  std::unique_ptr<ui::InstanceClaim> Claim(std::string_view name, TakeRequest take) override;
  bool HandOver(std::string_view name, std::string_view request, int waitMs) override;
};

}  // namespace orvel::win32
