// The result file's "spectrum" member, and its reader beside it.
#pragma once

#include "espectro.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace curvifit {

// null without a spectrum; the lines as lineasListadas gives them.
nlohmann::ordered_json espectroJson(const std::optional<Espectro>& espectro);

// The spectrum back from that member and the levels read from "levels_exact", enough to
// apply another temperature: the listed lines (not every one), the bound levels, the
// lifetimes. None for null. Throws nlohmann::json::exception for a malformed member.
std::optional<Espectro> espectroDesdeJson(const nlohmann::json& espectro,
                                          const NivelesExactos& exactos);

} // namespace curvifit
