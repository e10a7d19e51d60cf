// The paper, orientation and margins that one print or PDF is made with, in
// inches. The paper is described short side first; `landscape` turns it.
#pragma once

namespace platform {

struct PageLayout {
    double width_in = 0;
    double height_in = 0;
    bool landscape = false;
    double left_in = 0;
    double top_in = 0;
    double right_in = 0;
    double bottom_in = 0;
};

}  // namespace platform
