#include "history/ChangesView.h"

QDebug operator<<(QDebug debug, const ChangesView &view)
{
    static const char *const filters[] = {"AllChanges", "Additions", "Fixes"};
    QDebugStateSaver saver(debug);
    debug.nospace() << "ChangesView("
                    << (view.releaseIndex == ChangesView::All ? QStringLiteral("All")
                                                              : QString::number(view.releaseIndex.value()))
                    << (view.lastSeen.isNone() ? QString()
                                               : QStringLiteral(", new above %1").arg(view.lastSeen.value()))
                    << ", mode " << changesListModeText(view.mode) << ", "
                    << filters[static_cast<int>(view.filter)] << (view.reversed ? ", reversed" : "") << ')';
    return debug;
}
