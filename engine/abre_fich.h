// ABRE_FICH: the files of a calculation, named after the document and relative to the
// current directory: datos/NAME.qvd (read), result/NAME.res and result/NAME.scs (written);
// result/NAME.json is only named here (and an earlier one removed) and written at the end
// of a complete run.
#pragma once

#include <fstream>
#include <string>

namespace curvifit {

constexpr std::size_t ANCHO_ARGUMENTO = 100;

struct RutasFicheros {
    std::string FICHDATOS;
    std::string FICHRES;
    std::string FICHSCS;
    std::string FICHJSON; // result/NAME.json, written last, only after a complete run
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

// Opens datos/NAME.qvd for reading; throws ErrorMotor when it is not a readable file.
std::ifstream abreDatos(const std::string& FICHDATOS);

// Opens the data file first; when it cannot be opened the results files are not touched.
// Then creates result/ when missing, removes an earlier result/NAME.json and NAME.json.tmp,
// and opens the report and the curve file. Throws ErrorMotor when a file cannot be opened or the
// name holds "/".
Ficheros ABRE_FICH(const std::string& ARGUMENTO);

} // namespace curvifit
