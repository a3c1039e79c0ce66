#pragma once

#include "MainWindowFixture.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTreeWidget>

// A small history: a line before the first release, three releases, an empty line inside one.
inline QStringList sampleHistory()
{
    return {"Preface line",                 // 0
            "Release Total Commander 3.0",  // 1
            "03.03.03 Added: alpha tab one", // 2
            "",                             // 3
            "03.03.03 Fixed: beta",         // 4
            "Release Total Commander 2.0",  // 5
            "02.02.02 Added: gamma",        // 6
            "02.02.02 Fixed: delta tab",    // 7
            "Release Total Commander 1.0",  // 8
            "01.02.03 Added: epsilon",      // 9
            "01.01.01 Fixed: zeta"};        // 10
}

inline QTableView *changesList(frmMain &w) { return w.findChild<QTableView *>(QStringLiteral("lvChangesList")); }
inline QTreeWidget *versionsList(frmMain &w) { return w.findChild<QTreeWidget *>(QStringLiteral("lvVersionsList")); }
inline QPlainTextEdit *wrapPanel(frmMain &w) { return w.findChild<QPlainTextEdit *>(QStringLiteral("Text1")); }
inline QString panelText(frmMain &w, const char *name) { return w.findChild<QLabel *>(QLatin1String(name))->text(); }
inline QAction *action(frmMain &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }

// The text of the Change column of every row, top to bottom.
inline QStringList changeTexts(frmMain &w)
{
    QTableView *list = changesList(w);
    QAbstractItemModel *model = list->model();
    const int column = model->columnCount() - 1;
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

inline QString currentChangeText(frmMain &w)
{
    QTableView *list = changesList(w);
    const QModelIndex current = list->selectionModel()->currentIndex();
    return current.siblingAtColumn(list->model()->columnCount() - 1).data().toString();
}

// The bold, selected release, or -1 when none is.
inline int markedVersion(frmMain &w)
{
    QTreeWidget *versions = versionsList(w);
    for (int i = 0; i < versions->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = versions->topLevelItem(i);
        if (item->font(0).bold() && item->isSelected())
            return i;
    }
    return -1;
}

inline void clickVersion(frmMain &w, int position)
{
    QTreeWidget *versions = versionsList(w);
    QTreeWidgetItem *item = versions->topLevelItem(position);
    emit versions->itemClicked(item, 0);
}

inline void selectRows(frmMain &w, const QList<int> &rows)
{
    QTableView *list = changesList(w);
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}
