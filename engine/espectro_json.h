// The result file's "spectrum" member.
#pragma once

#include "espectro.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace curvifit {

// null without a spectrum; the lines as lineasListadas gives them.
nlohmann::ordered_json espectroJson(const std::optional<Espectro>& espectro);

} // namespace curvifit
