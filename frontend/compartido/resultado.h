// The one error style of the front end, as the engine has its one typed error: a function that
// can fail returns a Resultado, holding either its value or a Fallo that says in Spanish what
// could not be done and why, with the system's own text kept as it came. Plain code never shows
// a message; only window slots show a Fallo's texto(), through the message seam (mensajes.h).
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace oscilab {

struct Fallo {
    Fallo() = default;
    // Explicit, so that no stray text becomes a failure on its way out of a function.
    explicit Fallo(QString mensaje_, QString causa_ = {}, QString sistema_ = {})
        : mensaje(std::move(mensaje_)), causa(std::move(causa_)), sistema(std::move(sistema_)) {}

    QString mensaje; // what could not be done: "No se puede leer el archivo x.qvd."
    QString causa;   // why, when it is known: "Línea 2: ..."
    QString sistema; // the system's own words (QFile::errorString()), untranslated

    // mensaje, causa and sistema, one a line, the empty ones left out.
    QString texto() const;

    // This failure told as the failure of a larger task: `mensajeMayor` goes first and what
    // this one said becomes the cause; the system's text is kept.
    Fallo dentroDe(const QString& mensajeMayor) const;

    friend bool operator==(const Fallo&, const Fallo&) = default;
};

// Given by fallo() when there is none, so that a test may print it either way.
const Fallo& falloVacio();

// A value of type T or the Fallo that stopped it. There is no conversion to bool on purpose:
// `if (resultado)` could be read either way; ok() says which.
template <class T> class [[nodiscard]] Resultado {
public:
    Resultado(T valor) : contenido_(std::move(valor)) {}
    Resultado(Fallo fallo) : contenido_(std::move(fallo)) {}

    bool ok() const { return std::holds_alternative<T>(contenido_); }
    const T& valor() const& { return std::get<T>(contenido_); }
    T& valor() & { return std::get<T>(contenido_); }
    T&& valor() && { return std::get<T>(std::move(contenido_)); }
    const Fallo& fallo() const {
        const Fallo* f = std::get_if<Fallo>(&contenido_);
        return f ? *f : falloVacio();
    }

private:
    std::variant<T, Fallo> contenido_;
};

// An operation without a value: done, or the Fallo that stopped it.
template <> class [[nodiscard]] Resultado<void> {
public:
    Resultado() = default; // done
    Resultado(Fallo fallo) : fallo_(std::move(fallo)) {}

    bool ok() const { return !fallo_.has_value(); }
    const Fallo& fallo() const { return fallo_ ? *fallo_ : falloVacio(); }

private:
    std::optional<Fallo> fallo_;
};

} // namespace oscilab
