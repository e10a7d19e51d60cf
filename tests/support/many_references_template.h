// A template of one page of paragraphs, each naming the Seller twice, and one
// field, the Seller: what a value costs at every reference, it costs here
// a thousand times in one render.
#pragma once

#include <string>

#include "engine/document/document.h"

namespace fixture {

inline constexpr int many_references_paragraphs = 500;

// Fills an empty document with the template, the Seller holding `seller`.
void fill_many_references(engine::document& doc, const std::wstring& seller);

}  // namespace fixture
