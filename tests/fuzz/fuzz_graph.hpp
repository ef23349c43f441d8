#pragma once
// Drives a graph of any kind with calls read from a fuzzer's bytes, then checks its exports.
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_input.hpp"
#include "holvane/error.hpp"
#include "holvane/vrml_text.hpp"

// One row per public call of a graph of type G; each reads its arguments from the input.
template <class G>
using GraphCalls = std::vector<std::function<void(G&, FuzzInput&)>>;

// Up to 64 calls picked by the input (the library's error is a fine answer to any of them),
// then two exports with line-break and tab flags from the input: they must give the same bytes
// and well-formed UTF-8, or both raise the library's error. Anything else aborts.
template <class G>
void RunCallsAndExport(G& graph, const GraphCalls<G>& calls, FuzzInput& in) {
    const bool breaks = in.Bool(), tabs = in.Bool();
    for (int n = 0; !in.Empty() && n < 64; ++n) {
        try {
            calls[in.Byte() % calls.size()](graph, in);
        } catch (const holvane::Error&) {
        }
    }
    std::string first, second;
    bool failed = false;
    try {
        first = graph.ExportToString(breaks, tabs);
    } catch (const holvane::Error&) {
        failed = true;
    }
    try {
        second = graph.ExportToString(breaks, tabs);
        if (failed || first != second || !holvane::IsValidUtf8(first)) std::abort();
    } catch (const holvane::Error&) {
        if (!failed) std::abort();  // an export that worked once works again
    }
}
