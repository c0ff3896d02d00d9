// The main window as a view of its document: each signal of the document sets the
// controls that show that part, and the run command says why it is off.
#include "document/frmcurvi.h"
#include "document/caja_masa.h"

#include "compartido/estado_global.h"
#include "compartido/isotopos.h"
#include "modelo/masas_atomos.h"
#include "document/frmajuste.h"
#include "modelo/documento.h"
#include "modelo/elementos.h"
#include "modelo/fichero_datos.h"
#include "run/ejecucion.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace oscilab {

void frmcurvi::conectaDocumento() {
    connect(documento_, &Documento::tituloCambiado, this, &frmcurvi::muestraTitulo);
    connect(documento_, &Documento::masasCambiadas, this, &frmcurvi::muestraMasas);
    connect(documento_, &Documento::unidadesCambiadas, this, &frmcurvi::muestraUnidades);
    connect(documento_, &Documento::potenciasCambiadas, this, &frmcurvi::muestraPotenciasDocumento);
    connect(documento_, &Documento::rutaCambiada, this, [this](const QString& ruta) {
        titulodoc_ = ruta.isEmpty() ? sinTitulo() : ruta;
        ponTitulo(titulodoc_);
    });
    connect(documento_, &Documento::filasCambiadas, this, &frmcurvi::actualizaEjecutar);
    connect(documento_, &Documento::masasCambiadas, this, &frmcurvi::actualizaEjecutar);
    connect(documento_, &Documento::tituloCambiado, this, &frmcurvi::actualizaEjecutar);
    connect(documento_, &Documento::potenciasCambiadas, this, &frmcurvi::actualizaEjecutar);
    connect(documento_, &Documento::celdaCambiada, this, [this] {
        actualizaEjecutar();
        alCambiarCelda();
    });
    connect(documento_, &Documento::filasCambiadas, this, &frmcurvi::alCambiarCelda);
    connect(documento_, &Documento::modificadoCambiado, this, &frmcurvi::actualizaEjecutar);
    connect(documento_, &Documento::rutaCambiada, this, &frmcurvi::actualizaEjecutar);
}

void frmcurvi::muestraTitulo() {
    if (textnombre_->text() != documento_->titulo()) {
        mostrando_ = true;
        textnombre_->setText(documento_->titulo());
        mostrando_ = false;
    }
}

void frmcurvi::muestraMasas() {
    mostrando_ = true;
    for (int a = 1; a <= 2; ++a) {
        const auto i = static_cast<std::size_t>(a - 1);
        const QString masa = documento_->masa(a);
        if (textmatom_[i]->text() != masa) {
            textmatom_[i]->setText(masa);
        }
        // An isotope's exact mass names the isotope ("Cloro ³⁵Cl"), an old weight its element.
        const QString nombre = nombreDeMasa(masa, TablaIsotopos::delSistema());
        lbato_[i]->setText(!nombre.isEmpty() ? nombre : tr("Atomo %1").arg(a));
        textmatom_[i]->ponIsotopo(isotopoDeMasa(masa, TablaIsotopos::delSistema()));
    }
    mostrando_ = false;
}

void frmcurvi::muestraUnidades() {
    mostrando_ = true;
    const Distancia d = documento_->distancia();
    ponUnidades(d == Distancia::Angstrom ? optdist_[1] : optdist_[0],
                d == Distancia::Angstrom ? optdist_[0] : optdist_[1], d != Distancia::SinElegir);
    const Energia e = documento_->energia();
    ponUnidades(e == Energia::Ev ? optener_[1] : optener_[0],
                e == Energia::Ev ? optener_[0] : optener_[1], e != Energia::SinElegir);
    mostrando_ = false;
    alCambiarCelda();
}

void frmcurvi::muestraPotenciasDocumento() {
    lbpot_->setText(sinBlancosIniciales(textoPotencias(documento_->potencias())));
}

QString frmcurvi::motivoSinEjecutar() const {
    if (calculo_ != nullptr && calculo_->enMarcha()) {
        return tr("El cálculo está en marcha");
    }
    const int n = documento_->numeroPuntos();
    const int m = numeroPotencias(documento_->potencias());
    if (n < m) {
        return tr("Faltan puntos: %1 para %2 potencias").arg(n).arg(m);
    }
    if (documento_->modificado() || documento_->ruta().isEmpty()) {
        return tr("Guarde el documento para ejecutar");
    }
    return documento_->guardable().fallo().texto();
}

void frmcurvi::actualizaEjecutar() {
    const QString motivo = motivoSinEjecutar();
    const bool habilitado = motivo.isEmpty();
    btejecuta_->setEnabled(habilitado);
    barraEjecutar_->setEnabled(habilitado);
    btejecuta_->setToolTip(habilitado ? tr("Ejecuta el programa de cálculo") : motivo);
    barraEjecutar_->setToolTip(habilitado ? tr("Ejecutar") : motivo);
    if (habilitado) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(motivo);
    }
}

} // namespace oscilab
