#pragma once
// Moving a finished file over another in one step, so a reader never sees half a file.
#include <cstdint>
#include <string>
#include <vector>

// Replaces target by source (renaming); false when that is impossible, with both left as they were.
bool ReplaceFileWith(const std::string& source, const std::string& target);

// Writes the bytes beside the target (its path + ".writing") and moves them over it once all
// are written: a failure leaves a former file as it was and nothing beside it, with the
// system's error number (0 when it gave none) in systemError.
bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes, int& systemError);
