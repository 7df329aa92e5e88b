#include <optional>
#include <ostream>

#include "Commands.h"
#include "Cp1252.h"
#include "ModelLoading.h"

namespace {

using Site = LoadTrace::ImageBlockSite;

bool BlockMatchesHeader(const Site& site) { return site.headerUsable && site.storedSize == site.expectedSize; }

std::string SiteProblem(const Site& site) {
    const std::string where = "picture of animation \"" + Cp1252ToUtf8(site.animation) + "\" frame " +
                              std::to_string(site.frame) + " (block at byte offset " + std::to_string(site.offset) +
                              ")";
    if (site.expectedSize != 0 && site.storedSize != site.expectedSize) {
        return where + " is stored with " + std::to_string(site.storedSize) + " bytes but its header calls for " +
               std::to_string(site.expectedSize);
    }
    return where + " has a header that cannot be drawn (compressed, unknown bit count or invalid)";
}

std::optional<Site> FirstMismatch(const LoadTrace& trace) {
    for (const Site& site : trace.imageBlocks) {
        if (!BlockMatchesHeader(site)) return site;
    }
    return std::nullopt;
}

// The earliest fault in the file, or nothing when it is sound.
std::optional<std::string> Problem(const std::string& file, const LoadedModel& loaded) {
    const std::optional<Site> mismatch = FirstMismatch(loaded.trace);
    if (mismatch) {
        std::string line = file + ": " + SiteProblem(*mismatch);
        if (!loaded.complete) line += "; reading then failed at byte offset " + std::to_string(loaded.failureOffset);
        return line;
    }
    if (!loaded.complete) return LoadFailureText(file, loaded);
    if (loaded.trailingBytes != 0) {
        return file + ": " + std::to_string(loaded.trailingBytes) + " bytes follow the last animation at byte offset " +
               std::to_string(loaded.endOffset);
    }
    return std::nullopt;
}

}  // namespace

int RunCheck(const std::string& file, std::ostream& out, std::ostream& err) {
    const LoadedModel loaded = LoadModelFile(file);
    if (!loaded.openError.empty()) {
        err << LoadFailureText(file, loaded) << '\n';
        return kExitFailure;
    }
    if (const std::optional<std::string> problem = Problem(file, loaded)) {
        err << *problem << '\n';
        return kExitFailure;
    }
    out << file << ": ok, " << loaded.model.AnimationCount() << " animations, " << TotalFrameCount(loaded.model)
        << " frames\n";
    return kExitOk;
}
