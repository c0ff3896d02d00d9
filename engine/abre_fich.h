// ABRE_FICH: the three files of a calculation, named after the document and relative to the
// current directory: datos/NAME.qvd (read), result/NAME.res and result/NAME.scs (written).
#pragma once

#include <fstream>
#include <string>

namespace curvifit {

constexpr std::size_t ANCHO_ARGUMENTO = 100;

struct RutasFicheros {
    std::string FICHDATOS;
    std::string FICHRES;
    std::string FICHSCS;
};

struct Ficheros {
    RutasFicheros rutas;
    std::ifstream datos; // binary: line ends are handled by the reader
    std::ofstream res;
    std::ofstream scs;
};

// The argument cut at 100 characters, trailing blanks removed.
std::string nombreDocumento(const std::string& ARGUMENTO);

RutasFicheros rutasFicheros(const std::string& ARGUMENTO);

// Opens the data file first; when it cannot be opened the results files are not touched.
// Throws ErrorMotor when a file cannot be opened or the name holds "/".
Ficheros ABRE_FICH(const std::string& ARGUMENTO);

} // namespace curvifit
