// Scripted stand-ins for the message and file-dialog seams. Each installs itself on
// construction and restores the default on destruction.
#pragma once

#include "compartido/dialogos_fichero.h"
#include "compartido/mensajes.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace oscilab::prueba {

struct MensajeMostrado {
    QString texto;
    QString titulo;
    IconoMensaje icono;
    BotonesMensaje botones;
};

class MensajesGuionizados : public Mensajes {
public:
    MensajesGuionizados() { instalarMensajes(this); }
    ~MensajesGuionizados() override { instalarMensajes(nullptr); }

    // Answers for the next questions, in order; a question without a scripted answer
    // gets "No" (Yes/No) or "Cancelar" (Yes/No/Cancel); a notice gets "Aceptar".
    void responder(Respuesta r) { respuestas_.push_back(r); }

    Respuesta mostrar(QWidget*, const QString& texto, const QString& titulo, IconoMensaje icono,
                      BotonesMensaje botones) override {
        mostrados.push_back({texto, titulo, icono, botones});
        if (botones == BotonesMensaje::Aceptar) {
            return Respuesta::Aceptar;
        }
        if (!respuestas_.empty()) {
            const Respuesta r = respuestas_.front();
            respuestas_.pop_front();
            return r;
        }
        return botones == BotonesMensaje::SiNo ? Respuesta::No : Respuesta::Cancelar;
    }

    QStringList textos() const {
        QStringList t;
        for (const auto& m : mostrados) {
            t << m.texto;
        }
        return t;
    }

    std::vector<MensajeMostrado> mostrados;

private:
    std::deque<Respuesta> respuestas_;
};

class DialogosGuionizados : public DialogosFichero {
public:
    DialogosGuionizados() { instalarDialogosFichero(this); }
    ~DialogosGuionizados() override { instalarDialogosFichero(nullptr); }

    // The next dialog returns this path; std::nullopt means the user cancels.
    void elegir(std::optional<QString> ruta) { elecciones_.push_back(std::move(ruta)); }

    std::optional<QString> abrir(QWidget*, const QString&, const QString& inicial,
                                 const QString& filtro) override {
        return siguiente(inicial, filtro);
    }
    std::optional<QString> guardar(QWidget*, const QString&, const QString& inicial,
                                   const QString& filtro) override {
        return siguiente(inicial, filtro);
    }

    QStringList iniciales; // what each dialog was offered
    QStringList filtros;

private:
    std::optional<QString> siguiente(const QString& inicial, const QString& filtro) {
        iniciales << inicial;
        filtros << filtro;
        if (elecciones_.empty()) {
            return std::nullopt;
        }
        // Copied as a plain QString: GCC misreads a copied optional<QString> as uninitialised.
        const bool elegida = elecciones_.front().has_value();
        const QString ruta = elegida ? *elecciones_.front() : QString();
        elecciones_.pop_front();
        if (!elegida) {
            return std::nullopt;
        }
        return ruta;
    }
    std::deque<std::optional<QString>> elecciones_;
};

} // namespace oscilab::prueba
