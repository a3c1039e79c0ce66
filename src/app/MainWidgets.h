#pragma once

class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QTableView;
class QToolBar;
class QTreeWidget;
class QWidget;

// The widgets of the main window's client area, made and named once. The changes list is a
// table view: it lays out only the rows on screen, so a million rows cost nothing to show, and it
// draws the grid lines of a report list.
struct MainWidgets
{
    QToolBar *Toolbar1 = nullptr;
    QWidget *clientArea = nullptr;
    QWidget *picMainSplitter = nullptr;
    QWidget *Frame2 = nullptr;
    QTreeWidget *lvVersionsList = nullptr;
    QWidget *picSpliterContainer = nullptr;
    QWidget *Frame1 = nullptr;
    QTableView *lvChangesList = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QLabel *statusPanel1 = nullptr;
    QLabel *statusPanel2 = nullptr;
    QLabel *statusNew = nullptr; // how many releases are new since last time; hidden when none

    static MainWidgets create(QMainWindow *window);
};
