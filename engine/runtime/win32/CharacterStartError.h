#pragma once
// Why a character could not be started; the text is part of the engine's interface.
#include <stdexcept>

class CharacterStartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
