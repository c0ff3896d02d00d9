#include "document/arrastre.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace oscilab {

std::optional<ClaseArrastre> claseArrastre(const QString& ruta) {
    const QString ext = QFileInfo(ruta).suffix().toLower();
    if (ext == QLatin1String("qvd")) {
        return ClaseArrastre::Documento;
    }
    if (ext == QLatin1String("txt") || ext == QLatin1String("csv")) {
        return ClaseArrastre::ImportacionTexto;
    }
    if (ext == QLatin1String("xls") || ext == QLatin1String("xlsx") ||
        ext == QLatin1String("ods")) {
        return ClaseArrastre::ImportacionHoja;
    }
    return std::nullopt;
}

std::optional<QString> ficheroArrastrado(const QMimeData& datos) {
    if (!datos.hasUrls()) {
        return std::nullopt;
    }
    const QList<QUrl> urls = datos.urls();
    // One document at a time: a drop of several files is refused as a whole.
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return std::nullopt;
    }
    const QString ruta = urls.front().toLocalFile();
    if (!claseArrastre(ruta)) {
        return std::nullopt;
    }
    return ruta;
}

} // namespace oscilab
