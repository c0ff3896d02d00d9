#include "registros_curva.h"

#include "formato.h"

namespace curvifit {

void escribeRegistroCurva(std::ostream& curva, double valor) {
    curva << registroCurva(valor) << "\r\n";
}

} // namespace curvifit
