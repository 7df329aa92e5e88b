#include "StressScale.h"

#include <cstdlib>
#include <cstring>

namespace stress {

const Scale& CurrentScale() {
    static const Scale scale = [] {
        const char* form = std::getenv("VIMRO_STRESS");
        if (form != nullptr && std::strcmp(form, "long") == 0) return Scale{50, 300, 500};
        return Scale{50, 12, 60};
    }();
    return scale;
}

}  // namespace stress
