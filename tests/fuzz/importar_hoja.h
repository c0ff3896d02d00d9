// One spreadsheet reader on any bytes, handed to it as a file: what it
// reads must fit the table (rows 1..puntosMaximos, columns 1 and 2), and a failure must say
// why. Shared by the .csv, .xlsx and .ods targets.
#pragma once

#include "compartido/dimensiones.h"
#include "import/celdas_importadas.h"
#include "import/zip_acotado.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace oscilab::fuzz {

// The zip readers' parts are cut at this many bytes here: room for a sheet of 2000 rows or
// a 64 KiB cell text, while a bomb's XML costs the fuzzer milliseconds, not seconds.
inline constexpr qint64 kTopeParteFuzz = 128 * 1024;

// One file in memory per process, rewritten for each input and read through its
// /proc/self/fd path: a temporary file on disk per input cost more (in creation, removal
// and the file system's flushes) than reading most inputs.
class FicheroDeEntrada {
public:
    FicheroDeEntrada() : fd_(memfd_create("fuzz_hoja", 0)) {
        if (fd_ < 0) {
            __builtin_trap();
        }
    }
    ~FicheroDeEntrada() { close(fd_); }
    FicheroDeEntrada(const FicheroDeEntrada&) = delete;
    FicheroDeEntrada& operator=(const FicheroDeEntrada&) = delete;

    QString escribe(const std::uint8_t* datos, std::size_t tamano) const {
        if (ftruncate(fd_, 0) != 0 ||
            pwrite(fd_, datos, tamano, 0) != static_cast<ssize_t>(tamano)) {
            __builtin_trap();
        }
        return QStringLiteral("/proc/self/fd/%1").arg(fd_);
    }

private:
    int fd_;
};

template <typename Lector>
int importaHoja(const std::uint8_t* datos, std::size_t tamano, Lector lector) {
    ArchivoZip::acotaPartes(kTopeParteFuzz);
    static const FicheroDeEntrada fichero;
    const ResultadoImportacion r = lector(fichero.escribe(datos, tamano));
    if (!r.ok()) {
        if (r.fallo().causa.isEmpty()) {
            __builtin_trap();
        }
        return 0;
    }
    for (const CeldaImportada& celda : r.valor().celdas) {
        if (celda.fila < 1 || celda.fila > puntosMaximos || celda.columna < 1 ||
            celda.columna > 2) {
            __builtin_trap();
        }
    }
    return 0;
}

} // namespace oscilab::fuzz
