#include "app/main_window_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace kelvara {
namespace {

const QColor kInk(40, 52, 46);
const QColor kCinnabar(176, 42, 36);
const QColor kJade(96, 150, 120);

void PaintTaiji(QPainter& p, QPointF centre, qreal r, const QColor& dark,
                const QColor& light) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(dark, std::max<qreal>(1.0, r / 20)));
  p.setBrush(light);
  p.drawEllipse(centre, r, r);
  QPainterPath dark_half;
  dark_half.moveTo(centre.x(), centre.y() - r);
  dark_half.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 90,
                  180);
  dark_half.arcTo(QRectF(centre.x() - r / 2, centre.y(), r, r), 270, 180);
  dark_half.arcTo(QRectF(centre.x() - r / 2, centre.y() - r, r, r), 270, -180);
  p.setPen(Qt::NoPen);
  p.setBrush(dark);
  p.drawPath(dark_half);
  p.setBrush(light);
  p.drawEllipse(QPointF(centre.x(), centre.y() + r / 2), r / 7, r / 7);
  p.setBrush(dark);
  p.drawEllipse(QPointF(centre.x(), centre.y() - r / 2), r / 7, r / 7);
  p.restore();
}

// Trigram lines from the bottom: true = yang (whole), false = yin (broken).
void PaintTrigram(QPainter& p, QPointF centre, qreal angle_deg, qreal width,
                  const bool lines[3]) {
  p.save();
  p.translate(centre);
  p.rotate(angle_deg);
  const qreal h = width / 7;
  for (int i = 0; i < 3; ++i) {
    const qreal y = -i * h * 1.8;
    if (lines[i]) {
      p.drawRect(QRectF(-width / 2, y, width, h));
    } else {
      p.drawRect(QRectF(-width / 2, y, width * 0.42, h));
      p.drawRect(QRectF(width * 0.08, y, width * 0.42, h));
    }
  }
  p.restore();
}

}  // namespace

QPixmap InputStripBackground(QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, QColor(236, 246, 232));
  g.setColorAt(1, QColor(205, 228, 207));
  p.fillRect(pixmap.rect(), g);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(180, 210, 185), 1.2));
  // A running cloud scroll along the bottom edge.
  for (int x = -20; x < size.width() + 40; x += 46) {
    const qreal y = size.height() - 9;
    p.drawArc(QRectF(x, y - 10, 20, 20), 0, 180 * 16);
    p.drawArc(QRectF(x + 14, y - 6, 14, 14), 180 * 16, 180 * 16);
    p.drawArc(QRectF(x + 24, y - 12, 22, 22), 0, 180 * 16);
  }
  p.setPen(QPen(QColor(150, 190, 160), 1));
  p.drawLine(0, size.height() - 1, size.width(), size.height() - 1);
  return pixmap;
}

QPixmap DocumentBackground(QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  QRadialGradient g(QPointF(size.width() / 2.0, size.height() / 2.2),
                    size.width() * 0.75);
  g.setColorAt(0, QColor(252, 255, 246));
  g.setColorAt(1, QColor(226, 240, 222));
  p.fillRect(pixmap.rect(), g);
  p.setRenderHint(QPainter::Antialiasing);

  const QPointF centre(size.width() / 2.0, size.height() / 2.4);
  const qreal r = std::min(size.width(), size.height()) * 0.16;
  // The eight trigrams of the earlier heaven order around the taiji.
  static const bool kTrigrams[8][3] = {
      {true, true, true},   {true, true, false},   {true, false, true},
      {true, false, false}, {false, false, false}, {false, false, true},
      {false, true, false}, {false, true, true}};
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 150, 128, 150));
  for (int i = 0; i < 8; ++i) {
    const qreal angle = -90 + i * 45;
    const qreal rad = angle * M_PI / 180;
    const QPointF at(centre.x() + std::cos(rad) * r * 1.75,
                     centre.y() + std::sin(rad) * r * 1.75);
    PaintTrigram(p, at, angle + 90, r * 0.62, kTrigrams[i]);
  }
  PaintTaiji(p, centre, r, kInk, QColor(250, 252, 245));

  QFont title(QStringLiteral("WenQuanYi Zen Hei"));
  title.setPixelSize(static_cast<int>(r * 0.5));
  title.setBold(true);
  p.setFont(title);
  p.setPen(kInk);
  const QRectF text_box(0, centre.y() + r * 2.3, size.width(), r * 0.7);
  p.drawText(text_box, Qt::AlignCenter, QStringLiteral("Kelvara 命理大全"));
  QFont line(QStringLiteral("WenQuanYi Zen Hei"));
  line.setPixelSize(static_cast<int>(r * 0.24));
  p.setFont(line);
  p.setPen(QColor(90, 110, 96));
  p.drawText(QRectF(0, text_box.bottom() + 4, size.width(), r * 0.4),
             Qt::AlignCenter,
             QStringLiteral("请在上方输入基本信息，然后选择测算项目"));
  return pixmap;
}

QPixmap SectionHeading(const QString& title, QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  QLinearGradient g(0, 0, size.width(), 0);
  g.setColorAt(0, QColor(70, 120, 92));
  g.setColorAt(1, QColor(150, 196, 160));
  p.fillRect(pixmap.rect(), g);
  p.setRenderHint(QPainter::Antialiasing);
  // A small cinnabar seal before the title.
  const qreal h = size.height();
  p.setPen(Qt::NoPen);
  p.setBrush(kCinnabar);
  p.drawRoundedRect(QRectF(5, h * 0.22, h * 0.56, h * 0.56), 2, 2);
  QFont font(QStringLiteral("WenQuanYi Zen Hei"));
  font.setPixelSize(static_cast<int>(h * 0.55));
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(h * 0.56 + 11, 0, size.width(), h),
             Qt::AlignVCenter | Qt::AlignLeft, title);
  return pixmap;
}

QIcon PictureButtonIcon(const QString& glyph) {
  QPixmap pixmap(40, 40);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(15, 13), 24);
  g.setColorAt(0, QColor(224, 96, 80));
  g.setColorAt(1, kCinnabar);
  p.setPen(QPen(QColor(120, 26, 22), 1.5));
  p.setBrush(g);
  p.drawEllipse(QRectF(2, 2, 36, 36));
  QFont font(QStringLiteral("WenQuanYi Zen Hei"));
  font.setPixelSize(20);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 40, 40), Qt::AlignCenter, glyph);
  return QIcon(pixmap);
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64, 128}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    PaintTaiji(p, QPointF(side / 2.0, side / 2.0), side * 0.46, kInk,
               QColor(250, 252, 245));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kJade, std::max(1.0, side / 24.0)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(side / 2.0, side / 2.0), side * 0.47, side * 0.47);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace kelvara
