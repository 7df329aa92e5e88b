#pragma once
// The partner of a common animation as the request engine drives it: shown, hidden and placed
// through its ICharacter on the character thread. The request holds one reference to the
// partner; an engine character's reference is given back on that character's own thread.
#include <memory>

#include "PlatformHeaders.h"

#include "Request.h"

std::shared_ptr<IRequestPartner> MakeCharacterPartner(IUnknown* other);
