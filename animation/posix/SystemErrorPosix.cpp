#include <cerrno>
#include <cstring>

#include "../SystemError.h"

int LastSystemError() { return errno; }

std::string SystemErrorText(int error) { return std::strerror(error); }
