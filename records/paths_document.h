#pragma once

#include "records/service_addresses.h"

// The service's own list of its addresses, read once at start-up. The online layer implements
// it; the settings reader only asks at the right moment.
namespace fibwick {

class PathsDocument {
 public:
  virtual ~PathsDocument() = default;
  // Fetches the document; the implementation also takes note of its pause markers.
  virtual ServiceAddresses Fetch() = 0;
};

}  // namespace fibwick
