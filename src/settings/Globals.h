#pragma once

#include <QString>

class QRandomGenerator;

inline constexpr QChar QuoteChar = u'"';
inline const QString TwoQuotes = QStringLiteral("\"\"");
inline const QString ProgramTitle = QStringLiteral("Velomir");

// Six capitals, six digits, six small letters: a text no real setting holds.
QString makeMissingValueMarker(QRandomGenerator &random);

// The default that tells an absent key from any stored value: made once, the same for the whole run.
const QString &missingValueMarker();

// The folder of the running program with a trailing separator.
QString programDirectory();
