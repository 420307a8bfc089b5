#pragma once

// The club rating: average points per game over all of a player's games.
namespace fibwick {

inline constexpr double RatingLimit = 99.99;

// (startGames x startRating + sessionPoints) / gamesNow, rounded to six decimals and held within
// -99.99..99.99. A session that counted no games keeps the start rating.
double NewRating(int startGames, double startRating, int sessionPoints, int gamesNow);

}  // namespace fibwick
