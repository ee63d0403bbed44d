// The queue of memos whose lines wait to be laid out.
#include "PendingMemos.h"

#include <algorithm>

namespace wb::pendingMemos {

namespace {

std::vector<TMemo*>& queue()
{
    static std::vector<TMemo*> memos;
    return memos;
}

} // namespace

void add(TMemo* memo)
{
    queue().push_back(memo);
}

void remove(TMemo* memo)
{
    auto& memos = queue();
    memos.erase(std::remove(memos.begin(), memos.end(), memo), memos.end());
}

std::vector<TMemo*> list()
{
    return queue();
}

} // namespace wb::pendingMemos
