#pragma once

#include "Figures.h"

#include "history/ChangesList.h"
#include "history/HistoryDocument.h"

#include <QString>

#include <memory>

class ChangesListModel;
class QTableView;

// The words searched for: one that occurs in about one line in twenty of a generated history,
// one that never occurs, one outside ASCII, and a word of the accented histories (about one line
// in twenty of them), searched for in the file's own spelling: without its accent in a file of
// plain ASCII.
struct BenchWords
{
    QString common = QStringLiteral("toolbar");
    QString absent = QStringLiteral("qqzxjq");
    QString nonAscii = QStringLiteral("CAF\u00C9");
    QString accented = QStringLiteral("FEN\u00CATRE");
};

// Times the viewer's work on one history file in this process: the baselines run as processes,
// the load, the changes list views, the searches, the statistics and a copy of every row. The
// lists are shown in an offscreen view, so a rebuild costs what it costs in the window.
class FileBench
{
public:
    FileBench(QString path, int reps, BenchWords words = {});
    ~FileBench();
    FileBench(const FileBench &) = delete;
    FileBench &operator=(const FileBench &) = delete;

    // Runs everything in order and returns the figures; memory figures are left to the caller.
    FileFigures run();

private:
    Figure &add(const QString &key, const QString &label, Baseline base, double ms, const QString &note = {},
                bool userAction = false);
    void measureBaselines();
    void measureLoad();
    void measureViews();
    void measureSearches();
    void measureStatistics();
    void measureCopy();
    void measureScroll();
    // Builds and shows a list as the window does: one vector fill, one model reset, a repaint.
    void showList(const ChangesView &request);
    void showContent(ChangesListContent content);

    QString m_path;
    int m_reps;
    BenchWords m_words;
    QString m_accentedNeedle; // m_words.accented as the file spells it
    DetectionSettings m_settings;
    HistoryDocument m_document;
    FileFigures m_result;
    std::unique_ptr<QTableView> m_view;
    std::unique_ptr<ChangesListModel> m_model;
};
