// Work posted to the UI thread's event loop.
//
// `post` never runs its function at once: it runs on a later turn of the
// event loop, outside whatever signal or handler is being dispatched now. An
// exception that leaves the function goes to `report_failure`.
// Until a poster is installed (the Qt layer installs one with its
// application object), posted functions wait in a queue that `run_posted`
// drains; tests without an event loop use that.
#pragma once

#include <cstddef>
#include <functional>

namespace platform {

using Poster = std::function<void(std::function<void()>)>;

void post(std::function<void()> work);

// Replaces the poster; an empty one returns to the queue. Answers the
// previous one.
Poster set_poster(Poster poster);

// Runs the queued functions, including those they post, until the queue is
// empty; answers how many ran.
std::size_t run_posted();

}  // namespace platform
