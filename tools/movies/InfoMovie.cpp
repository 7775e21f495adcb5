#include "Movie.h"
namespace movies {
namespace { class Stub : public MovieScript { public: void paint(QImage&, int) override {} }; }
std::unique_ptr<MovieScript> makeInfoCard() { return std::make_unique<Stub>(); }
}
