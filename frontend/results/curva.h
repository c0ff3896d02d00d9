// The engine's curve file: the points, the 30 coefficients, the energy error, the width
// of the level bars and the levels, read as free-format numbers.
#pragma once

#include "compartido/dimensiones.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace oscilab {

struct Punto {
    double r = 0.0;
    double v = 0.0;
};

inline constexpr int maxNivelesCurva = 10000;

struct DatosCurva {
    std::vector<Punto> puntos;
    CoeficientesPotencia coeficientes{};
    // Empty when the file says "Infinity": the threshold in use is then kept.
    std::optional<double> errorenergia;
    double anchonivel = 0.0;
    std::vector<double> niveles;
};

// What could be read, and a Spanish description of the first problem ("" when none).
struct LecturaCurva {
    DatosCurva datos;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads the contents of a curve file holding `npuntos` points.
LecturaCurva leecurvaTexto(const QByteArray& contenido, int npuntos);

// Reads the curve file at `ruta` and deletes it: the file is consumed by its reader.
LecturaCurva leecurva(const QString& ruta, int npuntos);

} // namespace oscilab
