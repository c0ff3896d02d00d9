// The fit explorer window: candidate power sets for the current table's points, ranked in
// Qt's thread pool by how well they predict points they were not fitted to. Choosing a row
// and "Usar estas potencias" hands its powers to the document.
#pragma once

#include "explorador/explorador_logica.h"

#include <QFutureWatcher>
#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace oscilab {

class GraficoPress;

class frmexplorador : public QWidget {
    Q_OBJECT
public:
    explicit frmexplorador(QWidget* parent = nullptr);
    ~frmexplorador() override;

    // Ranks the document's points; a ranking still running is abandoned first.
    void explora(const DocumentoExplorado& documento);
    bool ocupado() const { return vigilante_ != nullptr; }

    QTableWidget* tabla() const { return tabla_; }

signals:
    // "Usar estas potencias": the chosen flags, by power.
    void potenciasElegidas(const curvifit::TablaPotencias& potencias);
    // The ranking is shown (or could not be made).
    void exploracionTerminada();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    using Clasificacion = std::vector<curvifit::EvaluacionCandidato>;

    // Cancels the ranking under way, waits for it and drops whatever it still reports.
    void detiene();
    void recibe(const Clasificacion& ranking);
    void llenaTabla();
    void seleccionCambiada();
    void usar();
    int filaElegida() const; // index into filas_, -1 when none

    QLabel* estado_ = nullptr;
    QLabel* modelo_ = nullptr;      // the model uncertainty of the constants
    QLabel* pocosPuntos_ = nullptr; // why so few points rank poorly
    QTableWidget* tabla_ = nullptr;
    GraficoPress* grafico_ = nullptr;
    QCheckBox* soloContiguos_ = nullptr;
    QPushButton* usar_ = nullptr;
    QProgressBar* progreso_ = nullptr;
    QTimer* retrasoProgreso_ = nullptr;

    // The ranking under way, null when none: only its own watcher's signals are heard.
    QFutureWatcher<Clasificacion>* vigilante_ = nullptr;

    std::optional<curvifit::DatosEntrada> datos_;
    std::vector<FilaExplorador> filas_;
    std::vector<int> visibles_;
};

} // namespace oscilab
