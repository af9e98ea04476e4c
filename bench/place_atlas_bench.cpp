// Place search as the user types: every keystroke searches the whole atlas, so one search
// must stay far below what a person notices (the aim is under 5 ms).
#include <benchmark/benchmark.h>

#include "places/place_atlas.h"
#include "places/system_atlas.h"

namespace velquor {
namespace {

void SearchAtlas(benchmark::State& state, PlaceQuery query) {
  const PlaceAtlas& atlas = *SystemAtlas().get();
  for (auto _ : state) {
    benchmark::DoNotOptimize(atlas.Search(query, 50));
  }
}

// One letter: the longest list of candidates a keystroke can produce.
BENCHMARK_CAPTURE(SearchAtlas, first_letter, PlaceQuery{"s", {}});
BENCHMARK_CAPTURE(SearchAtlas, first_letter_with_regions, PlaceQuery{"s", {"Texas", "USA"}});
BENCHMARK_CAPTURE(SearchAtlas, city_state_country,
                  PlaceQuery{"Springfield", {"Illinois", "United States"}});
BENCHMARK_CAPTURE(SearchAtlas, accented_city, PlaceQuery{"Sao Paulo", {"Brazil"}});
BENCHMARK_CAPTURE(SearchAtlas, no_such_city, PlaceQuery{"Xqzzy", {}});

void LoadSystemAtlasOnce(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LoadSystemAtlas());
}
BENCHMARK(LoadSystemAtlasOnce)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velquor
