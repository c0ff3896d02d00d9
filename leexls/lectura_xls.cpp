#include "lectura_xls.h"

#include "pestanas_xls.h"

#include <freexl.h>

#include <fstream>
#include <optional>

namespace leexls {

namespace {

// Owns a FreeXL handle, which must be closed even when opening failed.
class LibroXls {
public:
    explicit LibroXls(const std::string& ruta) {
        abierto_ = freexl_open(ruta.c_str(), &manejador_) == FREEXL_OK;
    }
    ~LibroXls() {
        if (manejador_ != nullptr) {
            freexl_close(manejador_);
        }
    }
    LibroXls(const LibroXls&) = delete;
    LibroXls& operator=(const LibroXls&) = delete;

    bool abierto() const { return abierto_; }
    const void* manejador() const { return manejador_; }

private:
    const void* manejador_ = nullptr;
    bool abierto_ = false;
};

// Password-protected workbooks cannot be read.
bool estaCifrado(const void* libro) {
    unsigned int cifrado = 0;
    return freexl_get_info(libro, FREEXL_BIFF_PASSWORD, &cifrado) != FREEXL_OK ||
           cifrado == FREEXL_BIFF_OBFUSCATED;
}

int numeroDeHojas(const void* libro) {
    unsigned int hojas = 0;
    if (freexl_get_info(libro, FREEXL_BIFF_SHEET_COUNT, &hojas) != FREEXL_OK) {
        return 0;
    }
    return static_cast<int>(hojas);
}

// The worksheet FreeXL is to read: the active one, else the first.
int hojaALeer(const std::string& ruta, int hojas) {
    std::ifstream fichero(ruta, std::ios::binary);
    if (const auto pestanas = leePestanasXls(fichero)) {
        return hojaActivaEntreHojas(*pestanas, hojas).value_or(0);
    }
    return 0;
}

bool leeValor(const void* libro, unsigned int fila, unsigned short columna, CeldaLibro& celda) {
    FreeXL_CellValue valor;
    if (freexl_get_cell_value(libro, fila, columna, &valor) != FREEXL_OK) {
        return false;
    }
    switch (valor.type) {
    case FREEXL_CELL_NULL:
        celda.tipo = TipoCelda::Vacia;
        return true;
    case FREEXL_CELL_INT:
        celda.tipo = TipoCelda::Entero;
        celda.entero = valor.value.int_value;
        return true;
    case FREEXL_CELL_DOUBLE:
        celda.tipo = TipoCelda::Real;
        celda.real = valor.value.double_value;
        return true;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        celda.tipo = TipoCelda::Texto;
        celda.texto = valor.value.text_value != nullptr ? valor.value.text_value : "";
        return true;
    default:
        return false;
    }
}

} // namespace

LecturaLibro leeLibroXls(const std::string& ruta) {
    LecturaLibro lectura;
    LibroXls libro(ruta);
    if (!libro.abierto()) {
        return lectura;
    }
    const int hojas = numeroDeHojas(libro.manejador());
    if (hojas <= 0 || estaCifrado(libro.manejador())) {
        return lectura;
    }
    const int hoja = hojaALeer(ruta, hojas);
    unsigned int filas = 0;
    unsigned short columnas = 0;
    if (freexl_select_active_worksheet(libro.manejador(), static_cast<unsigned short>(hoja)) !=
            FREEXL_OK ||
        freexl_worksheet_dimensions(libro.manejador(), &filas, &columnas) != FREEXL_OK) {
        return lectura;
    }
    for (int r = 1; r <= FILAS_LEIDAS; ++r) {
        for (int c = 1; c <= COLUMNAS_LEIDAS; ++c) {
            CeldaLibro celda;
            celda.fila = r;
            celda.columna = c;
            const auto f = static_cast<unsigned int>(r - 1);
            const auto k = static_cast<unsigned short>(c - 1);
            if (f < filas && k < columnas && !leeValor(libro.manejador(), f, k, celda)) {
                return lectura;
            }
            lectura.celdas.push_back(std::move(celda));
        }
    }
    lectura.completa = true;
    return lectura;
}

} // namespace leexls
