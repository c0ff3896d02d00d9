// Reading the parts of a zipped workbook (.xlsx, .ods) with libzip, bounded so that a
// damaged or hostile archive (a zip bomb, a huge directory, an encrypted or truncated part)
// ends in a failure after a bounded amount of work and memory.
#pragma once

#include <QIODevice>
#include <QString>

#include <limits>
#include <memory>

struct zip;
struct zip_file;

namespace oscilab {

class ArchivoZip {
public:
    // Opens the archive at `ruta`; abierto() tells whether it could be read as one.
    explicit ArchivoZip(const QString& ruta);
    ~ArchivoZip();
    ArchivoZip(const ArchivoZip&) = delete;
    ArchivoZip& operator=(const ArchivoZip&) = delete;

    bool abierto() const { return zip_ != nullptr; }
    bool contiene(const QString& nombre) const;

    // The part `nombre`, as a sequential device that gives at most `maximo` uncompressed
    // bytes and then fails (error() tells it). nullptr when the part is missing or cannot
    // be opened.
    std::unique_ptr<QIODevice> abreParte(const QString& nombre, qint64 maximo) const;

    // Lowers every part's bound to `tope` (for the fuzz targets, where a bomb that fills
    // the readers' own bounds costs seconds of XML per input and starves the rest).
    static void acotaPartes(qint64 tope) { tope_ = tope; }

private:
    zip* zip_ = nullptr;
    inline static qint64 tope_ = std::numeric_limits<qint64>::max();
};

// The device of one part. A read past the bound or a decompression error sets `error`.
class ParteZip : public QIODevice {
public:
    ParteZip(zip_file* fichero, qint64 maximo);
    ~ParteZip() override;
    bool isSequential() const override { return true; }
    bool fallida() const { return fallida_; }

protected:
    qint64 readData(char* datos, qint64 tamano) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file* fichero_;
    qint64 restantes_;
    bool fallida_ = false;
    bool terminada_ = false;
};

} // namespace oscilab
