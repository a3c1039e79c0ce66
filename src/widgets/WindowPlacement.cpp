#include "widgets/WindowPlacement.h"

#include <QStringList>

#include <array>
#include <cmath>

namespace {

// Stored twips are whole numbers; fractions are cut off as the window reports them.
QString wholeTwips(double value)
{
    return QString::number(static_cast<qint64>(std::trunc(value)));
}

} // namespace

WindowPlacement WindowPlacement::LoadWindowPlacement(const SettingReader &read,
                                                     const WindowPlacement &previous)
{
    WindowPlacement placement = previous;

    bool ok = false;
    const int maximized = read(MainWindowMaximizedKey, DefaultMainWindowMaximized).trimmed().toInt(&ok);
    if (ok)
        placement.Maximized = maximized == 1;

    const QStringList fields = read(MainWindowPositionKey, DefaultMainWindowPosition).split(u',');
    const std::array<double *, 4> targets{&placement.Top, &placement.Left, &placement.Height,
                                          &placement.Width};
    for (qsizetype i = 0; i < qsizetype(targets.size()) && i < fields.size(); ++i) {
        const double value = fields[i].trimmed().toDouble(&ok);
        if (ok && std::isfinite(value))
            *targets[i] = value;
    }
    return placement;
}

WindowPlacement WindowPlacement::LoadWindowPlacement(const SettingReader &read)
{
    return LoadWindowPlacement(read, WindowPlacement());
}

void WindowPlacement::SaveWindowPlacement(const SettingWriter &write) const
{
    if (Maximized) {
        write(MainWindowMaximizedKey, QStringLiteral("1"));
        return;
    }
    write(MainWindowPositionKey,
          QStringList{wholeTwips(Top), wholeTwips(Left), wholeTwips(Height), wholeTwips(Width)}.join(u','));
    write(MainWindowMaximizedKey, QStringLiteral("0"));
}

WindowPlacement WindowPlacement::RecordWindowPlacement(WindowShowState state, const QRectF &geometry) const
{
    WindowPlacement placement = *this;
    if (state == WindowShowState::Normal) {
        placement.Top = std::trunc(geometry.top());
        placement.Left = std::trunc(geometry.left());
        placement.Height = std::trunc(geometry.height());
        placement.Width = std::trunc(geometry.width());
    }
    placement.Maximized = state == WindowShowState::Maximized;
    return placement;
}

WindowPlacement WindowPlacement::keptOnScreen(const QList<QRectF> &screens) const
{
    if (screens.isEmpty())
        return *this;
    const QRectF window = rect();
    for (const QRectF &screen : screens) {
        if (screen.intersects(window))
            return *this;
    }
    const QRectF &primary = screens.front();
    WindowPlacement placement = *this;
    placement.Left = Width <= primary.width() ? primary.left() + std::trunc((primary.width() - Width) / 2)
                                              : primary.left();
    placement.Top = Height <= primary.height() ? primary.top() + std::trunc((primary.height() - Height) / 2)
                                               : primary.top();
    return placement;
}

QDebug operator<<(QDebug debug, const WindowPlacement &placement)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "WindowPlacement(top " << placement.Top << ", left " << placement.Left << ", height "
                    << placement.Height << ", width " << placement.Width << ", maximized "
                    << placement.Maximized << ')';
    return debug;
}
