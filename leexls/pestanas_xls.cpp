#include "pestanas_xls.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace leexls {

namespace {

constexpr std::uint32_t kFinCadena = 0xFFFFFFFEu;
constexpr std::int64_t kLecturaMaxima = 256 * 1024; // the global records come first
constexpr int kPasosMaximos = 4096;                 // guards against cyclic sector chains

using Bytes = std::string;

std::uint16_t u16(const Bytes& b, std::size_t i) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[i]) |
                                      (static_cast<unsigned char>(b[i + 1]) << 8));
}

std::uint32_t u32(const Bytes& b, std::size_t i) {
    return static_cast<std::uint32_t>(u16(b, i)) |
           (static_cast<std::uint32_t>(u16(b, i + 2)) << 16);
}

// A minimal reader of the compound file container (regular sectors only: workbook
// streams are at least 4096 bytes and therefore never live in the mini stream).
class Compuesto {
public:
    explicit Compuesto(std::istream& f) : f_(f) {}

    bool abre() {
        cabecera_ = lee(0, 512);
        static const char firma[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
        if (cabecera_.size() < 512 || !cabecera_.starts_with(std::string_view(firma, 8))) {
            return false;
        }
        const int desplazamiento = u16(cabecera_, 0x1E);
        if (desplazamiento != 9 && desplazamiento != 12) {
            return false;
        }
        sector_ = 1 << desplazamiento;
        return true;
    }

    // The first bytes (at most `maximo`) of the stream named `nombre` in the root storage.
    std::optional<Bytes> flujo(std::string_view nombre, std::int64_t maximo) {
        const auto entrada = buscaEntrada(nombre);
        if (!entrada) {
            return std::nullopt;
        }
        const auto [inicio, tamano] = *entrada;
        if (tamano < u32(cabecera_, 0x38)) {
            return std::nullopt; // mini stream: not a workbook written by a spreadsheet
        }
        const std::int64_t aLeer = std::min<std::int64_t>(tamano, maximo);
        auto datos = leeCadena(inicio, aLeer);
        if (!datos || static_cast<std::int64_t>(datos->size()) < aLeer) {
            return std::nullopt;
        }
        return datos;
    }

private:
    // Up to `cuantos` bytes from `desde`; fewer at the end of the file.
    Bytes lee(std::int64_t desde, std::size_t cuantos) {
        f_.clear();
        Bytes b(cuantos, '\0');
        if (!f_.seekg(desde)) {
            return {};
        }
        f_.read(b.data(), static_cast<std::streamsize>(cuantos));
        b.resize(static_cast<std::size_t>(f_.gcount()));
        return b;
    }

    std::optional<Bytes> leeSector(std::uint32_t s) {
        Bytes b = lee((static_cast<std::int64_t>(s) + 1) * sector_, sector_);
        if (b.size() != sector_) {
            return std::nullopt;
        }
        return b;
    }

    std::optional<std::uint32_t> siguiente(std::uint32_t s) {
        const std::uint32_t porSector = static_cast<std::uint32_t>(sector_ / 4);
        const std::uint32_t indiceFat = s / porSector;
        if (indiceFat >= 109 || indiceFat >= u32(cabecera_, 0x2C)) {
            return std::nullopt; // beyond the header's FAT list: not a small workbook
        }
        const auto fat = leeSector(u32(cabecera_, 0x4C + 4 * indiceFat));
        if (!fat) {
            return std::nullopt;
        }
        return u32(*fat, 4 * (s % porSector));
    }

    // Follows a sector chain until it ends or `tamano` bytes are read.
    std::optional<Bytes> leeCadena(std::uint32_t s, std::int64_t tamano) {
        Bytes datos;
        for (int pasos = 0; static_cast<std::int64_t>(datos.size()) < tamano && s != kFinCadena;
             ++pasos) {
            if (pasos > kPasosMaximos) {
                return std::nullopt;
            }
            const auto b = leeSector(s);
            const auto sig = siguiente(s);
            if (!b || !sig) {
                return std::nullopt;
            }
            datos.append(*b);
            s = *sig;
        }
        datos.resize(std::min<std::size_t>(datos.size(), static_cast<std::size_t>(tamano)));
        return datos;
    }

    std::optional<std::pair<std::uint32_t, std::int64_t>> buscaEntrada(std::string_view nombre) {
        const auto directorio = leeCadena(u32(cabecera_, 0x30), 64 * 128);
        if (!directorio) {
            return std::nullopt;
        }
        for (std::size_t e = 0; e + 128 <= directorio->size(); e += 128) {
            const int largo = u16(*directorio, e + 0x40);
            const int tipo = static_cast<unsigned char>((*directorio)[e + 0x42]);
            if (tipo != 2 || largo < 2 || largo > 64) {
                continue;
            }
            if (mismoNombre(*directorio, e, largo / 2 - 1, nombre)) {
                return std::pair{u32(*directorio, e + 0x74),
                                 std::int64_t(u32(*directorio, e + 0x78))};
            }
        }
        return std::nullopt;
    }

    // The entry's UTF-16 name against an ASCII name, letter case ignored.
    static bool mismoNombre(const Bytes& directorio, std::size_t e, int caracteres,
                            std::string_view nombre) {
        if (caracteres != static_cast<int>(nombre.size())) {
            return false;
        }
        for (std::size_t k = 0; k < nombre.size(); ++k) {
            const std::uint16_t c = u16(directorio, e + 2 * k);
            const auto minuscula = [](std::uint16_t x) {
                return x >= 'A' && x <= 'Z' ? static_cast<std::uint16_t>(x + 32) : x;
            };
            if (minuscula(c) != minuscula(static_cast<unsigned char>(nombre[k]))) {
                return false;
            }
        }
        return true;
    }

    std::istream& f_;
    Bytes cabecera_;
    std::size_t sector_ = 512;
};

std::optional<PestanasLibro> leeRegistrosGlobales(const Bytes& flujo) {
    constexpr std::uint16_t kBof = 0x0809, kEof = 0x000A, kWindow1 = 0x003D, kHoja = 0x0085;
    PestanasLibro pestanas;
    bool activaLeida = false;
    std::size_t i = 0;
    bool primero = true;
    while (i + 4 <= flujo.size()) {
        const std::uint16_t tipo = u16(flujo, i);
        const std::uint16_t largo = u16(flujo, i + 2);
        const std::size_t datos = i + 4;
        if (datos + largo > flujo.size() || (primero && tipo != kBof)) {
            break;
        }
        primero = false;
        if (tipo == kWindow1 && largo >= 12 && !activaLeida) {
            pestanas.pestanaActiva = u16(flujo, datos + 10);
            activaLeida = true;
        } else if (tipo == kHoja && largo >= 6) {
            pestanas.esHojaCalculo.push_back(static_cast<unsigned char>(flujo[datos + 5]) == 0);
        } else if (tipo == kEof) {
            break;
        }
        i = datos + largo;
    }
    if (!activaLeida || pestanas.esHojaCalculo.empty()) {
        return std::nullopt;
    }
    return pestanas;
}

} // namespace

std::optional<PestanasLibro> leePestanasXls(std::istream& libro) {
    Compuesto compuesto(libro);
    if (!compuesto.abre()) {
        return std::nullopt;
    }
    auto flujo = compuesto.flujo("Workbook", kLecturaMaxima);
    if (!flujo) {
        flujo = compuesto.flujo("Book", kLecturaMaxima);
    }
    if (!flujo) {
        return std::nullopt;
    }
    return leeRegistrosGlobales(*flujo);
}

std::optional<int> hojaActivaEntreHojas(const PestanasLibro& pestanas, int hojasFreexl) {
    const int total = static_cast<int>(pestanas.esHojaCalculo.size());
    const int activa = pestanas.pestanaActiva;
    if (activa < 0 || activa >= total) {
        return std::nullopt;
    }
    if (hojasFreexl == total) {
        return activa;
    }
    int hojas = 0;
    for (bool h : pestanas.esHojaCalculo) {
        hojas += h ? 1 : 0;
    }
    if (hojasFreexl != hojas || !pestanas.esHojaCalculo[static_cast<std::size_t>(activa)]) {
        return std::nullopt;
    }
    int indice = 0;
    for (int t = 0; t < activa; ++t) {
        indice += pestanas.esHojaCalculo[static_cast<std::size_t>(t)] ? 1 : 0;
    }
    return indice;
}

} // namespace leexls
