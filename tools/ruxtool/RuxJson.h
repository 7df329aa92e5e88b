#pragma once
// The JSON type of dumps and manifests: keys keep the order they were written in.
#include <nlohmann/json.hpp>

using Json = nlohmann::ordered_json;
