#pragma once

#include <string>

#include "server/http/form.h"
#include "server/store/store.h"

namespace fibwick::service {

// The statistics script. Which of its four requests a post is follows from its fields:
//   gid, stat1, stat2      start report: starts and first starts of an installation, 0 or 1 each
//   gid, stat3, stat4      like report: likes (0 or 1) and the name of who liked, 1..40 bytes
//   gid, R1 .. R12         game-end report: twelve counters, 0..1000000 each
//   gid                    read totals: "$S1 S2 S3 S4 X1 .. X12 Y Z*", eighteen fields
// gid is a game number 1..9999. Reports answer "$ ok#", or "$ no#" when a field is missing or out
// of range.
std::string StatisticsScript(const FormFields& form, Store& store);

}  // namespace fibwick::service
