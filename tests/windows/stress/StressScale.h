#pragma once
// How hard the stress suite pushes: the short form by default (make test), the long form when
// VIMRO_STRESS=long is set in the environment.
namespace stress {

struct Scale {
    int characters;        // characters driven at once on one client thread
    int operationSeconds;  // how long random requests are made
    int loadCycles;        // Load / Unload / release cycles
};

const Scale& CurrentScale();

}  // namespace stress
