// The data file (.qvd) as the front end writes and reads it: Latin-1 text, CR LF line ends
// (LF alone is accepted when reading), title, powers, masses, units, then one point a line.
#pragma once

#include "compartido/dimensiones.h"
#include "compartido/resultado.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace oscilab {

// What a save puts into the file, taken from the main window's controls.
struct ContenidoFichero {
    QString titulo;
    QString lineaPotencias; // the powers label, without its leading blanks
    QString masa1;
    QString masa2;
    bool distanciaUA = true; // false: Angstrom
    bool energiaUA = true;   // false: eV
    std::vector<std::pair<QString, QString>> puntos;
};

// The largest data file Open reads: a 500-point document is under 40 KB.
constexpr qint64 tamanoMaximoFichero = 1024 * 1024;

// The first character of `texto` that the Latin-1 file cannot hold, or std::nullopt.
std::optional<QString> caracterFueraDeLatin1(const QString& texto);

// The bytes of a data file.
QByteArray bytesFicheroDatos(const ContenidoFichero& contenido);

// Writes the file through a temporary file that replaces the old one only when complete,
// so that a failed save leaves the previous file as it was. A failure carries the system's text
// only; the caller names the file.
Resultado<void> escribeFicheroDatos(const QString& ruta, const ContenidoFichero& contenido);

// The powers label: one blank before each included power, ascending.
QString textoPotencias(const TablaPotencias& potencias);

// Removes the leading blanks of the powers label (the form written to the file).
QString sinBlancosIniciales(const QString& texto);

// How a word read by leepalabra ended.
enum class FinPalabra { Blanco, FinLinea, FinFichero };

struct Palabra {
    QString texto;
    FinPalabra fin = FinPalabra::Blanco;
};

// Word reader over the bytes of an open data file. Its one-character look-ahead
// `caracteractual` belongs to the caller, which keeps it between words and between files.
class LectorPalabras {
public:
    LectorPalabras(const QByteArray& bytes, char& caracteractual)
        : bytes_(bytes), actual_(caracteractual) {}

    // Line 1, the title: the whole line as it is, commas and quotes included, without its
    // end. std::nullopt when the file holds nothing more.
    std::optional<QString> leeLinea();

    // The next word; std::nullopt when the file ends before a word could be read.
    std::optional<Palabra> leepalabra();

private:
    bool leeCaracter(char& c);

    const QByteArray& bytes_;
    char& actual_;
    qsizetype posicion_ = 0;
};

// All that a load obtained, in file order. Reading stops at the first failure (end of the
// file, a power that is not an integer from -15 to 14), and the parts read before it stay.
struct FicheroLeido {
    std::optional<QString> titulo;
    std::optional<std::vector<int>> potencias; // present once line 2 was reached
    std::vector<QString> masas;                // 0 to 2 texts
    std::vector<QString> unidades;             // 0 to 2 words
    std::vector<QString> celdas;               // row by row, R then V; at most 100
    int puntosEnFichero = 0;                   // point lines in the file, also past the 50th
};

FicheroLeido leeFicheroDatos(const QByteArray& bytes, char& caracteractual);

// "ua" or "UA" means atomic units; any other word means Angstrom or eV.
bool esUnidadAtomica(const QString& palabra);

} // namespace oscilab
