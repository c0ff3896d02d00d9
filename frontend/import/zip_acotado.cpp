#include "import/zip_acotado.h"

#include <QFile>
#include <QFileInfo>
#include <zip.h>

namespace oscilab {

namespace {
// A workbook holding a table of points is a few kilobytes; these bounds leave room for
// large workbooks while keeping libzip's directory in memory small.
constexpr qint64 kTamanoMaximoArchivo = 64LL * 1024 * 1024;
constexpr zip_int64_t kEntradasMaximas = 4096;
} // namespace

ArchivoZip::ArchivoZip(const QString& ruta) {
    const QFileInfo info(ruta);
    if (!info.isFile() || info.size() > kTamanoMaximoArchivo) {
        return;
    }
    int error = 0;
    zip_ = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (zip_ != nullptr && zip_get_num_entries(zip_, 0) > kEntradasMaximas) {
        zip_discard(zip_);
        zip_ = nullptr;
    }
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
    auto parte = std::make_unique<ParteZip>(fichero, maximo);
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
        setErrorString(QStringLiteral("parte dañada o demasiado grande"));
        return -1;
    }
    if (leidos == 0) {
        terminada_ = true;
    }
    restantes_ -= leidos;
    return leidos;
}

} // namespace oscilab
