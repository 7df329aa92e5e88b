#pragma once
// A character model from a build manifest: the dump's layout with picture file names for images.
#include <functional>
#include <optional>
#include <string>

#include "CCharacterModel.h"
#include "PictureDecoder.h"
#include "RuxJson.h"

// Decodes the picture file a frame names; an empty block and an error when it cannot.
using PictureSource = std::function<DecodedPicture(const std::string& fileName)>;

struct ManifestResult {
    std::optional<CCharacterModel> model;
    std::string error;  // "<JSON path>: <what is wrong>" when there is no model
};

// Every key is checked (unknown keys are errors, so misspelt optional keys do not go unseen);
// reserved1 and reserved2 default to 0.
ManifestResult ModelFromManifest(const Json& manifest, const PictureSource& pictures);
