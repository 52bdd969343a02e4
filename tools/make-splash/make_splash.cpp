// make-splash: paints the two start-up pictures, StartE.jpg (English) and StartC.jpg (Chinese).
//   make-splash OUTPUT_DIR [PREVIEW_DIR]
// PREVIEW_DIR, when given, receives PNG copies for looking at.
// The pictures are committed in data/; run scripts/make-splash to paint them again.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 320;

struct SplashTexts {
  const char* file;
  const char* subtitle;
  const char* caption;
  const char* family;
};

// A hand-held radio: body, antenna, speaker grille, display and keypad, at (x, y), h high.
void PaintRadio(QPainter& p, qreal x, qreal y, qreal h) {
  const qreal w = h * 0.42;
  p.save();
  p.translate(x, y);
  // Antenna.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 34, 40));
  p.drawRoundedRect(QRectF(w * 0.16, -h * 0.36, w * 0.14, h * 0.40), w * 0.07, w * 0.07);
  p.drawRoundedRect(QRectF(w * 0.64, -h * 0.06, w * 0.16, h * 0.10), 3, 3);
  // Body.
  QLinearGradient body(0, 0, w, 0);
  body.setColorAt(0, QColor(48, 54, 62));
  body.setColorAt(0.5, QColor(78, 86, 98));
  body.setColorAt(1, QColor(40, 45, 52));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(0, 0, w, h), w * 0.16, w * 0.16);
  // Display.
  QLinearGradient lcd(0, h * 0.10, 0, h * 0.30);
  lcd.setColorAt(0, QColor(150, 220, 255));
  lcd.setColorAt(1, QColor(70, 160, 220));
  p.setBrush(lcd);
  p.drawRoundedRect(QRectF(w * 0.14, h * 0.10, w * 0.72, h * 0.20), 4, 4);
  p.setPen(QColor(20, 50, 80));
  QFont f(QStringLiteral("DejaVu Sans Mono"));
  f.setPixelSize(static_cast<int>(h * 0.075));
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(w * 0.14, h * 0.10, w * 0.72, h * 0.20), Qt::AlignCenter, QStringLiteral("145.600"));
  // Speaker grille.
  p.setPen(QPen(QColor(28, 31, 36), h * 0.012, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 5; ++i) {
    const qreal gy = h * (0.38 + i * 0.045);
    p.drawLine(QPointF(w * 0.22, gy), QPointF(w * 0.78, gy));
  }
  // Keypad.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 118, 130));
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c)
      p.drawRoundedRect(QRectF(w * (0.16 + c * 0.25), h * (0.66 + r * 0.09), w * 0.18, h * 0.06), 3, 3);
  }
  p.restore();
}

void PaintWaves(QPainter& p, QPointF centre) {
  for (int i = 1; i <= 3; ++i) {
    p.setPen(QPen(QColor(255, 255, 255, 150 - i * 35), 3, Qt::SolidLine, Qt::RoundCap));
    const qreal r = 11.0 * i;
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 35 * 16, 110 * 16);
  }
}

QImage Paint(const SplashTexts& t) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient sky(0, 0, kWidth, kHeight);
  sky.setColorAt(0, QColor(10, 42, 84));
  sky.setColorAt(1, QColor(18, 96, 150));
  p.fillRect(image.rect(), sky);
  QRadialGradient glow(QPointF(kWidth * 0.78, kHeight * 0.35), kHeight * 0.7);
  glow.setColorAt(0, QColor(120, 200, 255, 90));
  glow.setColorAt(1, QColor(120, 200, 255, 0));
  p.fillRect(image.rect(), glow);
  // A thin band along the bottom.
  p.fillRect(QRectF(0, kHeight - 44, kWidth, 44), QColor(6, 24, 48, 200));

  constexpr qreal radioX = kWidth * 0.72, radioY = 100, radioH = 168;
  PaintWaves(p, QPointF(radioX + radioH * 0.42 * 0.23, radioY - radioH * 0.36 - 4));
  PaintRadio(p, radioX, radioY, radioH);

  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(72);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRectF(36, 70, 340, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KT-740"));
  p.fillRect(QRectF(40, 162, 120, 4), QColor(255, 180, 40));
  QFont sub(QString::fromUtf8(t.family));
  sub.setPixelSize(24);
  p.setFont(sub);
  p.setPen(QColor(220, 236, 255));
  p.drawText(QRectF(40, 178, 340, 40), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(t.subtitle));
  QFont small(QString::fromUtf8(t.family));
  small.setPixelSize(14);
  p.setFont(small);
  p.setPen(QColor(170, 200, 230));
  p.drawText(QRectF(40, kHeight - 44, kWidth - 80, 44), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(t.caption));
  p.end();
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: make-splash OUTPUT_DIR [PREVIEW_DIR]\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const SplashTexts pictures[] = {
      {"StartE.jpg", "Programming Software", "Hand-held FM radio  ·  loading...", "DejaVu Sans"},
      {"StartC.jpg", "编程软件", "手持调频对讲机  ·  正在启动...", "Noto Sans CJK SC"},
  };
  for (const SplashTexts& t : pictures) {
    const QString path = dir + QLatin1Char('/') + QString::fromLatin1(t.file);
    const QImage image = Paint(t);
    if (!image.save(path, "JPG", 92)) {
      std::fprintf(stderr, "make-splash: cannot write %s\n", qPrintable(path));
      return 1;
    }
    if (argc == 3) {
      QString preview = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') + QString::fromLatin1(t.file);
      preview.replace(QStringLiteral(".jpg"), QStringLiteral(".png"));
      image.save(preview, "PNG");
    }
  }
  return 0;
}
