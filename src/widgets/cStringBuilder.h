#pragma once

#include <QString>
#include <QStringView>

// Gathers text in one growable block of UTF-16 code units, so that copying many rows costs one copy
// per row rather than a new string each time. Indices and lengths are in characters from 0.
// Every byte past the text up to the capacity is zero: the block holds no more than it has had to,
// and what lies past it up to the capacity counts as zero.
class cStringBuilder
{
public:
    static constexpr qint64 BlockStep = qint64(1) << 20; // bytes
    static constexpr qint64 MaxTextBytes = 2147483647;   // the text never passes 2 GiB

    cStringBuilder();

    // The text up to its first NUL character.
    QString StringData() const;
    // Clear, then Append. Returns false when the text does not fit (the builder is then empty).
    [[nodiscard]] bool setStringData(QStringView value);

    // Empties the text and shrinks the capacity back to one step.
    void Clear();
    // These return false, leaving the text as it was, when the text would pass 2 GiB or the block
    // cannot grow. An index below 0 or past the end is ignored.
    [[nodiscard]] bool Append(QStringView value);
    [[nodiscard]] bool Insert(int index, QStringView value);
    [[nodiscard]] bool Overwrite(int index, QStringView value);
    // A length of 0, or one running past the end, removes everything from `index` on.
    void Remove(int index, int length);

    // Lengthens the text by `length` characters and returns where they begin, so that a text of
    // known length is written in place, in parts by several threads if need be. The caller writes
    // every one of them before the builder is used again. Null, leaving the text as it was, when
    // the text would pass 2 GiB or the block cannot grow.
    [[nodiscard]] char16_t *extend(qint64 length);
    // The whole text, NUL characters included, handed over without a copy; the builder is left
    // empty with a capacity of one step.
    QString takeStringData();

    int StringLength() const { return static_cast<int>(m_usedBytes / 2); }
    qint64 capacityBytes() const { return m_capacityBytes; }

private:
    // Grows the capacity to hold `neededBytes`, and the block with it (to just `neededBytes` when
    // `exact`); the bytes the block gains are zeroed from `zeroFrom` on, those before it being
    // about to be written.
    [[nodiscard]] bool growFor(qint64 neededBytes, qint64 zeroFrom, bool exact);
    [[nodiscard]] bool growFor(qint64 neededBytes) { return growFor(neededBytes, 0, false); }
    void newBlock();
    char16_t *data() const { return m_data; }

    // A string's own storage, so that the finished text is handed over without a copy; its size
    // is the capacity, and the text is the part of it that is used.
    QString m_block;
    char16_t *m_data = nullptr;
    qint64 m_heldBytes = 0; // the block's size; at most the capacity
    qint64 m_capacityBytes = 0;
    qint64 m_usedBytes = 0;
};
