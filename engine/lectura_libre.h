// The data file's free-format reader: records are lines (CR LF, LF or CR), a read takes the
// values it needs from the next record, going on to further records when one runs out, and
// drops the rest of the last record it used. Values are separated by blanks or one comma;
// numbers are decimal with an optional exponent (E or D), parsed without the C locale.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace curvifit {

enum class Conversion { Correcta, Sintaxis, FueraDeRango };

template <typename T> struct Convertido {
    Conversion estado = Conversion::Sintaxis;
    T valor{};
};

// A real in decimal notation: [sign] digits [. digits] [E|D [sign] digits]; a finite double.
Convertido<double> convierteReal(std::string_view texto);

// An integer: [sign] digits, within the range of int.
Convertido<int> convierteEntero(std::string_view texto);

class LectorLibre {
public:
    // Longest record accepted; a longer one is a read error, not silently cut.
    static constexpr std::size_t LONGITUD_MAXIMA = 1 << 20;

    LectorLibre(std::istream& entrada, std::string ruta);

    // True when no record is left (the test made before each point).
    bool alFinal();

    // True when only blank records (or none) are left; passes over the blank ones.
    bool soloQuedanBlancos();

    // One whole record as text, line end removed, cut at `ancho` characters.
    std::string leeRegistro(std::size_t ancho);

    std::vector<double> leeReales(int cuantos);
    std::vector<std::string> leePalabras(int cuantos);

    const std::string& ruta() const { return ruta_; }

private:
    bool cargaRegistro();
    std::string_view siguienteElemento();

    std::istream& entrada_;
    std::string ruta_;
    std::string registro_;
    std::size_t posicion_ = 0;
};

} // namespace curvifit
