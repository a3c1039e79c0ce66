#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

// Lets one file be dropped on a window: a drag is accepted only when it carries exactly one file
// of the local file system, and the drop hands on its path. Anything else (several files, a
// folder, a web address, text) is refused, and dropping it does nothing.
class FileDropTarget : public QObject
{
    Q_OBJECT

public:
    // Watches the drags over `window` and its children that take no drops themselves.
    explicit FileDropTarget(QWidget *window);

    // The one local file `data` carries, or empty.
    static QString droppedFile(const QMimeData *data);

signals:
    void fileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
