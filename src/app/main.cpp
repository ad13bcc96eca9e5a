// Kelvara: start-up of the window program.

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>

#include "app/main_window.h"
#include "app/reading_commands_window.h"
#include "app/regional_formats.h"
#include "refdata/reference_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvara"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kelvara"));

  // Qt's own dialogs speak Chinese.
  QTranslator qt_chinese;
  if (qt_chinese.load(QStringLiteral("qtbase_zh_CN"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_chinese);
  }
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  // The families are named explicitly, or Qt may fall back to a Japanese face.
  QFont font(QStringLiteral("WenQuanYi Zen Hei"));
  font.setFamilies({QStringLiteral("WenQuanYi Zen Hei"),
                    QStringLiteral("WenQuanYi Micro Hei")});
  font.setPointSize(9);
  QApplication::setFont(font);

  // Dates in year-month-day form with "-", times with ":".
  kelvara::ApplyRegionalFormats(*kelvara::SystemRegionalSettings());

  kelvara::TFrmmain window(kelvara::ReferenceStore::BesideExecutable());
  kelvara::WireReadings(window);
  window.show();

  // For the start-up benchmark: leave as soon as the shown window is idle.
  if (std::getenv("KELVARA_QUIT_WHEN_IDLE") != nullptr) {
    QTimer::singleShot(0, &app, &QApplication::quit);
  }
  return QApplication::exec();
}
