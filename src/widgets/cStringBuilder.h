#pragma once

#include <QString>
#include <QStringView>

#include <cstdlib>
#include <memory>

// Gathers text in one growable block of UTF-16 code units, so that copying many rows costs one copy
// per row rather than a new string each time. Indices and lengths are in characters from 0.
// Every byte past the text up to the capacity is zero.
class cStringBuilder
{
public:
    static constexpr qint64 BlockStep = 1024 * 1024; // bytes

    cStringBuilder();

    // The text up to its first NUL character.
    QString StringData() const;
    // Clear, then Append. Returns false when the text does not fit (the builder is then empty).
    [[nodiscard]] bool setStringData(QStringView value);

    // Empties the text and shrinks the block back to one step.
    void Clear();
    // These return false, leaving the text as it was, when the text would pass 2 GiB or the block
    // cannot grow. An index below 0 or past the end is ignored.
    [[nodiscard]] bool Append(QStringView value);
    [[nodiscard]] bool Insert(int index, QStringView value);
    [[nodiscard]] bool Overwrite(int index, QStringView value);
    // A length of 0, or one running past the end, removes everything from `index` on.
    void Remove(int index, int length);

    int StringLength() const { return static_cast<int>(m_usedBytes / 2); }
    qint64 capacityBytes() const { return m_capacityBytes; }

private:
    [[nodiscard]] bool growFor(qint64 neededBytes);
    char16_t *data() const { return m_block.get(); }

    struct FreeBlock
    {
        void operator()(char16_t *block) const { std::free(block); }
    };
    std::unique_ptr<char16_t, FreeBlock> m_block;
    qint64 m_capacityBytes = 0;
    qint64 m_usedBytes = 0;
};
