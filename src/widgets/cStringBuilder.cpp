#include "widgets/cStringBuilder.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr qint64 MaxUsedBytes = cStringBuilder::MaxTextBytes;

qint64 byteLength(QStringView value)
{
    return static_cast<qint64>(value.size()) * 2;
}

} // namespace

cStringBuilder::cStringBuilder()
{
    newBlock();
}

void cStringBuilder::newBlock()
{
    // The block is allocated when text first comes: a builder made for a few short lines, or one
    // that is written in place, never fills a megabyte of zeros it does not use.
    m_block = QString();
    m_data = nullptr;
    m_heldBytes = 0;
    m_capacityBytes = BlockStep;
    m_usedBytes = 0;
}

QString cStringBuilder::StringData() const
{
    const char16_t *begin = data();
    const char16_t *end = begin + StringLength();
    return QString::fromUtf16(begin, std::find(begin, end, u'\0') - begin);
}

bool cStringBuilder::setStringData(QStringView value)
{
    Clear();
    return Append(value);
}

void cStringBuilder::Clear()
{
    if (m_usedBytes > 0)
        std::memset(data(), 0, static_cast<size_t>(m_usedBytes));
    m_usedBytes = 0;
    if (m_capacityBytes == BlockStep)
        return;
    newBlock();
}

bool cStringBuilder::Append(QStringView value)
{
    const qint64 added = byteLength(value);
    if (added == 0)
        return true;
    if (!growFor(m_usedBytes + added))
        return false;
    std::memcpy(reinterpret_cast<char *>(data()) + m_usedBytes, value.utf16(), static_cast<size_t>(added));
    m_usedBytes += added;
    return true;
}

bool cStringBuilder::Insert(int index, QStringView value)
{
    if (index < 0 || index > StringLength() || value.isEmpty())
        return true;
    const qint64 added = byteLength(value);
    if (!growFor(m_usedBytes + added))
        return false;
    char *at = reinterpret_cast<char *>(data() + index);
    std::memmove(at + added, at, static_cast<size_t>(m_usedBytes - qint64(index) * 2));
    std::memcpy(at, value.utf16(), static_cast<size_t>(added));
    m_usedBytes += added;
    return true;
}

bool cStringBuilder::Overwrite(int index, QStringView value)
{
    if (index < 0 || index > StringLength() || value.isEmpty())
        return true;
    const qint64 end = qint64(index) * 2 + byteLength(value);
    if (!growFor(std::max(m_usedBytes, end)))
        return false;
    std::memcpy(data() + index, value.utf16(), static_cast<size_t>(byteLength(value)));
    m_usedBytes = std::max(m_usedBytes, end);
    return true;
}

void cStringBuilder::Remove(int index, int length)
{
    const int size = StringLength();
    if (index < 0 || index >= size || length < 0)
        return;
    if (length == 0 || length > size - index)
        length = size - index;
    char16_t *at = data() + index;
    std::memmove(at, at + length, static_cast<size_t>(size - index - length) * 2);
    std::memset(data() + (size - length), 0, static_cast<size_t>(length) * 2);
    m_usedBytes -= qint64(length) * 2;
}

bool cStringBuilder::growFor(qint64 neededBytes, qint64 zeroFrom, bool exact)
{
    if (neededBytes > MaxUsedBytes)
        return false;
    // Steps of whole blocks, repeated until the text fits: a single text longer than the block
    // would otherwise overrun it.
    qint64 capacity = m_capacityBytes;
    while (neededBytes > capacity)
        capacity += (neededBytes / capacity) * BlockStep;
    if (neededBytes > m_heldBytes) {
        // The block holds the whole capacity, or just the text when it is written in place.
        const qint64 held = exact ? neededBytes : capacity;
        try {
            if (m_heldBytes == 0)
                m_block = QString(held / 2, Qt::Uninitialized);
            else
                m_block.resize(held / 2);
        } catch (const std::bad_alloc &) {
            return false;
        }
        m_data = reinterpret_cast<char16_t *>(m_block.data());
        const qint64 zeroStart = std::max(m_heldBytes, zeroFrom);
        if (held > zeroStart)
            std::memset(reinterpret_cast<char *>(data()) + zeroStart, 0,
                        static_cast<size_t>(held - zeroStart));
        m_heldBytes = held;
    }
    m_capacityBytes = capacity;
    return true;
}

char16_t *cStringBuilder::extend(qint64 length)
{
    if (length < 0)
        return nullptr;
    const qint64 neededBytes = m_usedBytes + length * 2;
    // What lies between the text and the new end is written by the caller, not zeroed first.
    if (length > MaxUsedBytes / 2 || !growFor(neededBytes, neededBytes, m_usedBytes == 0))
        return nullptr;
    char16_t *at = data() + StringLength();
    m_usedBytes = neededBytes;
    return at;
}

QString cStringBuilder::takeStringData()
{
    m_block.resize(StringLength());
    QString text = std::move(m_block);
    if (text.isNull())
        text = QStringLiteral(""); // an empty text, as from a block that was never needed
    newBlock();
    return text;
}
