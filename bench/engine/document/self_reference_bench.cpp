// A value that names itself, in the Sales Agreement: the page renders again
// after every keystroke, so the nested runs such a value starts must stay
// cheap whatever its length. The same for a value that names a large picture,
// and for a hostile value in a template that names it a thousand times.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "support/many_references_template.h"
#include "support/temp_folder.h"

namespace {

using namespace engine;

void SelfNamingSeller(benchmark::State& state, const std::wstring& value) {
    document doc(PAPERWRIGHT_BUILT_SHARE L"/briks/01/Agreements/Sales Agreement.brik");
    render_context lookup(&doc, view_state{});
    doc_record* seller = lookup.parameters.find(doc.data->parameters, L"seller", 0);
    if (!seller) {
        state.SkipWithError("the Sales Agreement has no Seller");
        return;
    }
    seller->s2 = value;
    for (auto _ : state) benchmark::DoNotOptimize(to_html(doc, view_state{}));
}

// A Logo of 347,888 bytes, its PNG signature and noise, and a Seller of
// `{Logo}` × 100.
void PictureNamedBySeller(benchmark::State& state) {
    fixture::temp_folder folder;
    std::string bytes = "\x89PNG\r\n\x1A\n";
    std::mt19937 noise(7);
    while (bytes.size() < 347'888) bytes += char(noise());
    fixture::write_bytes(folder.file("logo.png"), bytes);
    document doc(PAPERWRIGHT_BUILT_SHARE L"/briks/01/Agreements/Sales Agreement.brik");
    render_context lookup(&doc, view_state{});
    doc_record* seller = lookup.parameters.find(doc.data->parameters, L"seller", 0);
    doc_record* logo = lookup.parameters.find(doc.data->parameters, L"logo", 0);
    if (!seller || !logo) {
        state.SkipWithError("the Sales Agreement has no Seller or no Logo");
        return;
    }
    logo->s2 = fixture::engine_path(folder.file("logo.png"));
    for (int i = 0; i < 100; ++i) seller->s2 += L"{Logo}";
    for (auto _ : state) benchmark::DoNotOptimize(to_html(doc, view_state{}));
}
BENCHMARK(PictureNamedBySeller)->Unit(benchmark::kMillisecond);

// 500 paragraphs naming the Seller twice each.
void ThousandReferences(benchmark::State& state, const std::wstring& value) {
    document doc{L""};
    fixture::fill_many_references(doc, value);
    for (auto _ : state) benchmark::DoNotOptimize(to_html(doc, view_state{}));
}

// `shape` names the field itself; letters fill it up to 1,000 characters.
std::wstring padded(std::wstring shape) {
    while (shape.size() < 1000) shape += L"Northwind Trading ";
    shape.resize(1000);
    return shape;
}

std::wstring repeated(const std::wstring& piece, int times) {
    std::wstring out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

BENCHMARK_CAPTURE(SelfNamingSeller, unclosed, padded(L"{Seller}{Seller "))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelfNamingSeller, nested, padded(L"{IF 1 THEN \"{Seller}\"}{Seller} "))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelfNamingSeller, doubled_braces, padded(L"{{Seller}}{Seller} "))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelfNamingSeller, named_500_times, repeated(L"{Seller}", 500))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SelfNamingSeller, declined_named_100_times, repeated(L"{р:Seller}", 100))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ThousandReferences, plain, std::wstring(L"Northwind Trading"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ThousandReferences, named_500_times, repeated(L"{Seller}", 500))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ThousandReferences, declined_named_100_times, repeated(L"{р:Seller}", 100))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ThousandReferences, doubled_braces, padded(L"{{Seller}}{Seller} "))
    ->Unit(benchmark::kMillisecond);

}  // namespace
