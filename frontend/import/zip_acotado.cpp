#include "import/zip_acotado.h"

#include <QCoreApplication>
#include <QFile>
#include <zip.h>

#include <algorithm>

namespace oscilab {

namespace {

// A workbook holding a table of points is a few kilobytes; these bounds leave room for
// large workbooks while keeping libzip's work on the directory small.
constexpr qint64 kTamanoMaximoArchivo = 64LL * 1024 * 1024;
constexpr quint32 kEntradasMaximas = 4096;
constexpr quint32 kDirectorioMaximo = 1024 * 1024;

quint32 enteroLittleEndian(const char* p, int bytes) {
    quint32 valor = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        valor = (valor << 8) | static_cast<unsigned char>(p[i]);
    }
    return valor;
}

// libzip reads the whole central directory on opening, in time and memory that grow with
// the entry count the file claims. Every end-of-directory record in the file's tail (the
// one libzip picks among them included) must claim a small directory.
bool directorioAcotado(QFile& fichero) {
    constexpr qint64 kRegistro = 22;
    constexpr qint64 kCola = kRegistro + 65535; // the record plus its longest comment
    const qint64 desde = std::max<qint64>(0, fichero.size() - kCola);
    if (!fichero.seek(desde)) {
        return false;
    }
    const QByteArray cola = fichero.read(kCola);
    bool hallado = false;
    for (qsizetype i = cola.indexOf("PK\x05\x06"); i >= 0 && i + kRegistro <= cola.size();
         i = cola.indexOf("PK\x05\x06", i + 1)) {
        hallado = true;
        const char* registro = cola.constData() + i;
        if (enteroLittleEndian(registro + 10, 2) > kEntradasMaximas ||
            enteroLittleEndian(registro + 12, 4) > kDirectorioMaximo) {
            return false;
        }
    }
    return hallado;
}

} // namespace

ArchivoZip::ArchivoZip(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly) || fichero.size() > kTamanoMaximoArchivo ||
        !directorioAcotado(fichero)) {
        return;
    }
    fichero.close();
    int error = 0;
    zip_ = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
}

ArchivoZip::~ArchivoZip() {
    if (zip_ != nullptr) {
        zip_discard(zip_); // read only: nothing to write back
    }
}

bool ArchivoZip::contiene(const QString& nombre) const {
    return zip_ != nullptr && zip_name_locate(zip_, nombre.toUtf8().constData(), 0) >= 0;
}

std::unique_ptr<QIODevice> ArchivoZip::abreParte(const QString& nombre, qint64 maximo) const {
    if (zip_ == nullptr) {
        return nullptr;
    }
    const zip_int64_t indice = zip_name_locate(zip_, nombre.toUtf8().constData(), 0);
    if (indice < 0) {
        return nullptr;
    }
    zip_file* fichero = zip_fopen_index(zip_, static_cast<zip_uint64_t>(indice), 0);
    if (fichero == nullptr) {
        return nullptr;
    }
    auto parte = std::make_unique<ParteZip>(fichero, std::min(maximo, tope_));
    parte->open(QIODevice::ReadOnly);
    return parte;
}

ParteZip::ParteZip(zip_file* fichero, qint64 maximo) : fichero_(fichero), restantes_(maximo) {}

ParteZip::~ParteZip() {
    zip_fclose(fichero_);
}

qint64 ParteZip::readData(char* datos, qint64 tamano) {
    if (fallida_ || terminada_ || tamano <= 0) {
        return fallida_ ? -1 : 0;
    }
    // One byte beyond the bound is asked for, to tell a part that fills it exactly from a
    // longer one.
    const qint64 pedido = std::min(tamano, restantes_ + 1);
    const zip_int64_t leidos = zip_fread(fichero_, datos, static_cast<zip_uint64_t>(pedido));
    if (leidos < 0 || leidos > restantes_) {
        fallida_ = true;
        setErrorString(
            QCoreApplication::translate("zip_acotado", "parte dañada o demasiado grande"));
        return -1;
    }
    if (leidos == 0) {
        terminada_ = true;
    }
    restantes_ -= leidos;
    return leidos;
}

} // namespace oscilab
