#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kelvara {

// The main window's pictures, painted in code.

// The input strip's background: a soft celadon band with a faint cloud scroll.
QPixmap InputStripBackground(QSize size);
// What the centre shows before the first reading: a taiji over the eight
// trigrams and the program's name.
QPixmap DocumentBackground(QSize size);
// The heading of a left-column section.
QPixmap SectionHeading(const QString& title, QSize size);
// The round seal of a picture button, with one character on it.
QIcon PictureButtonIcon(const QString& glyph);
// The application icon: a taiji.
QIcon ApplicationIcon();

}  // namespace kelvara
