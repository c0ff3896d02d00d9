// The main window's document commands: new, the unsaved-changes question, save, save as
// and open. The document reads and writes its own file; the window asks and tells.
#include "document/frmcurvi.h"
#include "explorador/frmexplorador.h"

#include "compartido/carpetas.h"
#include "compartido/dialogos_fichero.h"
#include "compartido/estado_global.h"
#include "compartido/mensajes.h"
#include "dipolo/frmdipolo.h"
#include "document/frmajuste.h"
#include "modelo/documento.h"
#include "modelo/fichero_datos.h"
#include "run/ejecucion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

namespace oscilab {

namespace {

QString filtroDatos() {
    return QCoreApplication::translate("oscilab::frmcurvi",
                                       "Archivos de datos (*.qvd);;Todos los archivos (*)");
}

// The name "Guardar como" proposes: the title with every character a file name cannot
// safely hold replaced ("/" becomes "-"), blanks as "_".
QString nombrePropuesto(const QString& titulo) {
    QString nombre = titulo.trimmed();
    nombre.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    nombre.replace(QRegularExpression(QStringLiteral("[\\x00-\\x1F]")), QString());
    nombre.replace(QLatin1Char(' '), QLatin1Char('_'));
    while (nombre.startsWith(QLatin1Char('.'))) {
        nombre.remove(0, 1);
    }
    return nombre;
}

bool mismaCarpeta(const QString& a, const QString& b) {
    return QDir(a).canonicalPath() == QDir(b).canonicalPath();
}

} // namespace

void frmcurvi::ponTitulo(const QString& nombre) {
    setWindowTitle(nombreprograma_ + QLatin1Char('-') + nombre);
}

void frmcurvi::marcaPotenciasIniciales() {
    muestraPotenciasDocumento();
}

void frmcurvi::nuevodocumento() {
    delete frmexplorador_.data(); // its ranking belongs to the document that was open
    documento_->nuevo();
    textdato_->clear();
    celdaActual(1, 1);
    resultados_.limites = Caja{};
    resultados_.vista = Caja{};
}

// Sí saves first, No discards, Cancelar (also Escape and the box's close button) keeps the
// document and stops the command that asked.
bool frmcurvi::preguntarguardarcambios() {
    const Respuesta respuesta = mensajes().mostrar(
        this,
        tr("Se ha cambiado el archivo %1\n¿Desea guardar los cambios actuales?").arg(titulodoc_),
        QString(), IconoMensaje::Pregunta, BotonesMensaje::SiNoCancelar);
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

frmcurvi::Guardado frmcurvi::guardarfichero() {
    return escribeEn(documento_->ruta());
}

// Checks, asks before overwriting, then writes. Only a written file changes the
// document's name: a refused save leaves name, caption and folders as they were.
frmcurvi::Guardado frmcurvi::escribeEn(const QString& ruta) {
    if (!chequeadatos().completo()) {
        return Guardado::Invalido;
    }
    if (!compruebaunidades()) {
        return Guardado::Invalido;
    }
    if (const auto guardable = documento_->guardable(); !guardable.ok()) {
        avisar(this, guardable.fallo().texto(), QString(), IconoMensaje::Exclamacion);
        enfoca(FocoChequeo::Titulo);
        return Guardado::Invalido;
    }
    if (QFileInfo::exists(ruta)) {
        const Respuesta r =
            mensajes().mostrar(this, tr("¿Desea sobrescribir el archivo %1?").arg(ruta), QString(),
                               IconoMensaje::Pregunta, BotonesMensaje::SiNo);
        if (r != Respuesta::Si) {
            return Guardado::NoSobrescrito;
        }
    }
    if (const auto guardado = documento_->guarda(ruta); !guardado.ok()) {
        avisar(this, guardado.fallo().texto(), QString(), IconoMensaje::Exclamacion);
        return Guardado::Error;
    }
    celdaActual(1, 1);
    return Guardado::Escrito;
}

bool frmcurvi::guardaComo() {
    const QString carpeta = documento_->ruta().isEmpty() ? estado_.dirdatos : carpetaDocumentos_;
    const auto ruta = dialogosFichero().guardar(
        this, tr("Guardar como"), carpeta + nombrePropuesto(documento_->titulo()), filtroDatos());
    if (!ruta) {
        return false;
    }
    QString fichero = *ruta;
    // Only the file's own name decides: folders with a point in their names are common here.
    if (!QFileInfo(fichero).fileName().contains(QLatin1Char('.'))) {
        fichero += QStringLiteral(".qvd");
    }
    // In the data folder, a name the engine would not run is refused before anything is
    // written.
    const auto nombre = nombreDeEjecucion(fichero, estado_.dirdatos);
    if (mismaCarpeta(QFileInfo(fichero).absolutePath(), estado_.dirdatos) && !nombre.ok()) {
        avisar(this, nombre.fallo().texto(), QString(), IconoMensaje::Exclamacion);
        return false;
    }
    if (escribeEn(fichero) != Guardado::Escrito) {
        return false;
    }
    carpetaDocumentos_ = carpetaDeFichero(fichero);
    return true;
}

bool frmcurvi::abrirfichero(std::optional<QString> ruta) {
    if (!ruta) {
        ruta = dialogosFichero().abrir(this, tr("Abrir"), carpetaDocumentos_, filtroDatos());
    }
    if (!ruta) {
        avisar(this, tr("Seleccion cancelada"), QString(), IconoMensaje::Informacion);
        return false;
    }
    if (const auto abierto = documento_->abre(*ruta); !abierto.ok()) {
        avisar(this, abierto.fallo().texto(), QString(), IconoMensaje::Exclamacion);
        return false;
    }
    if (!documento_->avisoDipolo().isEmpty()) {
        avisar(this, documento_->avisoDipolo(), tr("Momento dipolar"), IconoMensaje::Exclamacion);
    }
    carpetaDocumentos_ = carpetaDeFichero(*ruta);
    textdato_->clear();
    celdaActual(1, 1);
    resultados_.limites = Caja{};
    resultados_.vista = Caja{};
    return true;
}

frmdipolo* frmcurvi::dipolo() const {
    return frmdipolo_;
}

void frmcurvi::momentoDipolar() {
    if (!frmdipolo_) {
        auto abierto = frmdipolo::abre(*documento_, carpetaImportacion_, this);
        if (!abierto.ok()) {
            avisar(this, abierto.fallo().texto(), frmdipolo::titulo(), IconoMensaje::Informacion);
            return;
        }
        frmdipolo_ = abierto.valor();
        return;
    }
    frmdipolo_->show();
    frmdipolo_->raise();
    frmdipolo_->activateWindow();
}

} // namespace oscilab
