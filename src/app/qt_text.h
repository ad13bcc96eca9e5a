#pragma once

// Texts between the core (UTF-8 std::string) and the widgets (QString).

#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

namespace kelvara {

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string S(const QString& text) {
  return text.toUtf8().toStdString();
}

// Refuses typing that would make a field longer than `bytes` GBK bytes, as
// the name fields do (four bytes: two Chinese characters).
class GbkByteLimit : public QValidator {
  Q_OBJECT

 public:
  GbkByteLimit(int bytes, QObject* parent);
  State validate(QString& input, int& position) const override;

 private:
  int bytes_;
};

}  // namespace kelvara
