#pragma once
// A character model as JSON, in the dump's layout.
#include <cstddef>
#include <functional>
#include <string>

#include "CCharacterModel.h"
#include "RuxJson.h"

// How a frame's picture appears: the dump describes the block, export names the picture's file.
using ImageDescriber = std::function<Json(const std::string& animationName, size_t frameIndex, const CBryDIB& image)>;

// null for an empty picture; else its width, height, bit count, stored block size and SHA-256.
Json DescribeImage(const CBryDIB& image);

// The model with texts in UTF-8, animations and origins in the model's order.
Json ModelToJson(const CCharacterModel& model, const ImageDescriber& describeImage);
