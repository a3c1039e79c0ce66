#pragma once

#include <QDebug>
#include <QString>

#include <optional>

// The Find dialog's remembered options, stored as "position,choice,whole": the history entry
// selected (-1 for a typed text), the search-in choice and the whole-word box. A field that is
// missing from the stored text stays empty, so the dialog leaves that control as it is.
struct FindOptions
{
    std::optional<int> selectedEntry;
    std::optional<int> searchIn;
    std::optional<int> wholeWord;

    // Each field counts as its leading decimal number; a field without one counts as 0.
    static FindOptions parse(const QString &text);
    static QString format(int selectedEntry, int searchIn, int wholeWord);

    bool operator==(const FindOptions &) const = default;
};

QDebug operator<<(QDebug debug, const FindOptions &options);

// The leading decimal number of a text (blanks before it and a sign allowed), held to the int
// range; 0 when the text does not begin with one.
int leadingNumber(const QString &text);

inline const QString KeyFindOptions = QStringLiteral("FindOptions");
inline const QString DefaultFindOptions = QStringLiteral("0,0,0");
