// The member "levels_exact" of result/NAME.json, and back.
#pragma once

#include "niveles_exactos.h"

#include <nlohmann/json.hpp>

namespace curvifit {

nlohmann::ordered_json nivelesExactosJson(const NivelesExactos& exactos);

// Throws nlohmann::json::exception when a member is missing or of the wrong type.
NivelesExactos nivelesExactosDesdeJson(const nlohmann::json& j);

} // namespace curvifit
