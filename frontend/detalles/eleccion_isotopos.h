// The boxes above the table of the tab "Isotopólogos": one tick box per offered isotope of
// each atom. Each change recomputes the table's species.
#pragma once

#include "detalles/isotopologos_detalles.h"

#include <QWidget>

class QCheckBox;

namespace oscilab {

class TablaDetalles;

class EleccionIsotopos : public QWidget {
    Q_OBJECT
public:
    EleccionIsotopos(const curvifit::ResultadoEjecucion& resultado, TablaDetalles* tabla,
                     QWidget* padre = nullptr);

    // The box of isotope k of atom a (0 or 1).
    QCheckBox* casilla(int a, int k) const;

private:
    void actualiza();

    const curvifit::ResultadoEjecucion& resultado_;
    TablaDetalles* tabla_;
    IsotoposDeAtomos isotopos_;
    std::array<std::vector<QCheckBox*>, 2> casillas_;
};

} // namespace oscilab
