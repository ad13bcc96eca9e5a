#include "app/qt_text.h"

#include "base/text.h"

namespace kelvara {

GbkByteLimit::GbkByteLimit(int bytes, QObject* parent)
    : QValidator(parent), bytes_(bytes) {}

QValidator::State GbkByteLimit::validate(QString& input, int&) const {
  return GbkWidth(S(input)) <= bytes_ ? Acceptable : Invalid;
}

}  // namespace kelvara
