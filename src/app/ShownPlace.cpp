#include "app/ShownPlace.h"

#include <algorithm>
#include <cstdlib>

ShownPlace ShownPlace::take(const HistoryDocument &document, const ChangesView &view, bool listed,
                            const ChangeRows &rows, ListRow selected)
{
    ShownPlace place;
    // The view, not the bold item: a row clicked in "All" marks its own release.
    const int position = listed ? view.releaseIndex.value() + 1 : -1;
    place.m_position = position;
    place.m_newShown = listed && view.releaseIndex.isNone() && !view.lastSeen.isNone();
    place.m_mode = view.mode;
    if (position > 0 && static_cast<std::size_t>(position) <= document.releases.size())
        place.m_releaseLabel = document.releases[static_cast<std::size_t>(position - 1)].label;
    const LineIndex line = rows.lineAt(selected);
    if (document.lines.contains(line)) {
        // Copied: the bytes belong to the history that is about to be replaced.
        place.m_selectedText = document.lines.bytes(line).toByteArray();
        place.m_selectedRow = selected;
    }
    return place;
}

int ShownPlace::positionIn(const HistoryDocument &document) const
{
    const int releases = static_cast<int>(document.releases.size());
    if (m_position == 0)
        return 0;
    if (releases == 0)
        return -1;
    int found = -1;
    for (int r = 0; r < releases; ++r) {
        const int position = r + 1;
        if (document.releases[static_cast<std::size_t>(r)].label == m_releaseLabel &&
            (found < 0 || std::abs(position - m_position) < std::abs(found - m_position)))
            found = position;
    }
    return m_position > 0 && found > 0 ? found : 1;
}

ListRow ShownPlace::rowIn(const HistoryDocument &document, const ChangeRows &rows) const
{
    if (m_selectedText.isNull())
        return NoRow;
    const auto shows = [&](ListRow row) {
        const LineIndex line = rows.lineAt(row);
        return document.lines.contains(line) && document.lines.bytes(line) == m_selectedText;
    };
    // Outwards from the row selected before: a line is most often found where it was, or a few
    // rows further down when new lines were written above it.
    const int start = std::clamp(m_selectedRow.value(), 0, std::max(rows.size() - 1, 0));
    for (int distance = 0; distance < rows.size(); ++distance) {
        for (const ListRow row : {ListRow(start + distance), ListRow(start - distance)}) {
            if (rows.contains(row) && shows(row))
                return row;
        }
    }
    return NoRow;
}
