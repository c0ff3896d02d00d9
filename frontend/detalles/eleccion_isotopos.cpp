#include "detalles/eleccion_isotopos.h"

#include "compartido/isotopos.h"
#include "detalles/tabla_detalles.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace oscilab {

EleccionIsotopos::EleccionIsotopos(const curvifit::ResultadoEjecucion& resultado,
                                   TablaDetalles* tabla, QWidget* padre)
    : QWidget(padre), resultado_(resultado), tabla_(tabla),
      isotopos_(isotoposDeAtomos(resultado, TablaIsotopos::delSistema())) {
    setObjectName(QStringLiteral("eleccionIsotopos"));
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    auto* nota =
        new QLabel(tr("Una sola curva sirve a todas las especies isotópicas: cada fila usa los "
                      "coeficientes del ajuste con su masa reducida. Las razones se dan "
                      "respecto de la primera fila, junto a lo que predice la masa."),
                   this);
    nota->setWordWrap(true);
    todo->addWidget(nota);
    auto* fila = new QHBoxLayout;
    for (int a = 0; a < 2; ++a) {
        auto* grupo = new QGroupBox(tr("Átomo %1").arg(a + 1), this);
        auto* capa = new QHBoxLayout(grupo);
        for (const IsotopoElegible& i : isotopos_[static_cast<std::size_t>(a)]) {
            auto* c = new QCheckBox(QString::fromStdString(i.etiqueta), grupo);
            c->setObjectName(QStringLiteral("isotopo(%1,%2)")
                                 .arg(a + 1)
                                 .arg(casillas_[static_cast<std::size_t>(a)].size()));
            c->setChecked(i.marcado);
            c->setToolTip(QString::number(i.masa, 'g', 12) + QStringLiteral(" u"));
            connect(c, &QCheckBox::toggled, this, &EleccionIsotopos::actualiza);
            capa->addWidget(c);
            casillas_[static_cast<std::size_t>(a)].push_back(c);
        }
        capa->addStretch();
        fila->addWidget(grupo);
    }
    todo->addLayout(fila);
    actualiza();
}

QCheckBox* EleccionIsotopos::casilla(int a, int k) const {
    return casillas_.at(static_cast<std::size_t>(a)).at(static_cast<std::size_t>(k));
}

void EleccionIsotopos::actualiza() {
    for (std::size_t a = 0; a < 2; ++a) {
        for (std::size_t k = 0; k < casillas_[a].size(); ++k) {
            isotopos_[a][k].marcado = casillas_[a][k]->isChecked();
        }
    }
    tabla_->ponTabla(tablaIsotopologos(filasIsotopologos(resultado_, combinaciones(isotopos_)),
                                       unidadesMostradas(resultado_)));
}

} // namespace oscilab
