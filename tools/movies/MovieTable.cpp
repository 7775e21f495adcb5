#include <array>

#include "Movie.h"

namespace movies {

namespace {

// FILE2 opens the game, FILE5 crowns a million, FILE3 loops beside the result and FILE4
// loops on the information page.
constexpr std::array kMovies{
    Movie{"FILE2", 782, 415, 235, 72, makeIntro},
    Movie{"FILE5", 782, 415, 195, 72, makeMillion},
    Movie{"FILE3", 409, 301, 26, 82, makeResultLoop},
    Movie{"FILE4", 333, 287, 131, 88, makeInfoCard},
};

}  // namespace

std::span<const Movie> movieList() { return kMovies; }

const Movie* findMovie(std::string_view name) {
  for (const Movie& movie : kMovies)
    if (name == movie.name) return &movie;
  return nullptr;
}

}  // namespace movies
