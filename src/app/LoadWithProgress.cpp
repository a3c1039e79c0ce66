#include "app/LoadWithProgress.h"

#include "history/HistoryLoader.h"
#include "widgets/WaitCursor.h"

#include <QDir>
#include <QProgressDialog>

LoadResult loadWithProgress(QWidget *owner, const QString &path, const DetectionSettings &settings,
                            HistoryDocument &out)
{
    const WaitCursor wait;
    QProgressDialog progress(QStringLiteral("Loading %1").arg(QDir::toNativeSeparators(path)), QString(), 0,
                             100, owner);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setCancelButton(nullptr);
    return LoadHistory(path, settings, out,
                       [&progress](double done) { progress.setValue(qRound(done * 100)); });
}
