#pragma once
// Moving a finished file over another in one step, so a reader never sees half a file.
#include <string>

// Replaces target by source (renaming); false when that is impossible, with both left as they were.
bool ReplaceFileWith(const std::string& source, const std::string& target);
