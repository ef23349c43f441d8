// The string writer against the floor of formatting the same numbers with a bare std::to_chars
// loop into one buffer; also the writer's peak heap use against the size of the text it returns.
//
//   build/bench/writer_bench
//
// Counters: "MB/s" of text, and for the writer "peak/text", the peak heap bytes in use during the
// write divided by the length of the returned text (the input world is allocated beforehand and
// not counted).
#include <benchmark/benchmark.h>

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <new>

#include "holvane/holvane.hpp"

namespace {

// Heap accounting for the whole program: bytes in use now and the highest mark since a reset.
std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};

constexpr std::size_t kFloats = 1'000'000;
constexpr std::size_t kVectors = 300'000;

float Sample(std::size_t i) { return static_cast<float>(std::sin(static_cast<double>(i) * 0.37) * 1000.0 / static_cast<double>(1 + i % 7)); }

// The benchmark world: one interpolator holding 1,000,000 floats and 300,000 3-vectors.
std::shared_ptr<holvane::Group> MakeWorld() {
    auto root = std::make_shared<holvane::Group>();
    auto interpolator = std::make_shared<holvane::CoordinateInterpolator>();
    auto& keys = interpolator->KeyField()->Values();
    for (std::size_t i = 0; i < kFloats; ++i) keys.push_back(Sample(i));
    auto& points = interpolator->KeyValueField()->Values();
    for (std::size_t i = 0; i < kVectors; ++i) points.push_back({Sample(3 * i), Sample(3 * i + 1), Sample(3 * i + 2)});
    root->ChildrenField()->Add(interpolator);
    return root;
}

void BM_ToCharsFloor(benchmark::State& state) {
    auto world = MakeWorld();
    auto interpolator = std::static_pointer_cast<holvane::CoordinateInterpolator>(world->ChildrenField()->Get(1));
    const auto& keys = interpolator->KeyField()->Values();
    const auto& points = interpolator->KeyValueField()->Values();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string buffer;
        buffer.resize((kFloats + 3 * kVectors) * 16);
        char* p = buffer.data();
        char* end = p + buffer.size();
        for (float v : keys) {
            p = std::to_chars(p, end, v).ptr;
            *p++ = ' ';
        }
        for (const auto& v : points)
            for (float c : v) {
                p = std::to_chars(p, end, c).ptr;
                *p++ = ' ';
            }
        buffer.resize(static_cast<std::size_t>(p - buffer.data()));
        bytes = buffer.size();
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
}
BENCHMARK(BM_ToCharsFloor)->Unit(benchmark::kMillisecond);

void BM_StringWriter(benchmark::State& state) {
    auto world = MakeWorld();
    holvane::RouteCollection routes;
    std::size_t bytes = 0;
    double ratio = 0;
    for (auto _ : state) {
        std::size_t base = g_inUse.load();
        g_peak = base;
        std::string text = holvane::VRMLStringTraverser().Write(*world, routes);
        bytes = text.size();
        ratio = static_cast<double>(g_peak.load() - base) / static_cast<double>(bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
    state.counters["peak/text"] = ratio;
    state.counters["text MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_StringWriter)->Unit(benchmark::kMillisecond);

}  // namespace

// Counting allocator: every allocation records its size in front of the block.
void* operator new(std::size_t size) {
    auto* block = static_cast<std::size_t*>(std::malloc(size + 16));
    if (!block) throw std::bad_alloc();
    *block = size;
    std::size_t now = g_inUse += size;
    for (std::size_t peak = g_peak.load(); now > peak && !g_peak.compare_exchange_weak(peak, now);) {
    }
    return reinterpret_cast<char*>(block) + 16;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - 16);
    g_inUse -= *block;
    std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

BENCHMARK_MAIN();
