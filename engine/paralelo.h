// Independent pieces of work shared out over the machine's cores.
#pragma once

#include <cstddef>
#include <functional>

namespace curvifit {

// trabajo(i) for i = 0..n-1, each index taken by the next free thread (the pieces may differ
// widely in cost). The first failure in index order is rethrown once all have ended, so the
// outcome does not depend on the threads' timing.
void enParalelo(std::size_t n, const std::function<void(std::size_t)>& trabajo);

} // namespace curvifit
