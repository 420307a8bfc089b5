#pragma once

#include <functional>
#include <string>

#include "server/http/exchange.h"
#include "server/http/form.h"

namespace fibwick::service {

// A form script: the decoded fields in, the reply text (Windows-1251) out. It refuses a well
// formed request with a refusal marker, never with a status, because the client reads markers.
using FormScript = std::function<std::string(const FormFields&)>;

// The POST handler around a script: only the game client's User-Agent (403 otherwise), a form
// content type (415), a well formed body (400); a failure of the database answers 503.
Handler FormHandler(FormScript script);

}  // namespace fibwick::service
