// The main window's document commands: new, the unsaved-changes question, save, save as
// and open, and the data file they write and read.
#include "document/frmcurvi.h"
#include "explorador/frmexplorador.h"

#include "compartido/carpetas.h"
#include "document/fichero_datos.h"
#include "document/masas_atomos.h"
#include "compartido/isotopos.h"
#include "compartido/dialogos_fichero.h"
#include "compartido/estado_global.h"
#include "document/frmajuste.h"
#include "compartido/mensajes.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace oscilab {

namespace {

const QString filtroDatos = QStringLiteral("Archivos de datos (*.qvd);;Todos los archivos (*)");

} // namespace

void frmcurvi::ponTitulo(const QString& nombre) {
    setWindowTitle(nombreprograma_ + QLatin1Char('-') + nombre);
}

void frmcurvi::documentoCambiado() {
    marcaCambio();
    habilitaEjecutar(false);
}

void frmcurvi::marcaPotenciasIniciales() {
    frmajuste_->desmarcarTodas();
    for (int p = 0; p <= gradoInicial_; ++p) {
        frmajuste_->grado(indicePotencia(p))->setChecked(true);
    }
    lbpot_->setText(potenciasIniciales_);
}

void frmcurvi::nuevodocumento() {
    delete frmexplorador_.data(); // its ranking belongs to the document that was open
    estado_.fichero.clear();
    ficheroRecortado_.clear();
    titulodoc_ = sinTitulo_;
    ponTitulo(titulodoc_);
    textnombre_->clear();
    textmatom_[0]->clear();
    textmatom_[1]->clear();
    textdato_->clear();
    for (int r = 1; r <= filasTabla; ++r) {
        ponTextoCelda(r, 1, QString());
        ponTextoCelda(r, 2, QString());
    }
    celdaActual(1, 1);
    ponUnidades(optdist_[0], optdist_[1], false);
    ponUnidades(optener_[0], optener_[1], false);
    marcaPotenciasIniciales();
    resultados_.limites = Caja{};
    resultados_.vista = Caja{};
    // An empty document has nothing to run, whatever was open before.
    habilitaEjecutar(false);
    marcaGuardado();
}

bool frmcurvi::preguntarguardarcambios() {
    const Respuesta respuesta =
        mensajes().mostrar(this,
                           QStringLiteral("Se ha cambiado el archivo ") + titulodoc_ +
                               QStringLiteral("\n¿Desea guardar los cambios actuales?"),
                           QString(), IconoMensaje::Pregunta, BotonesMensaje::SiNo);
    if (respuesta == Respuesta::No) {
        return true;
    }
    if (respuesta != Respuesta::Si) {
        return false;
    }
    guardar();
    // The command that asked goes on only when the changes are safe on disk.
    return !hayCambios();
}

ContenidoFichero frmcurvi::contenido(int puntos) const {
    ContenidoFichero c;
    c.titulo = textnombre_->text();
    c.lineaPotencias = lbpot_->text();
    c.masa1 = textmatom_[0]->text();
    c.masa2 = textmatom_[1]->text();
    c.distanciaUA = optdist_[0]->isChecked();
    c.energiaUA = optener_[0]->isChecked();
    for (int r = 1; r <= puntos; ++r) {
        c.puntos.push_back({textoCelda(r, 1), textoCelda(r, 2)});
    }
    return c;
}

frmcurvi::Guardado frmcurvi::guardarfichero() {
    const ResultadoChequeo chequeo = chequea();
    if (!chequeo.completo()) {
        return Guardado::Invalido;
    }
    if (const auto c = caracterFueraDeLatin1(textnombre_->text())) {
        avisar(this,
               QStringLiteral("El título contiene el carácter «%1», que el archivo de datos no "
                              "puede guardar. Cámbialo antes de guardar.")
                   .arg(*c),
               QString(), IconoMensaje::Exclamacion);
        enfoca(FocoChequeo::Titulo);
        documentoCambiado();
        return Guardado::Invalido;
    }
    if (!preguntaPuntosPerdidos(chequeo.puntos)) {
        documentoCambiado();
        return Guardado::NoSobrescrito;
    }
    if (QFileInfo::exists(estado_.fichero)) {
        const Respuesta r = mensajes().mostrar(
            this, QStringLiteral("¿Desea sobrescribir el archivo ") + estado_.fichero + '?',
            QString(), IconoMensaje::Pregunta, BotonesMensaje::SiNo);
        if (r != Respuesta::Si) {
            // The file on disk is not the document: it must not be run.
            documentoCambiado();
            return Guardado::NoSobrescrito;
        }
    }
    lbpot_->setText(sinBlancosIniciales(lbpot_->text()));
    if (!escribeFicheroDatos(estado_.fichero, contenido(chequeo.puntos))) {
        return Guardado::Error;
    }
    if (QFileInfo(estado_.fichero).canonicalFilePath() == ficheroRecortado_) {
        ficheroRecortado_.clear();
    }
    celdaActual(1, 1);
    marcaGuardado();
    return Guardado::Escrito;
}

bool frmcurvi::preguntaPuntosPerdidos(int puntos) {
    if (ficheroRecortado_.isEmpty() ||
        QFileInfo(estado_.fichero).canonicalFilePath() != ficheroRecortado_ ||
        puntosRecortado_ <= puntos) {
        return true;
    }
    const Respuesta r = mensajes().mostrar(
        this,
        QStringLiteral("El archivo %1 tiene %2 puntos y la tabla %3: si lo guarda, se perderán "
                       "%4 puntos.\n¿Desea guardarlo?")
            .arg(estado_.fichero)
            .arg(puntosRecortado_)
            .arg(puntos)
            .arg(puntosRecortado_ - puntos),
        QString(), IconoMensaje::Pregunta, BotonesMensaje::SiNo);
    return r == Respuesta::Si;
}

void frmcurvi::informaErrorGuardar() {
    avisar(this,
           QStringLiteral("Ha ocurrido un error al intentar guardar el fichero") + estado_.fichero,
           QString(), IconoMensaje::Exclamacion);
    documentoCambiado();
}

bool frmcurvi::guardaComo() {
    textnombre_->setText(textnombre_->text().replace(QLatin1Char(' '), QLatin1Char('_')));
    const auto ruta =
        dialogosFichero().guardar(this, QStringLiteral("Guardar como"),
                                  carpetaDocumentos_ + textnombre_->text(), filtroDatos);
    if (!ruta) {
        return false;
    }
    carpetaDocumentos_ = carpetaDeFichero(*ruta);
    QString fichero = *ruta;
    // Only the file's own name decides: folders with a point in their names are common here.
    if (!QFileInfo(fichero).fileName().contains(QLatin1Char('.'))) {
        fichero += QStringLiteral(".qvd");
    }
    estado_.fichero = fichero;
    // The unsaved-changes question names the file the document now belongs to.
    titulodoc_ = fichero;
    ponTitulo(titulodoc_);
    const Guardado resultado = guardarfichero();
    if (resultado == Guardado::Error) {
        informaErrorGuardar();
    }
    return resultado == Guardado::Escrito;
}

bool frmcurvi::abrirfichero(std::optional<QString> ruta) {
    if (!ruta) {
        ruta =
            dialogosFichero().abrir(this, QStringLiteral("Abrir"), carpetaDocumentos_, filtroDatos);
    }
    if (!ruta) {
        avisar(this, QStringLiteral("Seleccion cancelada"), QString(), IconoMensaje::Informacion);
        marcaGuardado();
        return false;
    }
    // A FIFO or a device would block the window, and a huge file is no document.
    const QFileInfo info(*ruta);
    if (info.exists() && (!info.isFile() || info.size() > tamanoMaximoFichero)) {
        avisar(this,
               !info.isFile()
                   ? QStringLiteral("%1 no es un archivo normal; no se puede abrir.").arg(*ruta)
                   : QStringLiteral("El archivo %1 ocupa más de 1 MB y no es un documento de "
                                    "OSCILAB (uno de 500 puntos ocupa menos de 40 KB); no se "
                                    "abre.")
                         .arg(*ruta),
               QString(), IconoMensaje::Exclamacion);
        marcaGuardado();
        return false;
    }
    carpetaDocumentos_ = carpetaDeFichero(*ruta);
    estado_.fichero = *ruta;
    QFile fichero(*ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        avisar(this, QStringLiteral("Se ha producido un error al abrir el archivo"), QString(),
               IconoMensaje::Informacion);
        marcaGuardado();
        return false;
    }
    const QByteArray bytes = fichero.read(tamanoMaximoFichero);
    titulodoc_ = estado_.fichero;
    ponTitulo(titulodoc_);
    const FicheroLeido leido = leeFicheroDatos(bytes, caracteractual_);
    aplicaFichero(leido);
    celdaActual(1, 1);
    marcaGuardado();
    if (leido.puntosEnFichero > filasTabla) {
        ficheroRecortado_ = info.canonicalFilePath();
        puntosRecortado_ = leido.puntosEnFichero;
        avisar(this,
               QStringLiteral("El archivo %1 tiene %2 puntos; la tabla admite %3 y muestra los "
                              "%3 primeros.")
                   .arg(*ruta)
                   .arg(leido.puntosEnFichero)
                   .arg(filasTabla),
               QString(), IconoMensaje::Exclamacion);
    }
    return true;
}

void frmcurvi::aplicaFichero(const FicheroLeido& leido) {
    if (!leido.titulo) {
        return;
    }
    textnombre_->setText(*leido.titulo);
    if (!leido.potencias) {
        return;
    }
    frmajuste_->desmarcarTodas();
    lbpot_->setText(QString());
    for (int p : *leido.potencias) {
        frmajuste_->grado(indicePotencia(p))->setChecked(true);
    }
    for (std::size_t a = 0; a < leido.masas.size(); ++a) {
        textmatom_[a]->setText(leido.masas[a]);
    }
    if (leido.masas.size() == 2) {
        for (std::size_t a = 0; a < 2; ++a) {
            if (const QString nombre = nombreDeMasa(leido.masas[a], TablaIsotopos::delSistema());
                !nombre.isEmpty()) {
                lbato_[a]->setText(nombre);
            }
        }
    }
    if (!leido.unidades.empty()) {
        const bool ua = esUnidadAtomica(leido.unidades[0]);
        ponUnidades(ua ? optdist_[0] : optdist_[1], ua ? optdist_[1] : optdist_[0], true);
    }
    if (leido.unidades.size() == 2) {
        const bool ua = esUnidadAtomica(leido.unidades[1]);
        ponUnidades(ua ? optener_[0] : optener_[1], ua ? optener_[1] : optener_[0], true);
    }
    for (std::size_t i = 0; i < leido.celdas.size(); ++i) {
        const int fila = static_cast<int>(i / 2) + 1;
        const int columna = static_cast<int>(i % 2) + 1;
        celdaActual(fila, columna);
        ponTextoCelda(fila, columna, leido.celdas[i]);
    }
}

} // namespace oscilab
