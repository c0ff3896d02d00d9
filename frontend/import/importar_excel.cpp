#include "import/importar_excel.h"

#include "compartido/dimensiones.h"
#include "compartido/textos_numero.h"
#include "import/hoja_activa_xls.h"
#include "import/lectura_aislada.h"

#include <QFile>
#include <freexl.h>

#include <array>
#include <charconv>

namespace oscilab {

namespace {

// A workbook of 50 rows reads in milliseconds; far longer means the parser is stuck.
constexpr std::chrono::milliseconds kLecturaMaxima{20000};

// Owns a FreeXL handle, which must be closed even when opening failed.
class LibroXls {
public:
    explicit LibroXls(const QString& ruta) {
        abierto_ = freexl_open(QFile::encodeName(ruta).constData(), &manejador_) == FREEXL_OK;
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

std::optional<QString> textoCelda(const void* libro, unsigned int fila, unsigned short columna) {
    FreeXL_CellValue valor;
    if (freexl_get_cell_value(libro, fila, columna, &valor) != FREEXL_OK) {
        return std::nullopt;
    }
    switch (valor.type) {
    case FREEXL_CELL_NULL:
        return QString();
    case FREEXL_CELL_INT:
        return QString::number(valor.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return textoGeneral(valor.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return valor.value.text_value != nullptr ? QString::fromUtf8(valor.value.text_value)
                                                 : QString();
    default:
        return std::nullopt;
    }
}

ResultadoImportacion leeLibro(const QString& ruta) {
    ResultadoImportacion resultado;
    resultado.fallo = true;
    LibroXls libro(ruta);
    if (!libro.abierto()) {
        return resultado;
    }
    const int hojas = numeroDeHojas(libro.manejador());
    if (hojas <= 0 || estaCifrado(libro.manejador())) {
        return resultado;
    }
    int hoja = 0; // the first sheet where the workbook records no active one
    if (const auto pestanas = leePestanasXls(ruta)) {
        hoja = hojaActivaEntreHojas(*pestanas, hojas).value_or(0);
    }
    unsigned int filas = 0;
    unsigned short columnas = 0;
    if (freexl_select_active_worksheet(libro.manejador(), static_cast<unsigned short>(hoja)) !=
            FREEXL_OK ||
        freexl_worksheet_dimensions(libro.manejador(), &filas, &columnas) != FREEXL_OK) {
        return resultado;
    }
    for (int r = 1; r <= filasTabla; ++r) {
        for (int c = 1; c <= 2; ++c) {
            const unsigned int f = static_cast<unsigned int>(r - 1);
            const auto k = static_cast<unsigned short>(c - 1);
            std::optional<QString> texto = QString();
            if (f < filas && k < columnas) {
                texto = textoCelda(libro.manejador(), f, k);
            }
            if (!texto) {
                return resultado;
            }
            resultado.celdas.push_back({r, c, *texto});
        }
    }
    resultado.fallo = false;
    return resultado;
}

} // namespace

ResultadoImportacion importarexcel(const QString& ruta) {
    // FreeXL trusts the file's structure: a damaged workbook can crash it, so it reads the
    // file once in a child process before the real reading here.
    if (!lecturaTerminaSinRomperse([&ruta] { (void)leeLibro(ruta); }, kLecturaMaxima)) {
        ResultadoImportacion fallida;
        fallida.fallo = true;
        return fallida;
    }
    return leeLibro(ruta);
}

} // namespace oscilab
