#include <array>

#include "Movie.h"

namespace movies {

namespace {

// FILE2 opens the game, FILE5 crowns a million, FILE3 loops beside the result and FILE4
// loops on the information page. Every frame is a key frame, so the big movies trade
// some quality for size; their dark, soft pictures hide it well.
constexpr std::array kMovies{
    Movie{"FILE2", 782, 415, 235, 40, makeIntro},
    Movie{"FILE5", 782, 415, 195, 36, makeMillion},
    Movie{"FILE3", 409, 301, 26, 82, makeResultLoop},
    Movie{"FILE4", 333, 287, 131, 80, makeInfoCard},
};

}  // namespace

std::span<const Movie> movieList() { return kMovies; }

const Movie* findMovie(std::string_view name) {
  for (const Movie& movie : kMovies)
    if (name == movie.name) return &movie;
  return nullptr;
}

}  // namespace movies
