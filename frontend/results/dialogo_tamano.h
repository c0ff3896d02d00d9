// The small dialog of the PNG export: width and height of the picture in pixels.
#pragma once

#include <QSize>
#include <optional>

class QWidget;

namespace oscilab {

// Asks for the picture's size, starting from `inicial`; nullopt when cancelled.
std::optional<QSize> pideTamanoImagen(QWidget* padre, QSize inicial);

} // namespace oscilab
