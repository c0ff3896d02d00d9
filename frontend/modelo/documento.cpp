#include "documento.h"

#include "compartido/textos_numero.h"
#include "modelo/comandos_documento.h"
#include "modelo/fichero_datos.h"
#include "modelo/fichero_dipolo.h"
#include "modelo/lectura_documento.h"
#include "modelo/texto_exacto.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace oscilab {

namespace {

std::size_t indice(int n) {
    return static_cast<std::size_t>(n - 1);
}

// Converts one column of every row. A cell converted before and untouched since gets back
// the exact value it had in the other unit; any other gets the product.
void convierteColumna(std::vector<Fila>& filas, int columna, Conversion conversion) {
    for (Fila& fila : filas) {
        Celda& c = fila[indice(columna)];
        if (!c.valor) {
            continue;
        }
        const double actual = *c.valor;
        c.valor = c.otraUnidad ? *c.otraUnidad : convierteValor(actual, conversion);
        c.otraUnidad = actual;
    }
}

// The bytes of a file that is there, to put back should a save fail half-way.
std::optional<QByteArray> contenidoPrevio(const QString& ruta) {
    QFile fichero(ruta);
    if (!QFileInfo(ruta).isFile() || !fichero.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return fichero.read(tamanoMaximoFichero);
}

void restaura(const QString& ruta, const std::optional<QByteArray>& previo) {
    if (!previo) {
        QFile::remove(ruta);
        return;
    }
    QSaveFile fichero(ruta);
    if (fichero.open(QIODevice::WriteOnly)) {
        fichero.write(*previo);
        fichero.commit();
    }
}

} // namespace

Documento::Documento(QObject* parent) : QObject(parent) {
    connect(&pila_, &QUndoStack::cleanChanged, this,
            [this](bool limpio) { emit modificadoCambiado(!limpio); });
}

// The stack, a member, goes after this body: what it announces then reaches no one.
Documento::~Documento() {
    disconnect(&pila_, nullptr, this, nullptr);
}

std::optional<double> Documento::valor(int fila, int columna) const {
    return datos_.filas[indice(fila)][indice(columna)].valor;
}

QString Documento::textoCelda(int fila, int columna) const {
    const auto v = valor(fila, columna);
    return v ? textoExacto(*v) : QString();
}

int Documento::numeroPuntos() const {
    return static_cast<int>(puntosOrdenados(datos_).size());
}

void Documento::ponCelda(int fila, int columna, std::optional<double> valor) {
    const Celda antes = datos_.filas[indice(fila)][indice(columna)];
    const Celda despues{valor, std::nullopt};
    if (antes.valor == despues.valor) {
        return;
    }
    pila_.push(new ComandoCelda(*this, ComandoCelda::Tabla::Puntos, fila, columna, antes, despues));
}

void Documento::cambia(const DatosDocumento& nuevo, const QString& nombre, int id) {
    if (nuevo == datos_) {
        return;
    }
    pila_.push(new ComandoDocumento(*this, datos_, nuevo, nombre, id));
}

void Documento::ponTitulo(const QString& titulo) {
    DatosDocumento d = datos_;
    d.titulo = titulo;
    cambia(d, tr("cambio de título"), 1);
}

void Documento::ponMasa(int atomo, const QString& masa) {
    DatosDocumento d = datos_;
    d.masas[indice(atomo)] = masa;
    cambia(d, tr("cambio de masa"), 1 + atomo);
}

void Documento::eligeAtomo(int atomo, const QString& masa) {
    DatosDocumento d = datos_;
    d.masas[indice(atomo)] = masa;
    cambia(d, tr("elección de átomo"));
}

void Documento::ponDistancia(Distancia unidad) {
    DatosDocumento d = datos_;
    if (d.distancia != Distancia::SinElegir && unidad != Distancia::SinElegir &&
        unidad != d.distancia) {
        const Conversion c =
            unidad == Distancia::Bohr ? Conversion::AngstromABohr : Conversion::BohrAAngstrom;
        convierteColumna(d.filas, 1, c);
        convierteColumna(d.dipolo.filas, 1, c); // the dipole's R is in the same unit
    }
    d.distancia = unidad;
    cambia(d, tr("cambio de unidades"));
}

void Documento::ponEnergia(Energia unidad) {
    DatosDocumento d = datos_;
    if (d.energia != Energia::SinElegir && unidad != Energia::SinElegir && unidad != d.energia) {
        convierteColumna(d.filas, 2,
                         unidad == Energia::Hartree ? Conversion::EvAHartree
                                                    : Conversion::HartreeAEv);
    }
    d.energia = unidad;
    cambia(d, tr("cambio de unidades"));
}

void Documento::ponPotencias(const TablaPotencias& potencias) {
    DatosDocumento d = datos_;
    d.potencias = potencias;
    cambia(d, tr("cambio de potencias"));
}

void Documento::importa(const std::vector<std::array<double, 2>>& puntos) {
    DatosDocumento d = datos_;
    d.filas.assign(puntosMaximos, Fila{});
    const std::size_t n = std::min(puntos.size(), d.filas.size());
    for (std::size_t i = 0; i < n; ++i) {
        d.filas[i] = {Celda{puntos[i][0], std::nullopt}, Celda{puntos[i][1], std::nullopt}};
    }
    cambia(d, tr("importación"));
}

void Documento::insertaFila(int fila) {
    DatosDocumento d = datos_;
    d.filas.insert(d.filas.begin() + static_cast<std::ptrdiff_t>(indice(fila)), Fila{});
    d.filas.pop_back();
    cambia(d, tr("inserción de una fila"));
}

void Documento::ordena() {
    std::vector<Fila> puntos;
    std::vector<Fila> resto; // rows with one value only
    for (const Fila& f : datos_.filas) {
        if (f[0].valor && f[1].valor) {
            puntos.push_back(f);
        } else if (f[0].valor || f[1].valor) {
            resto.push_back(f);
        }
    }
    std::stable_sort(puntos.begin(), puntos.end(),
                     [](const Fila& a, const Fila& b) { return *a[0].valor < *b[0].valor; });
    DatosDocumento d = datos_;
    d.filas = std::move(puntos);
    d.filas.insert(d.filas.end(), resto.begin(), resto.end());
    d.filas.resize(puntosMaximos);
    cambia(d, tr("ordenación de los puntos"));
}

void Documento::eliminaFila(int fila) {
    DatosDocumento d = datos_;
    d.filas.erase(d.filas.begin() + static_cast<std::ptrdiff_t>(indice(fila)));
    d.filas.push_back(Fila{});
    cambia(d, tr("eliminación de una fila"));
}

std::optional<double> Documento::valorDipolo(int fila, int columna) const {
    return datos_.dipolo.filas[indice(fila)][indice(columna)].valor;
}

QString Documento::textoCeldaDipolo(int fila, int columna) const {
    const auto v = valorDipolo(fila, columna);
    return v ? textoExacto(*v) : QString();
}

int Documento::numeroPuntosDipolo() const {
    return static_cast<int>(puntosOrdenados(datos_.dipolo.filas).size());
}

void Documento::ponCeldaDipolo(int fila, int columna, std::optional<double> valor) {
    if (valor == valorDipolo(fila, columna)) {
        return;
    }
    pila_.push(new ComandoCelda(*this, ComandoCelda::Tabla::Dipolo, fila, columna,
                                datos_.dipolo.filas[indice(fila)][indice(columna)],
                                Celda{valor, std::nullopt}));
}

void Documento::ponUnidadDipolo(UnidadDipolo unidad) {
    if (unidad == datos_.dipolo.unidad) {
        return;
    }
    DatosDocumento d = datos_;
    convierteColumna(d.dipolo.filas, 2,
                     unidad == UnidadDipolo::UA ? Conversion::DebyeAUA : Conversion::UAADebye);
    d.dipolo.unidad = unidad;
    cambia(d, tr("cambio de unidad del momento dipolar"));
}

void Documento::importaDipolo(const std::vector<std::array<double, 2>>& puntos) {
    DatosDocumento d = datos_;
    d.dipolo.filas.assign(puntosMaximosDipolo, Fila{});
    const std::size_t n = std::min(puntos.size(), d.dipolo.filas.size());
    for (std::size_t i = 0; i < n; ++i) {
        d.dipolo.filas[i] = {Celda{puntos[i][0], std::nullopt}, Celda{puntos[i][1], std::nullopt}};
    }
    cambia(d, tr("importación del momento dipolar"));
}

void Documento::nuevo() {
    pila_.clear();
    aplica(documentoNuevo());
    avisoDipolo_.clear();
    dipoloRechazado_.clear();
    ponRuta(QString());
    pila_.setClean();
}

Resultado<void> Documento::abre(const QString& ruta) {
    const QFileInfo info(ruta);
    if (!info.isFile()) {
        return Fallo{tr("%1 no es un archivo normal; no se puede abrir.").arg(ruta)};
    }
    if (info.size() > tamanoMaximoFichero) {
        return Fallo{
            tr("El archivo %1 ocupa más de 1 MB y no es un documento de OSCILAB.").arg(ruta)};
    }
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return Fallo{tr("No se puede leer el archivo %1.").arg(ruta), {}, fichero.errorString()};
    }
    Resultado<DatosDocumento> leido = leeDocumento(fichero.read(tamanoMaximoFichero));
    if (!leido.ok()) {
        return leido.fallo().dentroDe(tr("El archivo %1 no es un documento de OSCILAB.").arg(ruta));
    }
    DatosDocumento datos = std::move(leido).valor();
    const QString rutaDip = rutaDipoloDe(ruta);
    Resultado<DatosDipolo> dipolo = leeDipoloDocumento(rutaDip, datos.distancia);
    avisoDipolo_.clear();
    dipoloRechazado_.clear();
    if (!dipolo.ok()) {
        avisoDipolo_ = tr("No se han cargado los puntos del momento dipolar.\n%1\nEl archivo se "
                          "conserva tal como está; el resto del documento se ha abierto.")
                           .arg(dipolo.fallo().texto());
        dipoloRechazado_ = rutaDip;
    } else {
        datos.dipolo = std::move(dipolo).valor();
    }
    pila_.clear();
    aplica(datos);
    ponRuta(ruta);
    pila_.setClean();
    return {};
}

Resultado<void> Documento::guardable() const {
    if (datos_.titulo.isEmpty()) {
        return Fallo{tr("Debes escribir un título")};
    }
    if (const auto c = caracterFueraDeLatin1(datos_.titulo)) {
        return Fallo{tr("El título contiene el carácter «%1», que el archivo de datos no "
                        "puede guardar. Cámbialo antes de guardar.")
                         .arg(*c)};
    }
    for (int a = 1; a <= 2; ++a) {
        if (!valorCompleto(masa(a))) {
            return Fallo{tr("Debes introducir la masa del átomo %1").arg(a)};
        }
    }
    if (datos_.distancia == Distancia::SinElegir) {
        return Fallo{tr("Debes elegir las unidades para la distancia")};
    }
    if (datos_.energia == Energia::SinElegir) {
        return Fallo{tr("Debes elegir las unidades para la energía")};
    }
    return dipoloGuardable(datos_.dipolo);
}

ContenidoFichero Documento::contenido() const {
    ContenidoFichero c;
    c.titulo = datos_.titulo;
    c.lineaPotencias = sinBlancosIniciales(textoPotencias(datos_.potencias));
    c.masa1 = masa(1);
    c.masa2 = masa(2);
    c.distanciaUA = datos_.distancia == Distancia::Bohr;
    c.energiaUA = datos_.energia == Energia::Hartree;
    for (const auto& [r, v] : puntosOrdenados(datos_)) {
        c.puntos.push_back({textoExacto(r), textoExacto(v)});
    }
    return c;
}

Resultado<void> Documento::guarda(const QString& ruta) {
    if (auto hecho = guardable(); !hecho.ok()) {
        return hecho;
    }
    const std::optional<QByteArray> dipoloPrevio = contenidoPrevio(rutaDipoloDe(ruta));
    if (auto hecho = guardaDipolo(ruta); !hecho.ok()) {
        return hecho;
    }
    if (auto escrito = escribeFicheroDatos(ruta, contenido()); !escrito.ok()) {
        restaura(rutaDipoloDe(ruta), dipoloPrevio);
        return escrito.fallo().dentroDe(tr("Ha ocurrido un error al intentar guardar el fichero ") +
                                        ruta);
    }
    ponRuta(ruta);
    pila_.setClean();
    return {};
}

// The dipole file goes first: when it cannot be written, nothing is; when the document then
// cannot be, guarda puts the old one back.
Resultado<void> Documento::guardaDipolo(const QString& rutaDocumento) const {
    const QString rutaDip = rutaDipoloDe(rutaDocumento);
    if (tienePuntosDipolo(datos_.dipolo)) {
        if (auto escrito = escribeDipoloDocumento(rutaDip, datos_.dipolo, datos_.distancia);
            !escrito.ok()) {
            return escrito.fallo().dentroDe(
                tr("Ha ocurrido un error al intentar guardar el fichero %1").arg(rutaDip));
        }
    } else if (rutaDip != dipoloRechazado_ && QFileInfo::exists(rutaDip)) {
        QFile viejo(rutaDip);
        if (!viejo.remove()) {
            return Fallo{tr("No se puede borrar el fichero de momento dipolar %1, que ya no tiene "
                            "puntos.")
                             .arg(rutaDip),
                         {},
                         viejo.errorString()};
        }
    }
    return {};
}

void Documento::ponRuta(const QString& ruta) {
    if (ruta != ruta_) {
        ruta_ = ruta;
        emit rutaCambiada(ruta_);
    }
}

void Documento::aplica(const DatosDocumento& datos) {
    const DatosDocumento antes = std::exchange(datos_, datos);
    if (antes.titulo != datos_.titulo) {
        emit tituloCambiado(datos_.titulo);
    }
    if (antes.masas != datos_.masas) {
        emit masasCambiadas();
    }
    if (antes.distancia != datos_.distancia || antes.energia != datos_.energia) {
        emit unidadesCambiadas();
    }
    if (antes.potencias != datos_.potencias) {
        emit potenciasCambiadas();
    }
    if (antes.filas != datos_.filas) {
        emit filasCambiadas();
    }
    if (antes.dipolo != datos_.dipolo) {
        emit dipoloCambiado();
    }
}

void Documento::aplicaCeldaDipolo(int fila, int columna, const Celda& celda) {
    datos_.dipolo.filas[indice(fila)][indice(columna)] = celda;
    emit dipoloCambiado();
}

void Documento::aplicaCelda(int fila, int columna, const Celda& celda) {
    datos_.filas[indice(fila)][indice(columna)] = celda;
    emit celdaCambiada(fila, columna);
}

} // namespace oscilab
