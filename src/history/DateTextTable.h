#pragma once

#include <QString>

#include <array>
#include <memory>
#include <vector>

// The Day and Date texts of the dates of history lines, each distinct "dd.mm.yy" formatted once.
// Formatting a date through the locale is the costly part of copying or counting many lines, and
// a history holds a few thousand distinct dates, however many lines it has. Dates are named by
// their key, the six digits of a leading "dd.mm.yy" read as a number (dateDigits); -1 is a line
// without a date, whose texts are empty.
class DateTextTable
{
public:
    // An empty dateFormat leaves the Date texts empty, for users that need only the Day texts.
    explicit DateTextTable(const QString &dayFormat, const QString &dateFormat = QString());

    // Notes a date, to be formatted by formatAdded.
    void add(int key);
    // Formats every date noted and not formatted yet; with `together`, in two halves on two
    // threads, returning when both are done.
    void formatAdded(bool together);

    // The place of a date in the table, counted from 0 in the order the dates were noted; -1 for
    // a line without a date or a date not noted.
    int slotOf(int key) const;
    // The same, noting and formatting the date first when it is new.
    int formattedSlotOf(int key);

    // The texts of a formatted date; empty for -1.
    const QString &dayText(int slot) const;
    const QString &dateText(int slot) const;

private:
    void formatSlots(std::size_t first, std::size_t end);

    QString m_dayFormat;
    QString m_dateFormat;
    // Every date of a weekday has one Day text when the format names only the weekday ("dddd").
    bool m_dayByWeekday = false;
    std::array<QString, 7> m_weekdayTexts;

    // One plus the slot, by key; 0 for a date not noted. In pages of PageKeys keys, each made when
    // a date of its own is first noted: a short history touches a few kilobytes, not a table of
    // every possible date.
    static constexpr int PageKeys = 1024;
    std::vector<std::unique_ptr<int[]>> m_slotPages;
    std::vector<int> m_keys;                     // by slot
    std::vector<std::array<QString, 2>> m_texts; // Day and Date, by slot; formatted up to m_formatted
    std::size_t m_formatted = 0;
    const QString m_none;
};
