#include <ostream>

#include "Commands.h"
#include "ModelJson.h"
#include "ModelLoading.h"

int RunDump(const std::string& file, std::ostream& out, std::ostream& err) {
    const LoadedModel loaded = LoadModelFile(file);
    if (!loaded.openError.empty()) {
        err << LoadFailureText(file, loaded) << '\n';
        return kExitFailure;
    }
    out << ModelToJson(loaded.model, [](const std::string&, size_t, const CBryDIB& image) { return DescribeImage(image); }).dump(2) << '\n';
    if (loaded.complete) return kExitOk;
    err << LoadFailureText(file, loaded) << '\n';
    return kExitFailure;
}
