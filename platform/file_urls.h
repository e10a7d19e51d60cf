// The file: addresses a script names. The views get their pages only inside
// script literals, so an address may stand between escaped quotes; it is
// given back as the page will read it (escapes and "&amp;" resolved).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Every "file:" address in `script`, in order. A quoted address ends at its
// closing quote, an unquoted one at a blank, quote or angle bracket; one
// longer than a path can be is left out.
std::vector<std::wstring> file_urls_in(std::wstring_view script);

}  // namespace platform
