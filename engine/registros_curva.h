// Appending one record to the curve file: the record text and the CR LF line end.
#pragma once

#include <ostream>

namespace curvifit {

void escribeRegistroCurva(std::ostream& curva, double valor);

} // namespace curvifit
