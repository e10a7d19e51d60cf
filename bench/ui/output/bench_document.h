// The ten-page contract every benchmark of this program works on, open in a
// window on the real web engine; made in main before the benchmarks run.
#pragma once

#include "app/open_document.h"

namespace app_test {

extern OpenDocument* bench_document;

}  // namespace app_test
