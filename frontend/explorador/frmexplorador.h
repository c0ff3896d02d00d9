// The fit explorer window: candidate power sets for the current table's points, ranked in
// a worker thread by how well they predict points they were not fitted to. Choosing a row
// and "Usar estas potencias" hands its powers to the document.
#pragma once

#include "explorador/explorador_logica.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

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
    bool ocupado() const { return hilo_.joinable() && !terminado_; }

    QTableWidget* tabla() const { return tabla_; }

signals:
    // "Usar estas potencias": the chosen flags, by power.
    void potenciasElegidas(const curvifit::TablaPotencias& potencias);
    // The ranking is shown (or could not be made).
    void exploracionTerminada();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void detiene();
    void recibe(int generacion, std::vector<curvifit::EvaluacionCandidato> ranking);
    void progresa(int generacion, int hechos, int total);
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

    std::thread hilo_;
    std::shared_ptr<std::atomic<bool>> cancelar_;
    bool terminado_ = true;
    int generacion_ = 0;

    std::optional<curvifit::DatosEntrada> datos_;
    std::vector<FilaExplorador> filas_;
    std::vector<int> visibles_;
};

} // namespace oscilab
