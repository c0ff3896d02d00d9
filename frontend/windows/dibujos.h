// The program's pictures, drawn rather than shipped: a potential curve with its levels
// (the left strip of the splash and about windows) and the program's icon.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace oscilab {

QPixmap dibujoCurvaPotencial(const QSize& tamano);
QIcon iconoPrograma();

// The windows' text font: the classic 8-point sans serif, or the narrowest installed match,
// so that the texts fit the fixed window sizes. `familia` is tried first.
QFont fuenteVentana(double puntos, bool negrita = false, const QString& familia = QString());

// Window sizes are given in twips; this converts them for a widget's screen.
int twipsAPixeles(int twips, double puntosPorPulgada);

} // namespace oscilab
