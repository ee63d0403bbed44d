// The memos whose lines wait to be laid out: filled, not yet put into their widgets. One queue
// for the process, so that the application can lay out what visible forms show at the end of a
// repaint or before it shows them, whichever form filled them.
#pragma once

#include <vector>

namespace wb {

class TMemo;

namespace pendingMemos {

// A memo joins the queue when its lines change and leaves it when they are laid out (or it
// ends).
void add(TMemo* memo);
void remove(TMemo* memo);
// The memos waiting, in the order they were filled: a copy, since laying one out leaves the
// queue.
std::vector<TMemo*> list();

} // namespace pendingMemos
} // namespace wb
