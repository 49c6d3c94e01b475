#pragma once

#include <QPixmap>
#include <QString>

// The program's own pictures, drawn in code so that no artwork file is needed.
namespace Pictures {
QPixmap logo(int size);
QPixmap helpIcon(int size);
// A picture button face: normal or highlighted, with its caption.
QPixmap buttonFace(const QString& caption, QSize size, bool highlighted, const QColor& base);
// A soft background for the about window.
QPixmap aboutBackground(QSize size);
// The page frame of the single-subject sheet.
QPixmap pageFrame(QSize size);
} // namespace Pictures
