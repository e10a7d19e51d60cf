// A value that names itself, in the Sales Agreement: the page renders again
// after every keystroke, so the nested runs such a value starts must stay
// cheap whatever its length.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "engine/render/document_html.h"

namespace {

using namespace engine;

constexpr int value_length = 1000;

// `shape` names the field itself; letters fill it up to 1,000 characters.
void SelfNamingSeller(benchmark::State& state, const std::wstring& shape) {
    document doc(PAPERWRIGHT_BUILT_SHARE L"/briks/01/Agreements/Sales Agreement.brik");
    render_context lookup(&doc, view_state{});
    doc_record* seller = lookup.parameters.find(doc.data->parameters, L"seller", 0);
    if (!seller) {
        state.SkipWithError("the Sales Agreement has no Seller");
        return;
    }
    seller->s2 = shape;
    while (seller->s2.size() < value_length) seller->s2 += L"Northwind Trading ";
    seller->s2.resize(value_length);
    for (auto _ : state) benchmark::DoNotOptimize(to_html(doc, view_state{}));
}

BENCHMARK_CAPTURE(SelfNamingSeller, unclosed, std::wstring(L"{Seller}{Seller "))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelfNamingSeller, nested, std::wstring(L"{IF 1 THEN \"{Seller}\"}{Seller} "))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelfNamingSeller, doubled_braces, std::wstring(L"{{Seller}}{Seller} "))
    ->Unit(benchmark::kMillisecond);

}  // namespace
