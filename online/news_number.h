#pragma once

#include <string_view>

namespace fibwick {

// The news page names its latest item as "NuvNews" and five digits; 0 when it does not.
int NewsNumber(std::string_view page);

}  // namespace fibwick
