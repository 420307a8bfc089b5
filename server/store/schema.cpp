#include "server/store/schema.h"

#include <array>

namespace fibwick::service {
namespace {

constexpr std::array Steps{
    SchemaStep{1, R"sql(
CREATE TABLE statistics (
  game_id INTEGER PRIMARY KEY,
  starts BIGINT NOT NULL DEFAULT 0,
  unique_starts BIGINT NOT NULL DEFAULT 0,
  likes BIGINT NOT NULL DEFAULT 0,
  last_like TEXT NOT NULL DEFAULT '',
  game_end_1 BIGINT NOT NULL DEFAULT 0,
  game_end_2 BIGINT NOT NULL DEFAULT 0,
  game_end_3 BIGINT NOT NULL DEFAULT 0,
  game_end_4 BIGINT NOT NULL DEFAULT 0,
  game_end_5 BIGINT NOT NULL DEFAULT 0,
  game_end_6 BIGINT NOT NULL DEFAULT 0,
  game_end_7 BIGINT NOT NULL DEFAULT 0,
  game_end_8 BIGINT NOT NULL DEFAULT 0,
  game_end_9 BIGINT NOT NULL DEFAULT 0,
  game_end_10 BIGINT NOT NULL DEFAULT 0,
  game_end_11 BIGINT NOT NULL DEFAULT 0,
  game_end_12 BIGINT NOT NULL DEFAULT 0,
  reserved BIGINT NOT NULL DEFAULT 0,
  reserved_text TEXT NOT NULL DEFAULT ''
))sql"},
};

}  // namespace

std::span<const SchemaStep> SchemaSteps() {
  return Steps;
}

}  // namespace fibwick::service
