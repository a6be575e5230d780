#include "LocaleSeparator.h"

#include <QLocale>

char32_t LocaleDecimalSeparator() {
    const QList<uint> separator = QLocale::system().decimalPoint().toUcs4();
    return separator.isEmpty() ? U'.' : static_cast<char32_t>(separator.front());
}
