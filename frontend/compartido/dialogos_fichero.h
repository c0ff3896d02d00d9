// The common open and save dialogs, behind a seam so that tests can choose files or cancel.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace oscilab {

class DialogosFichero {
public:
    virtual ~DialogosFichero() = default;
    // std::nullopt when the user cancels. `filtro` uses Qt's "Nombre (*.ext);;..." form;
    // `inicial` is a folder, or a folder plus a proposed file name for saving.
    virtual std::optional<QString> abrir(QWidget* padre, const QString& titulo,
                                         const QString& inicial, const QString& filtro) = 0;
    virtual std::optional<QString> guardar(QWidget* padre, const QString& titulo,
                                           const QString& inicial, const QString& filtro) = 0;
};

class DialogosFicheroQt : public DialogosFichero {
public:
    std::optional<QString> abrir(QWidget* padre, const QString& titulo, const QString& inicial,
                                 const QString& filtro) override;
    std::optional<QString> guardar(QWidget* padre, const QString& titulo, const QString& inicial,
                                   const QString& filtro) override;
};

// `nombre` with the first extension of the chosen `filtro` ("Documento PDF (*.pdf)" gives
// ".pdf") added when the name has none, so that a name typed bare gets the chosen format.
QString conExtensionDelFiltro(const QString& nombre, const QString& filtro);

DialogosFichero& dialogosFichero();
void instalarDialogosFichero(DialogosFichero* d);

} // namespace oscilab
