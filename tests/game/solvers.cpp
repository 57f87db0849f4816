#include "game/solvers.h"

namespace zorna::test {

SolverRegistry& solverRegistry() {
    static SolverRegistry registry;
    return registry;
}

void SolverRegistration::add(int windowNumber, Solver solver) {
    SolverRegistry& registry = solverRegistry();
    if (registry.solvers.contains(windowNumber))
        registry.repeated.append(windowNumber);
    registry.solvers.insert(windowNumber, std::move(solver));
}

} // namespace zorna::test
